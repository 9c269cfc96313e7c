// The progress window of a run, the language choice and the splash window.
#pragma once

#include <string_view>

#include "small_dialogs.h"
#include "user_interface.h"
#include "wx_headers.h"

// The modeless progress window of a run: it is the progress display in force while it lives,
// and shows each text of the run at once.
class CRunningWindow final : public wxDialog, public Progress {
  public:
    CRunningWindow();
    ~CRunningWindow() override;

    void SetText(std::string_view text) override;
    void Step() override {}
    wxString Text() const { return text_->GetLabel(); }

  private:
    wxStaticText* text_;
    Progress* previous_;
};

// Runs the language choice modally over `parent`, bound to `dialog`; true on OK.
bool RunLanguageWindow(wxWindow* parent, CLanguageDlg& dialog);

// What the user is told, in the language just chosen, when it takes effect only at the next
// start.
wxString RestartForLanguageText(Language language);

// The splash window: shown over `parent` for `milliseconds`, or until a click on it.
wxSplashScreen* ShowSplashWindow(wxWindow* parent, int milliseconds);

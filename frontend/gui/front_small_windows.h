// The small windows of the front end: the one-line wait window, the splash window and About.
#pragma once

#include <memory>
#include <string_view>

#include "front_wx_headers.h"
#include "user_interface.h"

// A modeless window without caption that shows one line while the program is busy
// ("Compacting database...", "Loading data...", "Please wait..."), with the busy cursor. It is
// shown and painted at once, and goes with the object.
class WaitWindow {
  public:
    explicit WaitWindow(const wxString& text);
    ~WaitWindow();
    WaitWindow(const WaitWindow&) = delete;
    WaitWindow& operator=(const WaitWindow&) = delete;

  private:
    wxFrame* frame_;
    wxBusyCursor busy_;
};

// The progress display of the start-up and the options: a text opens the wait window, an empty
// text closes it.
class WaitWindowProgress final : public Progress {
  public:
    void SetText(std::string_view text) override;
    void Step() override {}

  private:
    std::unique_ptr<WaitWindow> window_;
};

// The splash window over `parent`: it goes after two seconds, or at the first click or key.
void ShowSplash(wxWindow* parent);

// The About box.
void ShowAbout(wxWindow* parent);

// The small windows of the front end: the one-line wait window, the message boxes that close it,
// the splash window and About.
#pragma once

#include <memory>
#include <string_view>

#include "front_wx_headers.h"
#include "message_boxes.h"
#include "user_interface.h"

// A modeless window without caption that shows one line while the program is busy
// ("Compacting database...", "Loading data...", "Please wait..."), with the busy cursor. It is
// shown and painted at once, and goes with the object or, earlier, at the first message.
class WaitWindow {
  public:
    explicit WaitWindow(const wxString& text);
    ~WaitWindow();
    WaitWindow(const WaitWindow&) = delete;
    WaitWindow& operator=(const WaitWindow&) = delete;

    // Closes every wait window open, with its busy cursor: a message or a question shown now is
    // seen whole and answered with the usual cursor.
    static void CloseAll();

  private:
    void Close();

    wxFrame* frame_;
};

// The program's message boxes, each shown once the wait windows have closed.
class FrontMessageBoxes final : public MessageSink {
  public:
    void Show(std::string_view text, MessageKind kind) override;
    bool AskYesNo(std::string_view question, bool unattendedAnswer) override;

  private:
    MessageBoxSink boxes_;
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

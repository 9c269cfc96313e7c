// What the window tests of both programs share: event pumping, commands sent as menus send them,
// the expected message boxes, screenshots and wx asserts turned into test failures.
#pragma once

#include <gtest/gtest.h>
#include <wx/modalhook.h>
#include <wx/testing.h>
#include <wx/wx.h>

#include <functional>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <vector>

namespace gui_test {

// Processes events until `done` holds or `milliseconds` passed; whether it holds.
bool PumpUntil(const std::function<bool()>& done, int milliseconds = 10000);

// Sends a menu command to `window` as its menu or toolbar would.
void SendCommand(wxWindow& window, int id);

// A message box of class `Dialog` expected with `text`, answered OK.
template <class Dialog>
class ExpectMessageIn : public wxExpectModalBase<Dialog, ExpectMessageIn<Dialog>> {
  public:
    explicit ExpectMessageIn(wxString text) : text_(std::move(text)) {}

  protected:
    int OnInvoked(Dialog* dialog) const override {
        EXPECT_EQ(dialog->GetMessage(), text_);
        return wxID_OK;
    }

  private:
    wxString text_;
};
using ExpectMessage = ExpectMessageIn<wxMessageDialog>;

// Saves a picture of the screen as <name>.png in the folder that TIDEWARM_SCREENSHOTS names;
// nothing when it is not set (a help while working on the windows).
void Screenshot(const std::string& name);

// Makes every wx assert fail the test running (an assert dialog would block), and keeps the
// modal windows open in the order they opened, for EndInnermostModal.
void FailTestsOnAsserts();

// Ends the innermost modal window still open; whether one was open. A test that failed while
// modal windows run calls it on each tick of its timer until none is left: a window's loop can
// end only once it is the innermost loop, so the windows end one after the other.
bool EndInnermostModal();

// Real input as a user gives it, from outside the program: xdotool with these arguments, through
// the X server's test extension. The program takes the events in whatever loop it runs, modal
// ones included.
void RealInput(const std::string& xdotoolArguments);
// A click in the middle of `window` as it is on the screen.
void ClickOn(const wxWindow& window);
// A click into `edit`, its text selected and typed over with `text`.
void TypeInto(const wxWindow& edit, const std::string& text);

// The modal windows open, innermost last; they show as usual.
class ModalWatch : public wxModalDialogHook {
  public:
    ModalWatch() { Register(); }
    ~ModalWatch() override { Unregister(); }

    // The innermost one open of type T, shown for `settled` ms at least; null when none.
    template <class T>
    T* Open(int settled = 300) const {
        for (auto it = open_.rbegin(); it != open_.rend(); ++it)
            if (auto* found = dynamic_cast<T*>(it->dialog);
                found != nullptr && wxGetLocalTimeMillis() - it->since >= settled)
                return found;
        return nullptr;
    }
    // How many modal windows of type T (exactly) opened so far.
    template <class T>
    int Opened() const {
        int count = 0;
        for (const std::type_index& type : opened_) count += type == typeid(T) ? 1 : 0;
        return count;
    }

  protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog* dialog) override;

  private:
    struct Shown {
        wxDialog* dialog;
        wxLongLong since;
    };
    std::vector<Shown> open_;
    std::vector<std::type_index> opened_;  // the windows may be gone
};

// Steps of real input, run one after the other from a timer while the code under test runs its
// own loops: each step acts once its condition holds. A step that waits more than 60 s fails the
// test and ends the script (a whole sizing study under the sanitizers on a busy machine is one
// step).
class InputScript {
  public:
    InputScript& Then(std::function<bool()> ready, std::function<void()> act);
    // Runs `code` with the script going; whether every step ran.
    bool RunWith(const std::function<void()>& code);

  private:
    struct Step {
        std::function<bool()> ready;
        std::function<void()> act;
    };
    void OnTick(wxTimerEvent&);

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool failed_ = false;
    wxLongLong waitingSince_;
    wxTimer timer_;
};

// openbox managing the virtual display for as long as it lives: windows get title bars, the
// keyboard focus and the manager's close, as on a desktop.
class WindowManager {
  public:
    // Starts openbox and waits until it manages the screen.
    WindowManager();
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;
    bool Started() const { return started_; }

  private:
    class Process;
    Process* process_;
    long pid_ = 0;
    bool started_ = false;
};

}  // namespace gui_test

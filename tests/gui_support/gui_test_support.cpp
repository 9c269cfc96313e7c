#include "gui_test_support.h"

#include <wx/process.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace gui_test {

bool PumpUntil(const std::function<bool()>& done, int milliseconds) {
    const wxLongLong end = wxGetLocalTimeMillis() + milliseconds;
    while (!done()) {
        if (wxGetLocalTimeMillis() > end) return false;
        wxYield();
        wxMilliSleep(10);
    }
    return true;
}

void SendCommand(wxWindow& window, int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(&window);
    window.ProcessWindowEvent(event);
}

void Screenshot(const std::string& name) {
    const char* folder = std::getenv("TIDEWARM_SCREENSHOTS");
    if (folder == nullptr) return;
    PumpUntil([] { return false; }, 500);  // every window painted
    // ImageMagick's import, installed by hand where screenshots are wanted.
    const wxString command = wxString("import -window root ") + folder + "/" + name + ".png";
    wxExecute(command, wxEXEC_SYNC | wxEXEC_NODISABLE);
}

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& function,
                  const wxString& condition, const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str(), line)
        << function << ": " << condition << " " << message.utf8_str();
}

// The modal windows of the whole run; never destroyed, as wx keeps its hooks until its end.
ModalWatch& AllModals() {
    static auto* watch = new ModalWatch;
    return *watch;
}

}  // namespace

void FailTestsOnAsserts() {
    wxSetAssertHandler(FailOnAssert);
    AllModals();
}

bool EndInnermostModal() {
    auto* innermost = AllModals().Open<wxDialog>(0);
    if (innermost == nullptr) return false;
    // Once ended it stays in the list until its loop has returned.
    if (innermost->IsModal()) innermost->EndModal(wxID_CANCEL);
    return true;
}

void RealInput(const std::string& xdotoolArguments) {
    const std::string command = "xdotool " + xdotoolArguments;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}

void ClickOn(const wxWindow& window) {
    const wxPoint middle = window.GetScreenRect().GetPosition() + window.GetSize() / 2;
    RealInput("mousemove --sync " + std::to_string(middle.x) + " " + std::to_string(middle.y) +
              " click 1");
}

void TypeInto(const wxWindow& edit, const std::string& text) {
    ClickOn(edit);
    RealInput("key ctrl+a type --delay 20 '" + text + "'");
}

int ModalWatch::Enter(wxDialog* dialog) {
    open_.push_back({dialog, wxGetLocalTimeMillis()});
    opened_.push_back(typeid(*dialog));
    return wxID_NONE;
}

void ModalWatch::Exit(wxDialog* dialog) {
    for (auto it = open_.begin(); it != open_.end(); ++it)
        if (it->dialog == dialog) {
            open_.erase(it);
            return;
        }
}

InputScript& InputScript::Then(std::function<bool()> ready, std::function<void()> act) {
    steps_.push_back({std::move(ready), std::move(act)});
    return *this;
}

bool InputScript::RunWith(const std::function<void()>& code) {
    next_ = 0;
    failed_ = false;
    waitingSince_ = wxGetLocalTimeMillis();
    timer_.Bind(wxEVT_TIMER, &InputScript::OnTick, this);
    timer_.Start(50);
    code();
    timer_.Stop();
    timer_.Unbind(wxEVT_TIMER, &InputScript::OnTick, this);
    return next_ == steps_.size();
}

void InputScript::OnTick(wxTimerEvent&) {
    // What is still open would hold the test: the modal windows are ended.
    if (failed_) {
        EndInnermostModal();
        return;
    }
    if (next_ >= steps_.size()) return;
    if (wxGetLocalTimeMillis() - waitingSince_ > 60000) {
        ADD_FAILURE() << "step " << next_ + 1 << " of " << steps_.size() << " waited in vain";
        Screenshot("step-waited-in-vain");
        failed_ = true;
        return;
    }
    if (!steps_[next_].ready()) return;
    steps_[next_].act();
    ++next_;
    waitingSince_ = wxGetLocalTimeMillis();
}

// openbox's process, whose end is seen.
class WindowManager::Process : public wxProcess {
  public:
    void OnTerminate(int, int) override { ended = true; }
    bool ended = false;
};

WindowManager::WindowManager() : process_(new Process) {
    // openbox runs its start-up command once it manages the screen.
    const std::filesystem::path ready = std::filesystem::temp_directory_path() / "wm-ready";
    std::filesystem::remove(ready);
    pid_ = wxExecute(wxString("openbox --sm-disable --startup 'touch ") + ready.string() + "'",
                     wxEXEC_ASYNC, process_);
    started_ = pid_ > 0 && PumpUntil([&] { return std::filesystem::exists(ready); });
    std::filesystem::remove(ready);
}

WindowManager::~WindowManager() {
    if (pid_ > 0) {
        wxKill(pid_, wxSIGTERM);
        PumpUntil([this] { return process_->ended; });
    }
    // A process still running deletes its object itself when it ends.
    if (pid_ <= 0 || process_->ended) delete process_;
}

}  // namespace gui_test

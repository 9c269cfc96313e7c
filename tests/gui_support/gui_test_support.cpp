#include "gui_test_support.h"

#include <cstdlib>

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

}  // namespace

void FailTestsOnAsserts() {
    wxSetAssertHandler(FailOnAssert);
}

}  // namespace gui_test

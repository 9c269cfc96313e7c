// The list windows' tests: a wx application started without its message loop, English texts,
// messages recorded; each test on a copy of the reference database. wx asserts fail the test.
#include <gtest/gtest.h>

#include <filesystem>

#include "database_maintenance.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "lists_test_support.h"
#include "temporary_home.h"
#include "user_interface.h"

namespace lists_test {

namespace {

class RecordedMessages : public MessageSink {
  public:
    void Show(std::string_view text, MessageKind) override { shown.emplace_back(text); }
    bool AskYesNo(std::string_view question, bool) override {
        shown.emplace_back(question);
        return true;
    }
    std::vector<std::string> shown;
};

RecordedMessages g_messages;

}  // namespace

void Click(wxWindow& window, int id) {
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(window.FindWindow(id));
    window.ProcessWindowEvent(event);
}

std::vector<std::string> TakeMessages() {
    return std::exchange(g_messages.shown, {});
}

void ListWindowTest::SetUp() {
    SetEnglishStrings(FrontEndEnglishStrings());
    DropFrenchStrings();
    g_nLanguage = Language::English;
    g_nUnits = UnitSystem::SI;
    g_strProgramFolder = TIDEWARM_BIN_DIR;
    const auto folder = std::filesystem::current_path() / "data";
    std::filesystem::create_directories(folder);
    g_strDatabasePath = (folder / "Tidewarm.mdb").string();
    std::filesystem::remove(g_strDatabasePath);
    ASSERT_TRUE(CopyReferenceDatabase(g_strDatabasePath));
    TakeMessages();
}

void Screenshot(const std::string& name) {
    const char* folder = std::getenv("TIDEWARM_SCREENSHOTS");
    if (folder == nullptr) return;
    PumpUntil([] { return false; }, 500);  // every window painted
    // ImageMagick's import, installed by hand where screenshots are wanted.
    const wxString command = wxString("import -window root ") + folder + "/" + name + ".png";
    wxExecute(command, wxEXEC_SYNC | wxEXEC_NODISABLE);
}

}  // namespace lists_test

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& function,
                  const wxString& condition, const wxString& message) {
    ADD_FAILURE_AT(file.utf8_str(), line)
        << function << ": " << condition << " " << message.utf8_str();
}

class TestApp : public wxApp {
  public:
    bool OnInit() override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
    const test::TemporaryHome home;
    testing::InitGoogleTest(&argc, argv);
    SetMessageSink(&lists_test::g_messages);
    wxApp::SetInstance(new TestApp);
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) return 1;
    wxSetAssertHandler(FailOnAssert);
    if (!wxTheApp->CallOnInit()) return 1;
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}

// The window tests' main for Tidewarm: in a HOME of its own, a data folder without database and
// with one generated weather file, the program started as a user starts it (the database created
// from the reference database when asked), the tests, and the program's end. wx asserts fail the
// test running. With TIDEWARM_LANGUAGE=1 the program starts in French (for the screenshots).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "folders.h"
#include "front_app.h"
#include "front_test_support.h"
#include "temporary_home.h"
#include "weather_files.h"

int main(int argc, char** argv) {
    const test::TemporaryHome home;
    testing::InitGoogleTest(&argc, argv);
    std::filesystem::remove_all(DataFolder());
    std::filesystem::create_directories(DataFolder() + "/Climate");
    synthetic::WeatherYear weather;
    weather.stationName = gui_test::kCity;
    if (!synthetic::WriteZefirFile(DataFolder() + "/Climate/Sample.zfw", weather)) return 1;

    // French pictures: the language a user chose, as the configuration file keeps it.
    const char* language = std::getenv("TIDEWARM_LANGUAGE");
    if (language != nullptr && *language == '1')
        std::ofstream(DataFolder() + "/Tidewarm.cfg") << "TIDEWARM 3.0\n0\n"
                                                      << DataFolder() << "/Tidewarm.mdb\n"
                                                      << DataFolder() << "/Climate\n0\nFra\n";

    wxApp::SetInstance(new CFrontApp);
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) return 1;
    gui_test::FailTestsOnAsserts();
    bool started = false;
    wxTEST_DIALOG(started = wxTheApp->CallOnInit(),
                  wxExpectModal<wxMessageDialog>(wxID_YES).Describe("create the database"));
    if (!started) return 1;

    const int result = RUN_ALL_TESTS();

    for (wxWindow* window : wxTopLevelWindows) window->Destroy();
    wxYield();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}

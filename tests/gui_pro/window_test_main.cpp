// The window tests' main: the program's start-up, then the windowed application started without
// its message loop, the tests, and the application's end. wx asserts fail the test running.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include "application.h"
#include "folders.h"
#include "main_frame.h"
#include "program_config.h"
#include "program_language.h"
#include "simulator_strings.h"
#include "temporary_home.h"
#include "tidewarm_app.h"
#include "user_interface.h"
#include "weather_files.h"
#include "window_test_support.h"
#include "wx_headers.h"

namespace gui_test {

void WriteProject(const std::filesystem::path& path, int days) {
    ASSERT_TRUE(synthetic::WriteZefirFile("weather.zfw", synthetic::WeatherYear{}));
    CTidewarmDoc project;
    project.WeatherSource = kWeatherBinary;
    project.binaryWeatherReader.SetFileName("weather.zfw");
    project.sun.SetParameters(45.5 * std::numbers::pi / 180, 0, 0, 0);
    project.StartDay = 172;
    project.NumDays = days;
    ASSERT_EQ(SaveProjectFile(project, path.string()), 0);
}

namespace {
int projectsOpenAtStart = -1;
}

int ProjectsOpenAtStart() {
    return projectsOpenAtStart;
}

}  // namespace gui_test

int main(int argc, char** argv) {
    const test::TemporaryHome home;
    testing::InitGoogleTest(&argc, argv);
    std::string problem;
    if (!StartProgram(false, ProgramFolder(), DataFolder(), &problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    // The tests read the English texts, whatever the configuration file says.
    app::Language = app::PendingLanguage = Language::English;
    DropFrenchStrings();

    // Started as "TidewarmPro Tidewarm.tdw", with a project of that name in the data folder,
    // which start-up made the current folder.
    gui_test::WriteProject(gui_test::kCommandLineProject);
    wxApp::SetInstance(new CTidewarmApp);
    int wxArgc = 2;
    char projectName[sizeof gui_test::kCommandLineProject];
    std::strcpy(projectName, gui_test::kCommandLineProject);
    char* wxArgv[] = {argv[0], projectName, nullptr};
    if (!wxEntryStart(wxArgc, wxArgv)) return 1;
    gui_test::FailTestsOnAsserts();
    if (!wxTheApp->CallOnInit()) return 1;
    gui_test::projectsOpenAtStart = static_cast<int>(TheApp().DocManager().GetDocuments().size());

    const int result = RUN_ALL_TESTS();

    TheApp().DocManager().CloseDocuments(true);
    TheApp().MainFrame().Destroy();
    wxYield();
    const Language chosen = app::PendingLanguage;
    wxTheApp->OnExit();
    wxEntryCleanup();
    // The program's end writes the language chosen for the next start.
    ReadConfig(g_strDataFolder);
    if (app::PendingLanguage != chosen) {
        std::fprintf(stderr, "TidewarmPro.cfg does not hold the language chosen (%s)\n",
                     std::string(LanguageWord(chosen)).c_str());
        return 1;
    }
    return result;
}

// tidewarm-sizing RUN_ID: the sizing study of a run of the data folder's database, without a
// display. The table goes to standard output as CSV, the answers and every reason to standard
// error; the exit status is 0 only when the study was done. The database is only read: no
// lock is taken from a front end that has it open, and nothing is compacted or stored.
#include <filesystem>
#include <iostream>
#include <string>

#include "city_list.h"
#include "folders.h"
#include "frontend_config.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "locale_language.h"
#include "sizing_command.h"
#include "sizing_texts.h"
#include "user_interface.h"

namespace {

// The front end's folders, language and weather cities, as it starts; false after the reason
// when there is no database to read.
bool SetUp() {
    const std::string dataFolder = DataFolder();
    SetupPaths(dataFolder, ProgramFolder());
    ReadFrontEndConfig(dataFolder);
    // Without its French texts the command speaks English.
    if (!SetUpStrings(FrontEndEnglishStrings(), g_nLanguage, g_strProgramFolder,
                      kFrontEndFrenchLibrary))
        g_nLanguage = Language::English;
    std::error_code error;
    if (!std::filesystem::is_regular_file(g_strDatabasePath, error)) {
        ShowMessage(FormatResString(kStrNoDatabase, g_strDatabasePath));
        return false;
    }
    LoadCityList();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (argc == 2 && (first == "--help" || first == "-h")) {
        // Without its French texts the help is in English.
        static_cast<void>(SetUpStrings(FrontEndEnglishStrings(), UserLocaleLanguage(),
                                       ProgramFolder(), kFrontEndFrenchLibrary));
        std::cout << LoadResString(kStrSizingUsage) << "\n";
        return 0;
    }
    try {
        if (!SetUp()) return 1;
        const std::optional<int> runId = argc == 2 ? ParseRunNumber(first) : std::nullopt;
        if (!runId) {
            ShowMessage(argc == 2 ? FormatResString(kStrNotARunNumber, first)
                                  : LoadResString(kStrSizingUsage));
            return 2;
        }
        return PrintSizingStudy(*runId, std::cout, std::cerr);
    } catch (const std::exception& error) {
        ShowMessage(error.what());
        return 1;
    }
}

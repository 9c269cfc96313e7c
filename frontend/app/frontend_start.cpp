#include "frontend_start.h"

#include "city_list.h"
#include "database_maintenance.h"
#include "folders.h"
#include "frontend_config.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "user_interface.h"

bool StartFrontEnd(const std::string& programFolder, const std::string& dataFolder) {
    SetupPaths(dataFolder, programFolder);
    std::string problem;
    const bool folderReady = SetUpDataFolder(dataFolder, programFolder, &problem);
    ReadFrontEndConfig(dataFolder);
    if (!SetUpStrings(FrontEndEnglishStrings(), g_nLanguage, programFolder,
                      kFrontEndFrenchLibrary) &&
        g_nLanguage == 1) {
        // Without its texts the program would be French only in part (reports, help, months):
        // it runs in English this time, and the configuration keeps French for the next start.
        g_nLanguage = 0;
        ShowMessage(FormatResString(kStrFrenchTextsMissing,
                                    FrenchStringFile(programFolder, kFrontEndFrenchLibrary)));
    }
    if (!folderReady) ShowMessage(FormatResString(kStrCannotSetUpDataFolder, problem));
    if (OpenDatabase(1) != 1) {
        ShowMessage(FormatResString(kStrCannotOpenDatabaseAbort, g_strDatabasePath));
        return false;
    }
    LoadCityList();
    return true;
}

bool EndFrontEnd(const std::string& dataFolder) {
    return WriteFrontEndConfig(dataFolder);
}

#include "frontend_start.h"

#include <chrono>

#include "city_list.h"
#include "data_folder_files.h"
#include "database_lock.h"
#include "database_maintenance.h"
#include "file_lock.h"
#include "folders.h"
#include "frontend_config.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "run_report.h"
#include "user_interface.h"

namespace {

// True when another front end works on the database: this one leaves everything to it, its
// configuration file too.
bool g_databaseInUse = false;

// A simulation killed with its front end leaves the temporaries of the files it was writing;
// they are removed while no simulation holds the data folder.
void RemoveKilledSimulationTemporaries(const std::string& dataFolder) {
    FileLock lock;
    if (lock.Acquire(SimulationLockPath(dataFolder), std::chrono::milliseconds(0)) ==
        FileLock::Outcome::kHeld)
        RemoveSimulationTemporaries(dataFolder);
}

}  // namespace

bool StartFrontEnd(const std::string& programFolder, const std::string& dataFolder,
                   const std::function<void(Language)>& useLanguage) {
    ResetFrontEndState();
    g_databaseInUse = false;
    SetupPaths(dataFolder, programFolder);
    const std::optional<Problem> folderProblem = SetUpDataFolder(dataFolder, programFolder);
    ReadFrontEndConfig(dataFolder);
    const bool stringsRead =
        SetUpStrings(FrontEndEnglishStrings(), g_nLanguage, programFolder, kFrontEndFrenchLibrary);
    // Without its texts the program would be French only in part (reports, help, months): it
    // runs in English this time, and the configuration keeps French for the next start.
    const bool frenchMissing = !stringsRead && g_nLanguage == Language::French;
    if (frenchMissing) g_nLanguage = Language::English;
    if (useLanguage) useLanguage(g_nLanguage);
    if (frenchMissing)
        ShowMessage(FormatResString(kStrFrenchTextsMissing,
                                    FrenchStringFile(programFolder, kFrontEndFrenchLibrary)));
    if (folderProblem)
        ShowMessage(FormatResString(kStrCannotSetUpDataFolder, folderProblem->message));
    RemoveReportLeftovers(dataFolder);
    RemoveKilledSimulationTemporaries(dataFolder);
    if (HeldDatabaseLock().Take(g_strDatabasePath) == DatabaseLock::Outcome::kInUse) {
        g_databaseInUse = true;
        ShowMessage(FormatResString(kStrDatabaseInUse, g_strDatabasePath));
        return false;
    }
    if (!OpenDatabase(true)) {
        ShowMessage(FormatResString(kStrCannotOpenDatabaseAbort, g_strDatabasePath));
        return false;
    }
    LoadCityList();
    return true;
}

bool EndFrontEnd(const std::string& dataFolder) {
    if (g_databaseInUse) return true;
    const bool written = WriteFrontEndConfig(dataFolder);
    HeldDatabaseLock().Release();
    return written;
}

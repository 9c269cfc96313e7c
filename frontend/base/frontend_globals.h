// The front end's state shared between its parts: folders, settings of the configuration file,
// the wizard's entries and the weather-city list, all members of one `FrontEndState`. One
// user-interface thread uses them; they need no locking. The globals below are its members under
// the names the rest of the program uses. `ResetFrontEndState` gives them all their values at
// program start.
#pragma once

#include <string>
#include <vector>

#include "display_units.h"
#include "language.h"

// How the input form gets its run: an existing run, a new run from scratch, or a new run copied
// from a model run.
enum class RunCreationMode { Existing, New, Copy };

struct FrontEndState {
    // Folder of the running program file: TidewarmPro, the reference database, the report
    // templates and the French string file are there.
    std::string programFolder;
    // The database file and the weather-file folder (configuration lines 3 and 4).
    std::string databasePath;
    std::string climateFolder;

    // Client and installer typed in the wizard, stored when it finishes.
    std::string newClientName, newClientInfo;
    std::string newInstallerName, newInstallerInfo;

    // The weather files of the climate folder (names without folder) and the city of each, at
    // the same positions.
    std::vector<std::string> weatherFileNames;
    std::vector<std::string> cityNames;

    // Unit system of new runs and objects (configuration line 2).
    UnitSystem units = UnitSystem::SI;
    // The current run; -1 none or not yet saved (configuration line 5).
    int currentRunId = 0;
    // Language in force, and the one chosen for the next start (line 6).
    Language language = Language::English;
    Language newLanguage = Language::English;
    RunCreationMode runCreationMode = RunCreationMode::Existing;
    // 1 when the wizard entered a new client or installer.
    int newClient = 0;
    int newInstaller = 0;
};

inline FrontEndState g_frontEnd;

inline std::string& g_strProgramFolder = g_frontEnd.programFolder;
inline std::string& g_strDatabasePath = g_frontEnd.databasePath;
inline std::string& g_strClimateFolder = g_frontEnd.climateFolder;
inline std::string& g_strNewClientName = g_frontEnd.newClientName;
inline std::string& g_strNewClientInfo = g_frontEnd.newClientInfo;
inline std::string& g_strNewInstallerName = g_frontEnd.newInstallerName;
inline std::string& g_strNewInstallerInfo = g_frontEnd.newInstallerInfo;
inline std::vector<std::string>& g_WeatherFileNames = g_frontEnd.weatherFileNames;
inline std::vector<std::string>& g_CityNames = g_frontEnd.cityNames;
inline UnitSystem& g_nUnits = g_frontEnd.units;
inline int& g_nCurrentRunId = g_frontEnd.currentRunId;
inline Language& g_nLanguage = g_frontEnd.language;
inline Language& g_nNewLanguage = g_frontEnd.newLanguage;
inline RunCreationMode& g_nRunCreationMode = g_frontEnd.runCreationMode;
inline int& g_bNewClient = g_frontEnd.newClient;
inline int& g_bNewInstaller = g_frontEnd.newInstaller;

// Every member as at program start: the start calls it first, so does each test that uses them,
// so nothing an earlier run or test left behind counts.
inline void ResetFrontEndState() {
    g_frontEnd = FrontEndState{};
}

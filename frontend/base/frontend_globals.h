// The front end's state shared between its parts: folders, settings of the configuration file,
// the wizard's entries and the weather-city list. One user-interface thread uses them; they need
// no locking. `ResetFrontEndState` gives them all their values at program start.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Folder of the running program file: TidewarmPro, the reference database, the report
// templates and the French string file are there.
inline std::string g_strProgramFolder;
// The database file and the weather-file folder (configuration lines 3 and 4).
inline std::string g_strDatabasePath;
inline std::string g_strClimateFolder;

// Client and installer typed in the wizard, stored when it finishes.
inline std::string g_strNewClientName, g_strNewClientInfo;
inline std::string g_strNewInstallerName, g_strNewInstallerInfo;

// The weather files of the climate folder (names without folder) and the city of each, at the
// same positions.
inline std::vector<std::string> g_WeatherFileNames;
inline std::vector<std::string> g_CityNames;

// Object type 0..5 -> table word; with "Id" appended it names the table's Id column.
inline constexpr std::array<std::string_view, 6> g_ObjectTypeNames = {
    "Client", "Installer", "PoolUse", "Collector", "Heater", "Blanket"};

// Unit system of new runs and objects: 0 SI, 1 IP (configuration line 2).
inline int g_nUnits = 0;
// The current run; -1 none or not yet saved (configuration line 5).
inline int g_nCurrentRunId = 0;
// Language in force (0 English, 1 French), and the one chosen for the next start (line 6).
inline int g_nLanguage = 0;
inline int g_nNewLanguage = 0;
// How the input form gets its run: 0 an existing run, 1 a new run from scratch, 2 a new run
// copied from a model run.
inline int g_nRunCreationMode = 0;
// 1 when the wizard entered a new client or installer.
inline int g_bNewClient = 0;
inline int g_bNewInstaller = 0;

// Every value above as at program start: the start calls it first, so does each test that uses
// them, so nothing an earlier run or test left behind counts.
void ResetFrontEndState();

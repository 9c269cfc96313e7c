// Start-up of the simulation program: folders, data folder, language and strings.
#include "application.h"

#include "config_file.h"
#include "folders.h"
#include "simulator_strings.h"
#include "string_table.h"

bool StartProgram(bool batch, const std::string& programFolder, const std::string& dataFolder,
                  std::string* problem) {
    g_strProgramFolder = programFolder;
    g_strDataFolder = dataFolder;
    g_nBatchMode = batch ? 1 : 0;
    const bool ready = SetUpDataFolder(dataFolder, programFolder, problem);
    if (batch) {
        app::Language = app::PendingLanguage = 0;
    } else {
        ReadConfig(dataFolder);
    }
    SetUpStrings(SimulatorEnglishStrings(), app::Language, programFolder, kSimulatorFrenchLibrary);
    return ready;
}

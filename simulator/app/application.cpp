// Start-up of the simulation program: folders, data folder, language and strings.
#include "application.h"

#include "folders.h"
#include "program_config.h"
#include "simulator_strings.h"
#include "string_table.h"

namespace {

void AddMessage(std::string* messages, const std::string& message) {
    if (messages == nullptr) return;
    if (!messages->empty()) *messages += "\n\n";
    *messages += message;
}

}  // namespace

bool StartProgram(bool batch, const std::string& programFolder, const std::string& dataFolder,
                  std::string* messages) {
    g_strProgramFolder = programFolder;
    g_strDataFolder = dataFolder;
    g_nBatchMode = batch ? 1 : 0;
    const std::optional<Problem> folderProblem = SetUpDataFolder(dataFolder, programFolder);
    if (batch) {
        app::Language = app::PendingLanguage = Language::English;
    } else {
        ReadConfig(dataFolder);
    }
    if (!SetUpStrings(SimulatorEnglishStrings(), app::Language, programFolder,
                      kSimulatorFrenchLibrary) &&
        app::Language == Language::French) {
        // Without its texts the program would be French only in part (the text report, help):
        // it runs in English this time, and the configuration keeps French for the next start.
        app::Language = Language::English;
        AddMessage(messages,
                   FormatResString(kStrFrenchTextsMissing,
                                   FrenchStringFile(programFolder, kSimulatorFrenchLibrary)));
    }
    if (folderProblem)
        AddMessage(messages, FormatResString(kStrCannotSetUpDataFolder, folderProblem->message));
    return !folderProblem;
}

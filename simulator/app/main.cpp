// TidewarmPro: with "-batch" it runs the front end's run from the data folder without any
// window (and without a display), loading no windowing library; otherwise it loads its windows,
// the module beside the program file, which open the main frame with no project.
#include <string>

#include "application.h"
#include "batch_mode.h"
#include "command_line.h"
#include "data_folder_files.h"
#include "folders.h"
#include "simulator_strings.h"
#include "user_interface.h"
#include "windows_module.h"

int main(int argc, char** argv) {
    // Batch mode is decided before anything else starts.
    const bool batch = IsBatchCommandLine(argc, argv);
    std::string unloaded;
    if (!batch) {
        const std::variant<WindowsEntry, Problem> windows = LoadWindows(ProgramFolder());
        if (const WindowsEntry* entry = std::get_if<WindowsEntry>(&windows))
            return (*entry)(argc, argv);
        unloaded = std::get<Problem>(windows).message;
    }
    std::string startMessage;
    // A data folder not prepared is told in the start's message; a batch run then fails on the
    // files it cannot reach.
    static_cast<void>(StartProgram(batch, ProgramFolder(), DataFolder(), &startMessage));
    if (!startMessage.empty()) ShowMessage(startMessage);
    if (batch) return RunBatchProgram();
    // A build without windows, or a module that does not load.
    ShowMessage(FormatResString(kStrNeedsDesktopBuild,
                                g_strDataFolder + "/" + std::string(kBatchInputFileName)) +
                "\n" + unloaded);
    return 2;
}

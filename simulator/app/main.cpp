// TidewarmPro: with "-batch" it runs the front end's run from the data folder without any
// window; the interactive program needs the desktop build.
#include <string>

#include "application.h"
#include "batch_input.h"
#include "batch_mode.h"
#include "command_line.h"
#include "folders.h"
#include "simulator_strings.h"
#include "user_interface.h"

int main(int argc, char** argv) {
    // Batch mode is decided before anything else starts.
    const bool batch = IsBatchCommandLine(argc, argv);
    std::string problem;
    const bool ready = StartProgram(batch, ProgramFolder(), DataFolder(), &problem);
    if (!ready) ShowMessage(FormatResString(kStrCannotSetUpDataFolder, problem));
    if (!batch) {
        ShowMessage(FormatResString(kStrNeedsDesktopBuild,
                                    g_strDataFolder + "/" + std::string(kBatchInputFileName)));
        return 2;
    }
    return RunBatchProgram();
}

// TidewarmPro: with "-batch" it runs the front end's run from the data folder without any
// window (and without a display); otherwise it opens its main frame, and the project named on
// the command line.
#include <string>

#include "application.h"
#include "batch_input.h"
#include "batch_mode.h"
#include "command_line.h"
#include "folders.h"
#include "simulator_strings.h"
#include "user_interface.h"
#ifdef TIDEWARM_WITH_WINDOWS
#include "tidewarm_app.h"
#endif

int main(int argc, char** argv) {
    // Batch mode is decided before anything else starts.
    const bool batch = IsBatchCommandLine(argc, argv);
    std::string startMessage;
    StartProgram(batch, ProgramFolder(), DataFolder(), &startMessage);
    if (batch) {
        if (!startMessage.empty()) ShowMessage(startMessage);
        return RunBatchProgram();
    }
#ifdef TIDEWARM_WITH_WINDOWS
    return RunWindowedProgram(argc, argv, startMessage);
#else
    if (!startMessage.empty()) ShowMessage(startMessage);
    ShowMessage(FormatResString(kStrNeedsDesktopBuild,
                                g_strDataFolder + "/" + std::string(kBatchInputFileName)));
    return 2;
#endif
}

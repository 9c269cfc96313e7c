// The entry of the windows module "TidewarmProGui.so", which the program file loads for an
// interactive start: the program's start-up (folders, data folder, configuration, language),
// then the windows until the main frame closes. The module holds its own copy of the program's
// GUI-free layers and exports nothing else.
#include <string>
#include <utility>

#include "application.h"
#include "folders.h"
#include "simulator_strings.h"
#include "tidewarm_app.h"

extern "C" [[gnu::visibility("default")]] int TidewarmProRunWindows(int argc, char** argv) {
    std::string startMessage;
    // Without a data folder the windows still open, and show why first.
    static_cast<void>(StartProgram(false, ProgramFolder(), DataFolder(), &startMessage));
    return RunWindowedProgram(argc, argv, std::move(startMessage));
}

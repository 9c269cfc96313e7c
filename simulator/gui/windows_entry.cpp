// The entry of the windows module "TidewarmProGui.so", which the program file loads for an
// interactive start: the program's start-up (folders, data folder, configuration, language),
// then the windows until the main frame closes. The module holds its own copy of the program's
// GUI-free layers and exports nothing else but the identity of its build.
#include <cstdlib>
#include <string>
#include <utility>

#include "application.h"
#include "build_identity.h"
#include "build_identity_value.h"
#include "folders.h"
#include "simulator_strings.h"
#include "tidewarm_app.h"
#include "user_interface.h"

namespace {

// Exit code of a start whose windows cannot open.
constexpr int kNoWindowsExitCode = 2;

// Whether the environment names a display for GTK to open (X or Wayland).
bool DisplayNamed() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

// The build the module comes from, checked by the program file before it calls the entry.
extern "C" [[gnu::visibility("default")]] const char* TidewarmBuildIdentity() {
    return kBuildIdentity;
}

extern "C" [[gnu::visibility("default")]] int TidewarmProRunWindows(int argc, char** argv) {
    std::string startMessage;
    // Without a data folder the windows still open, and show why first.
    static_cast<void>(StartProgram(false, ProgramFolder(), DataFolder(), &startMessage));
    if (!DisplayNamed()) {
        // GTK would end the program with its own error, wx would try a message box: the reason
        // goes to standard error instead, where a start from a terminal shows it.
        if (!startMessage.empty()) ShowMessage(startMessage);
        ShowMessage(LoadResString(kStrNeedsDisplay));
        return kNoWindowsExitCode;
    }
    return RunWindowedProgram(argc, argv, std::move(startMessage));
}

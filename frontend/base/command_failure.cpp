#include "command_failure.h"

#include "frontend_strings.h"
#include "user_interface.h"

void ShowCommandFailure() {
    ShowMessage(FormatResString(kStrCommandFailed, CurrentExceptionText()));
}

bool RunCommand(const std::function<bool()>& command) {
    try {
        return command();
    } catch (...) {
        ShowCommandFailure();
        return false;
    }
}

// A command that fails on the database (a locked or damaged file, a missing table) or on any other
// thrown failure ends with a message that names the failure; the program goes on.
#pragma once

#include <functional>

// Shows the exception being handled as the failure of the current command (message 420 with the
// exception's text). Call only inside a catch block.
void ShowCommandFailure();

// Runs `command` and gives its result; when it throws, the failure is shown and false returned.
// A caller that goes on the same way either way casts the result to void.
[[nodiscard]] bool RunCommand(const std::function<bool()>& command);

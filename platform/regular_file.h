// Files named by the user or a configuration file are opened only when they are regular files:
// opening a FIFO waits until some program writes to it, and a device may never end.
#pragma once

#include <optional>
#include <string>

#include "problem.h"

// Why `path` is refused when something other than a regular file stands there (a FIFO, a
// device, a folder, a socket), found without opening it. Nothing when it is a regular file or
// when nothing stands there: opening it then says what is wrong.
[[nodiscard]] std::optional<Problem> NotARegularFile(const std::string& path);

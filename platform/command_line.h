// The command line of the simulation program.
#pragma once

// True when the first argument starts with "-batch" (a longer word that begins with it counts
// too): the program then runs one simulation for the front end without any window.
[[nodiscard]] bool IsBatchCommandLine(int argc, const char* const* argv);

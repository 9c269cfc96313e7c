// The program's windows are a shared module beside the program file, loaded only for an
// interactive start: a batch run never loads wx, GTK or the display libraries they bring, and
// starts in the time of a program without windows.
#pragma once

#include <string>
#include <variant>

#include "problem.h"

// The module, in the program folder.
inline constexpr char kWindowsModuleName[] = "TidewarmProGui.so";
// Its entry, `extern "C" int TidewarmProRunWindows(int argc, char** argv)`: the interactive
// program from its start-up to its end; its exit code.
inline constexpr char kWindowsEntryName[] = "TidewarmProRunWindows";
using WindowsEntry = int (*)(int argc, char** argv);

// Loads the module of `programFolder` and finds its entry; the loader's reason when the module is
// missing or cannot be loaded.
[[nodiscard]] std::variant<WindowsEntry, Problem> LoadWindows(const std::string& programFolder);

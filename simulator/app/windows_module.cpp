#include "windows_module.h"

#include "shared_module.h"

std::variant<WindowsEntry, Problem> LoadWindows(const std::string& programFolder) {
    return LoadModuleEntry<WindowsEntry>(programFolder + "/" + kWindowsModuleName,
                                         kWindowsEntryName);
}

#include "windows_module.h"

#include "shared_module.h"

WindowsEntry LoadWindows(const std::string& programFolder, std::string* problem) {
    return reinterpret_cast<WindowsEntry>(
        LoadModuleEntry(programFolder + "/" + kWindowsModuleName, kWindowsEntryName, problem));
}

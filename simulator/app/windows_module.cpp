#include "windows_module.h"

#include <dlfcn.h>

WindowsEntry LoadWindows(const std::string& programFolder, std::string* problem) {
    const std::string path = programFolder + "/" + kWindowsModuleName;
    // Every symbol is resolved now, so a module that does not fit fails here with its reason
    // and not later in the middle of a window. The module stays loaded to the program's end.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        *problem = dlerror();
        return nullptr;
    }
    void* entry = dlsym(module, kWindowsEntryName);
    if (entry == nullptr) {
        *problem = dlerror();
        dlclose(module);
        return nullptr;
    }
    return reinterpret_cast<WindowsEntry>(entry);
}

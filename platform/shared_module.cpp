#include "shared_module.h"

#include <dlfcn.h>

void* LoadModuleEntry(const std::string& path, const char* entryName, std::string* problem) {
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        *problem = dlerror();
        return nullptr;
    }
    void* entry = dlsym(module, entryName);
    if (entry == nullptr) {
        *problem = dlerror();
        dlclose(module);
    }
    return entry;
}

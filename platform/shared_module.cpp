#include "shared_module.h"

#include <dlfcn.h>

std::variant<void*, Problem> LoadModuleSymbol(const std::string& path, const char* entryName) {
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) return Problem{dlerror()};
    void* entry = dlsym(module, entryName);
    if (entry != nullptr) return entry;
    Problem problem{dlerror()};
    dlclose(module);
    return problem;
}

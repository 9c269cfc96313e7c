#include "shared_module.h"

#include <dlfcn.h>

#include <cstring>

#include "build_identity.h"

namespace {

using IdentityFunction = const char* (*)();

// Why the loaded `module` may not be used: empty when it comes from this build.
std::string ForeignBuild(void* module, const std::string& path) {
    const auto identity = reinterpret_cast<IdentityFunction>(dlsym(module, kBuildIdentitySymbol));
    if (identity == nullptr) return path + ": not a module of this program (no build identity)";
    if (std::strcmp(identity(), BuildIdentity()) == 0) return {};
    return path + ": a module of another build (" + identity() + "), not of this program's (" +
           BuildIdentity() + ")";
}

}  // namespace

std::variant<void*, Problem> LoadModuleSymbol(const std::string& path, const char* entryName) {
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) return Problem{dlerror()};
    Problem problem{ForeignBuild(module, path)};
    if (problem.message.empty()) {
        void* entry = dlsym(module, entryName);
        if (entry != nullptr) return entry;
        problem.message = dlerror();
    }
    dlclose(module);
    return problem;
}

#include "kill_at_rename.h"

#include <dlfcn.h>

#include <atomic>
#include <csignal>
#include <cstdio>

namespace {

std::atomic<int> g_renamesLeft{0};

}  // namespace

void test::KillAtRename(int n) {
    g_renamesLeft = n;
}

// Stands in for the C library's rename in the test program, the C++ library's calls included.
extern "C" int rename(const char* from, const char* to) noexcept {
    if (g_renamesLeft > 0 && --g_renamesLeft == 0) std::raise(SIGKILL);
    using Rename = int (*)(const char*, const char*);
    static const auto next = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
    return next(from, to);
}

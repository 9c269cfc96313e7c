// The libFuzzer program of one target, named by TIDEWARM_FUZZ_TARGET at build time. It works in
// a folder of its own under the temporary folder, where the entries write their files.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz_targets.h"

namespace {

const fuzz::Target* g_target = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    g_target = fuzz::FindTarget(TIDEWARM_FUZZ_TARGET);
    if (g_target == nullptr) std::abort();
    std::string folder = (std::filesystem::temp_directory_path() / "tidewarm-fuzz-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) std::abort();
    std::filesystem::current_path(folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    g_target->entry(fuzz::Bytes(data, size));
    return 0;
}

// Every stored seed and crash reproducer of the fuzz targets, run through its target's entry: a
// reader that once crashed on a file must keep reading it soundly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "fuzz_targets.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const fs::path kFuzzDir = TIDEWARM_FUZZ_DIR;

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    if (fs::is_directory(folder))
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file()) files.push_back(entry.path());
    return files;
}

std::vector<std::uint8_t> Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> TargetNames() {
    std::vector<std::string> names;
    for (const fuzz::Target& target : fuzz::Targets()) names.emplace_back(target.name);
    return names;
}

class Replay : public ::testing::TestWithParam<std::string> {};

TEST_P(Replay, SeedsAndReproducersReadSoundly) {
    const std::string& name = GetParam();
    const fuzz::Target& target = *fuzz::FindTarget(name);
    const std::vector<fs::path> seeds = FilesIn(kFuzzDir / "seeds" / name);
    EXPECT_FALSE(seeds.empty()) << "no seed for " << name;
    std::vector<fs::path> inputs = FilesIn(kFuzzDir / "reproducers" / name);
    inputs.insert(inputs.end(), seeds.begin(), seeds.end());
    for (const fs::path& input : inputs) {
        SCOPED_TRACE(input.string());
        test::ScopedTempDir dir;
        const std::vector<std::uint8_t> bytes = Bytes(input);
        target.entry(fuzz::Bytes(bytes.data(), bytes.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, Replay, ::testing::ValuesIn(TargetNames()),
                         [](const auto& test) { return test.param; });

// A folder of seeds or reproducers names a target: nothing stored goes unreplayed.
TEST(FuzzFolders, EveryFolderNamesATarget) {
    for (const char* kind : {"seeds", "reproducers"}) {
        if (!fs::is_directory(kFuzzDir / kind)) continue;
        for (const fs::directory_entry& entry : fs::directory_iterator(kFuzzDir / kind)) {
            if (!entry.is_directory()) continue;
            EXPECT_NE(fuzz::FindTarget(entry.path().filename().string()), nullptr) << entry.path();
        }
    }
}

}  // namespace

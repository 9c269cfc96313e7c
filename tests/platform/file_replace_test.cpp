#include "file_replace.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

namespace fs = std::filesystem;

namespace {

mode_t PermissionsOf(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

// Sets the umask for one test and gives the old one back.
class ScopedUmask {
  public:
    explicit ScopedUmask(mode_t mask) : previous_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(previous_); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

  private:
    mode_t previous_;
};

// A new file gets what the umask leaves of 0666, like any other output; a replaced file keeps
// the permissions its owner gave it.
TEST(ReplaceFileContents, NewFilesTakeTheUmaskReplacedFilesKeepTheirMode) {
    test::ScopedTempDir dir;
    const fs::path file = dir.path() / "Tidewarm.lis";
    {
        ScopedUmask mask(022);
        ASSERT_EQ(ReplaceFileContents(file.string(), "first\n"), std::nullopt);
        EXPECT_EQ(PermissionsOf(file), 0644u);
    }
    {
        ScopedUmask mask(027);
        const fs::path other = dir.path() / "Tidewarm.cfg";
        ASSERT_EQ(ReplaceFileContents(other.string(), "x"), std::nullopt);
        EXPECT_EQ(PermissionsOf(other), 0640u);

        ASSERT_EQ(::chmod(file.c_str(), 0604), 0);
        ASSERT_EQ(ReplaceFileContents(file.string(), "second\n"), std::nullopt);
        EXPECT_EQ(PermissionsOf(file), 0604u);
        EXPECT_EQ(test::ReadFile(file), "second\n");
    }
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2);  // no temporary left beside them

    // A file that cannot be written is reported with the system's reason.
    const auto refused = ReplaceFileContents((dir.path() / "missing" / "x").string(), "x");
    ASSERT_NE(refused, std::nullopt);
    EXPECT_EQ(refused->message, std::strerror(ENOENT));
}

// What a stopped writer of one file left is removed; other files, and the file itself, stay.
TEST(RemoveTemporaryFiles, RemovesOnlyTheTemporariesOfThatFile) {
    test::ScopedTempDir dir;
    const fs::path file = dir.path() / "Tidewarm.mly";
    for (const char* name : {"Tidewarm.mly", "Tidewarm.mly.part", "Tidewarm.mly.123-4.part",
                             "Tidewarm.mlx.part", "Tidewarm.mly.bak", "Other.mly.part"})
        test::WriteFile(dir.path() / name, "x");
    RemoveTemporaryFiles(file.string());
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Other.mly.part", "Tidewarm.mlx.part", "Tidewarm.mly",
                                              "Tidewarm.mly.bak"}));
}

}  // namespace

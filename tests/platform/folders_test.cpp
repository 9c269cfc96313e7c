#include "folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "scoped_environment.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

TEST(FolderOfPath, CutsAtTheLastSlash) {
    EXPECT_EQ(FolderOfPath("/usr/local/bin/TidewarmPro"), "/usr/local/bin");
    EXPECT_EQ(FolderOfPath("/TidewarmPro"), "");
    EXPECT_EQ(FolderOfPath("TidewarmPro"), "TidewarmPro");
}

TEST(ProgramFolder, IsTheFolderTheBuildPutsTheProgramsIn) {
    EXPECT_EQ(fs::path(ProgramFolder()), fs::canonical(TIDEWARM_BIN_DIR));
    EXPECT_NE(ProgramFolder().back(), '/');
}

// A temporary home with an empty configuration folder of its own.
class DocumentsFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home = dir.path() / "home";
        config = dir.path() / "config";
        fs::create_directories(home);
        fs::create_directories(config);
        env.Set("HOME", home.string());
        env.Set("XDG_CONFIG_HOME", config.string());
    }
    void WriteUserDirs(const fs::path& folder, const std::string& text) {
        fs::create_directories(folder);
        test::WriteFile(folder / "user-dirs.dirs", text);
    }

    test::ScopedTempDir dir;
    test::ScopedEnvironment env;
    fs::path home, config;
};

TEST_F(DocumentsFolderTest, WithoutUserDirsFileItIsDocumentsInHome) {
    EXPECT_EQ(DocumentsFolder(), home.string() + "/Documents");
    EXPECT_EQ(DataFolder(), home.string() + "/Documents/Tidewarm");
    env.Set("HOME", home.string() + "/");
    EXPECT_EQ(DocumentsFolder(), home.string() + "/Documents");
}

TEST_F(DocumentsFolderTest, UserDirsFileWithHomeExpandedAndQuotesRemoved) {
    WriteUserDirs(config,
                  "# written by xdg-user-dirs-update\n"
                  "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
                  "XDG_DOCUMENTS_DIR=\"$HOME/Mes documents\"\r\n"
                  "XDG_MUSIC_DIR=\"$HOME/Musique\"\n");
    EXPECT_EQ(DocumentsFolder(), home.string() + "/Mes documents");
    EXPECT_EQ(DataFolder(), home.string() + "/Mes documents/Tidewarm");
}

TEST_F(DocumentsFolderTest, AbsoluteFolderAndLastAssignmentCounts) {
    WriteUserDirs(config,
                  "XDG_DOCUMENTS_DIR=\"$HOME/Old\"\n"
                  "XDG_DOCUMENTS_DIR=\"/srv/papers/\"\n");
    EXPECT_EQ(DocumentsFolder(), "/srv/papers");
}

TEST_F(DocumentsFolderTest, HomeConfigFolderWhenXdgConfigHomeIsUnset) {
    env.Unset("XDG_CONFIG_HOME");
    WriteUserDirs(config, "XDG_DOCUMENTS_DIR=\"$HOME/Wrong\"\n");
    WriteUserDirs(home / ".config", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
    EXPECT_EQ(DocumentsFolder(), home.string() + "/Docs");
}

TEST_F(DocumentsFolderTest, UnusableEntriesFallBackToDocumentsInHome) {
    for (const char* text :
         {"XDG_DOCUMENTS_DIR=\"relative/folder\"\n", "XDG_DOCUMENTS_DIR=\"\"\n",
          "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n", "XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n"}) {
        WriteUserDirs(config, text);
        EXPECT_EQ(DocumentsFolder(), home.string() + "/Documents") << text;
    }
}

class SetUpDataFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program = dir.path() / "program";
        data = dir.path() / "docs" / "Tidewarm";
        fs::create_directories(program);
        test::WriteFile(program / "scl.err", "0x00110001 delivered text\n");
    }

    test::ScopedTempDir dir;
    fs::path program, data;
};

TEST_F(SetUpDataFolderTest, CreatesTheFoldersCopiesTheMessageFileAndEntersIt) {
    ASSERT_EQ(SetUpDataFolder(data.string(), program.string()), std::nullopt);
    EXPECT_TRUE(fs::is_directory(data / "Climate"));
    EXPECT_EQ(test::ReadFile(data / "scl.err"), "0x00110001 delivered text\n");
    EXPECT_EQ(fs::current_path(), fs::canonical(data));
    EXPECT_FALSE(fs::exists(data / "scl.err.part"));
}

// Something other than a file at the message file's name (a FIFO here, or the program folder's
// copy) is never read: the data folder's is replaced, and a FIFO delivered is refused.
TEST_F(SetUpDataFolderTest, AFifoAtEitherMessageFileIsNeverRead) {
    fs::create_directories(data);
    std::optional<Problem> problem;
    EXPECT_TRUE(test::ReturnsAtOnceBesideAFifo(
        data / "scl.err", [&] { problem = SetUpDataFolder(data.string(), program.string()); }));
    ASSERT_FALSE(problem) << problem->message;
    EXPECT_EQ(test::ReadFile(data / "scl.err"), "0x00110001 delivered text\n");

    fs::remove(data / "scl.err");
    fs::remove(program / "scl.err");
    EXPECT_TRUE(test::ReturnsAtOnceBesideAFifo(
        program / "scl.err", [&] { problem = SetUpDataFolder(data.string(), program.string()); }));
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->message.find("Not a regular file: a FIFO"), std::string::npos)
        << problem->message;
}

// The cities delivered with the programs go into a new weather folder only: an existing one,
// whose cities the user may have removed or replaced, is left as it is.
TEST_F(SetUpDataFolderTest, ANewWeatherFolderReceivesTheDeliveredCities) {
    fs::create_directories(program / "Climate");
    test::WriteFile(program / "Climate" / "Miami.zfw", "delivered Miami");
    test::WriteFile(program / "Climate" / "Phoenix.zfw", "delivered Phoenix");
    ASSERT_EQ(SetUpDataFolder(data.string(), program.string()), std::nullopt);
    EXPECT_EQ(test::ReadFile(data / "Climate" / "Miami.zfw"), "delivered Miami");
    EXPECT_EQ(test::ReadFile(data / "Climate" / "Phoenix.zfw"), "delivered Phoenix");

    fs::remove(data / "Climate" / "Phoenix.zfw");
    test::WriteFile(data / "Climate" / "Miami.zfw", "the user's Miami");
    ASSERT_EQ(SetUpDataFolder(data.string(), program.string()), std::nullopt);
    EXPECT_EQ(test::ReadFile(data / "Climate" / "Miami.zfw"), "the user's Miami");
    EXPECT_FALSE(fs::exists(data / "Climate" / "Phoenix.zfw"));
}

// The delivered message file is a new file of the user's: it follows the umask, whatever the
// program folder's copy allows.
TEST_F(SetUpDataFolderTest, TheCopiedMessageFileFollowsTheUmask) {
    fs::permissions(program / "scl.err", fs::perms::all);
    const mode_t previous = ::umask(077);
    const std::optional<Problem> problem = SetUpDataFolder(data.string(), program.string());
    ::umask(previous);
    ASSERT_FALSE(problem) << problem->message;
    EXPECT_EQ(fs::status(data / "scl.err").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

// A message file of an earlier version is replaced by the program's; the same one is left as it
// is, and so is the climate folder.
TEST_F(SetUpDataFolderTest, ReplacesAStaleMessageFileAndKeepsTheClimateFolder) {
    fs::create_directories(data / "Climate");
    test::WriteFile(data / "Climate" / "city.zfw", "weather");
    test::WriteFile(data / "scl.err", "0x00110001 text of an earlier version\n");
    ASSERT_EQ(SetUpDataFolder(data.string(), program.string()), std::nullopt);
    EXPECT_EQ(test::ReadFile(data / "scl.err"), "0x00110001 delivered text\n");
    EXPECT_EQ(test::ReadFile(data / "Climate" / "city.zfw"), "weather");

    const auto written = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(data / "scl.err", written);
    ASSERT_EQ(SetUpDataFolder(data.string(), program.string()), std::nullopt);
    EXPECT_EQ(fs::last_write_time(data / "scl.err"), written);
    EXPECT_FALSE(fs::exists(data / "scl.err.part"));

    // Without the program's copy, the one in the data folder is all there is: it stays.
    fs::remove(program / "scl.err");
    EXPECT_EQ(SetUpDataFolder(data.string(), program.string()), std::nullopt);
    EXPECT_EQ(test::ReadFile(data / "scl.err"), "0x00110001 delivered text\n");
}

TEST_F(SetUpDataFolderTest, MissingDeliveredFileIsReportedButTheFolderIsStillEntered) {
    fs::remove(program / "scl.err");
    const auto problem = SetUpDataFolder(data.string(), program.string());
    ASSERT_NE(problem, std::nullopt);
    EXPECT_NE(problem->message.find("scl.err"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(data / "Climate"));
    EXPECT_FALSE(fs::exists(data / "scl.err"));
    EXPECT_EQ(fs::current_path(), fs::canonical(data));
}

TEST_F(SetUpDataFolderTest, ClimateBlockedByAFileIsReported) {
    fs::create_directories(data);
    test::WriteFile(data / "Climate", "not a folder");
    const auto problem = SetUpDataFolder(data.string(), program.string());
    ASSERT_NE(problem, std::nullopt);
    EXPECT_NE(problem->message.find("Climate"), std::string::npos);
    EXPECT_EQ(test::ReadFile(data / "scl.err"), "0x00110001 delivered text\n");
    EXPECT_EQ(fs::current_path(), fs::canonical(data));
}

TEST_F(SetUpDataFolderTest, DataFolderThatCannotBeCreatedIsNotEntered) {
    test::WriteFile(dir.path() / "docs", "a file where the documents folder should be");
    const fs::path before = fs::current_path();
    const auto problem = SetUpDataFolder(data.string(), program.string());
    ASSERT_NE(problem, std::nullopt);
    EXPECT_NE(problem->message.find(data.string()), std::string::npos);
    EXPECT_EQ(fs::current_path(), before);
}

}  // namespace

#include "application.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "program_config.h"
#include "scoped_environment.h"
#include "simulator_strings.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

class StartProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        programs_ = dir_.path() / "programs";
        data_ = dir_.path() / "Documents" / "Tidewarm";
        fs::create_directories(programs_);
        fs::copy_file(fs::path(TIDEWARM_BIN_DIR) / "scl.err", programs_ / "scl.err");
        fs::copy_file(fs::path(TIDEWARM_BIN_DIR) / "TidewarmProFra.str",
                      programs_ / "TidewarmProFra.str");
        env_.Unset("LC_ALL");
        env_.Unset("LC_MESSAGES");
        env_.Set("LANG", "fr_CA.UTF-8");
    }
    void TearDown() override {
        fs::current_path(dir_.path());
        DropFrenchStrings();
        app::Language = app::PendingLanguage = Language::English;
    }
    bool Start(bool batch) {
        return StartProgram(batch, programs_.string(), data_.string(), nullptr);
    }

    test::ScopedTempDir dir_;
    test::ScopedEnvironment env_;
    fs::path programs_, data_;
};

TEST_F(StartProgramTest, CreatesTheDataFolderAndSpeaksTheLocaleLanguage) {
    ASSERT_TRUE(Start(false));
    EXPECT_TRUE(fs::is_directory(data_ / "Climate"));
    EXPECT_TRUE(fs::exists(data_ / "scl.err"));
    EXPECT_EQ(fs::current_path(), data_);
    EXPECT_EQ(g_strDataFolder, data_.string());
    EXPECT_EQ(app::Language, Language::French);
    EXPECT_EQ(LoadResString(kStrCannotOpenBatchInput),
              "Impossible d'ouvrir le fichier « Tidewarm.tmp ».");
    EXPECT_FALSE(fs::exists(data_ / "TidewarmPro.cfg"));
}

// Without its texts the program would be French in its text report and help only: it starts
// in English and says so, and the configuration keeps French for the next start.
TEST_F(StartProgramTest, MissingFrenchFileStartsInEnglishAndSaysSo) {
    fs::remove(programs_ / "TidewarmProFra.str");
    std::string messages;
    ASSERT_TRUE(StartProgram(false, programs_.string(), data_.string(), &messages));
    EXPECT_EQ(app::Language, Language::English);
    EXPECT_EQ(app::PendingLanguage, Language::French);
    EXPECT_EQ(LoadResString(kStrCannotOpenBatchInput), "Cannot open file 'Tidewarm.tmp'.");
    EXPECT_EQ(messages, "The French texts could not be read from " +
                            (programs_ / "TidewarmProFra.str").string() +
                            ".\nTidewarmPro runs in English.");
}

// Batch mode speaks English and neither reads nor writes the configuration file, so the
// language of the next interactive start stays the user's.
TEST_F(StartProgramTest, BatchModeIgnoresTheConfigurationFileAndSpeaksEnglish) {
    fs::create_directories(data_);
    test::WriteFile(data_ / "TidewarmPro.cfg", "TIDEWARMPRO 3.0\nFra\n");
    env_.Set("LANG", "en_US.UTF-8");
    ASSERT_TRUE(Start(true));
    EXPECT_EQ(g_nBatchMode, 1);
    EXPECT_EQ(app::Language, Language::English);
    EXPECT_EQ(LoadResString(kStrCannotOpenBatchInput), "Cannot open file 'Tidewarm.tmp'.");
    EXPECT_EQ(test::ReadFile(data_ / "TidewarmPro.cfg"), "TIDEWARMPRO 3.0\nFra\n");
    ASSERT_TRUE(Start(false));
    EXPECT_EQ(app::Language, Language::French);
}

}  // namespace

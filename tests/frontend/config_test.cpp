#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frontend_config.h"
#include "frontend_test_support.h"
#include "scoped_environment.h"

namespace fs = std::filesystem;

namespace {

// A data folder, a French or English locale, and the settings as after SetupPaths.
class FrontEndConfigTest : public ::testing::Test {
  protected:
    void SetUp() override {
        environment.Unset("LC_ALL");
        environment.Unset("LC_MESSAGES");
        SetLocale("en_CA.UTF-8");
        SetupPaths(data(), "/opt/tidewarm");
    }
    void SetLocale(const std::string& locale) { environment.Set("LANG", locale); }
    std::string data() const { return folder.path().string(); }
    void WriteConfigText(const std::string& text) {
        test::WriteFile(folder.path() / "Tidewarm.cfg", text);
    }
    void ExpectDefaults() {
        EXPECT_EQ(g_nUnits, UnitSystem::SI);
        EXPECT_EQ(g_strDatabasePath, data() + "/Tidewarm.mdb");
        EXPECT_EQ(g_strClimateFolder, data() + "/Climate");
        EXPECT_EQ(g_nCurrentRunId, 0);
    }

    test::FreshFrontEndState state;
    test::ScopedTempDir folder;
    test::ScopedEnvironment environment;
    test::FrontEndMessages messages;
};

TEST_F(FrontEndConfigTest, WrittenSettingsWithSpacesInPathsAreReadBack) {
    g_nUnits = UnitSystem::IP;
    g_strDatabasePath = "/home/ann/My Pools/pool base.mdb";
    g_strClimateFolder = "/home/ann/Weather files";
    g_nCurrentRunId = -1;
    g_nNewLanguage = Language::French;
    ASSERT_TRUE(WriteFrontEndConfig(data()));
    EXPECT_EQ(test::ReadFile(folder.path() / "Tidewarm.cfg"),
              "TIDEWARM 3.0\n1\n/home/ann/My Pools/pool base.mdb\n/home/ann/Weather files\n-1\n"
              "Fra\n");
    SetupPaths(data(), "/opt/tidewarm");
    g_nCurrentRunId = 0;
    ReadFrontEndConfig(data());
    EXPECT_EQ(g_nUnits, UnitSystem::IP);
    EXPECT_EQ(g_strDatabasePath, "/home/ann/My Pools/pool base.mdb");
    EXPECT_EQ(g_strClimateFolder, "/home/ann/Weather files");
    EXPECT_EQ(g_nCurrentRunId, -1);
    EXPECT_EQ(g_nLanguage, Language::French);
    EXPECT_EQ(g_nNewLanguage, Language::French);
}

// A FIFO would hold the start in open() until some program wrote to it: it reads as no file.
TEST_F(FrontEndConfigTest, AConfigurationThatIsNoFileIsNotWaitedOn) {
    EXPECT_TRUE(test::ReturnsAtOnceBesideAFifo(folder.path() / "Tidewarm.cfg",
                                               [&] { ReadFrontEndConfig(data()); }));
    ExpectDefaults();
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FrontEndConfigTest, OnlyTheHeaderWordCountsAndCrLfLinesAreRead) {
    WriteConfigText(
        "TIDEWARM 4.2 beta\r\n0 units\r\n/data/t.mdb\r\n/data/Climate\r\n17\r\nEng\r\n");
    SetLocale("fr_FR.UTF-8");
    ReadFrontEndConfig(data());
    EXPECT_EQ(g_strDatabasePath, "/data/t.mdb");
    EXPECT_EQ(g_strClimateFolder, "/data/Climate");
    EXPECT_EQ(g_nCurrentRunId, 17);
    EXPECT_EQ(g_nLanguage, Language::English);  // "Eng" on a French system
}

TEST_F(FrontEndConfigTest, WithoutAFileOrWithAForeignOneTheLocaleLanguageAndDefaultsStay) {
    SetLocale("fr_CA.UTF-8");
    ReadFrontEndConfig(data());
    EXPECT_EQ(g_nLanguage, Language::French);
    EXPECT_EQ(g_nNewLanguage, Language::French);
    ExpectDefaults();
    WriteConfigText("TIDEWARMPRO 3.0\n1\n/x.mdb\n/c\n5\nEng\n");
    ReadFrontEndConfig(data());
    EXPECT_EQ(g_nLanguage, Language::French);
    ExpectDefaults();
}

TEST_F(FrontEndConfigTest, ADamagedLineAndTheLinesAfterItKeepTheirDefaults) {
    WriteConfigText("TIDEWARM 3.0\nSI\n/x.mdb\n/c\n5\nFra\n");
    ReadFrontEndConfig(data());
    ExpectDefaults();
    EXPECT_EQ(g_nLanguage, Language::English);
    WriteConfigText("TIDEWARM 3.0\n1\n/x.mdb\n/c\nnone\nFra\n");
    ReadFrontEndConfig(data());
    EXPECT_EQ(g_nUnits, UnitSystem::IP);
    EXPECT_EQ(g_strClimateFolder, "/c");
    EXPECT_EQ(g_nCurrentRunId, 0);
    EXPECT_EQ(g_nLanguage, Language::English);
    SetupPaths(data(), "/opt/tidewarm");
    WriteConfigText("TIDEWARM 3.0\n1\n");  // lines missing
    ReadFrontEndConfig(data());
    EXPECT_EQ(g_nUnits, UnitSystem::IP);
    EXPECT_EQ(g_strDatabasePath, data() + "/Tidewarm.mdb");
}

TEST_F(FrontEndConfigTest, AFailedWriteIsReportedAndKeepsTheOldFile) {
    WriteConfigText("TIDEWARM 3.0\n1\n/x.mdb\n/c\n5\nFra\n");
    EXPECT_FALSE(WriteFrontEndConfig(data() + "/missing folder"));
    // The message names the file and the system's reason.
    const std::string named =
        "Could not write configuration file " + data() + "/missing folder/Tidewarm.cfg:\n";
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].substr(0, named.size()), named);
    EXPECT_GT(messages.shown[0].size(), named.size());
    EXPECT_EQ(test::ReadFile(folder.path() / "Tidewarm.cfg"),
              "TIDEWARM 3.0\n1\n/x.mdb\n/c\n5\nFra\n");
}

}  // namespace

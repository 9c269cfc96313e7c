#include "string_table.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const StringEntry kEnglish[] = {
    {130, "Could not write configuration file"},
    {34002, "Cannot open file 'tidewarm.tmp'."},
    {34115, "Simulating day %d/%d..."},
};

TEST(ParseStringTable, EscapesCrlfCommentsAndEmptyLines) {
    std::vector<StringFileProblem> problems;
    const StringTable table = ParseStringTable(
        "# French texts\r\n"
        "\r\n"
        "1\tLigne un\\nLigne deux\r\n"
        "2\tA\\tB\\\\C\n"
        "3\t\n"
        "4\tTabulation\tbrute\n"
        "34115\tSimulation du jour %d/%d...",
        &problems);
    EXPECT_TRUE(problems.empty());
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(*table.Find(1), "Ligne un\nLigne deux");
    EXPECT_EQ(*table.Find(2), "A\tB\\C");
    EXPECT_EQ(*table.Find(3), "");
    EXPECT_EQ(*table.Find(4), "Tabulation\tbrute");
    EXPECT_EQ(*table.Find(34115), "Simulation du jour %d/%d...");
    EXPECT_EQ(table.Find(5), nullptr);
}

TEST(ParseStringTable, ByteOrderMarkAndUtf8TextPassUnchanged) {
    const StringTable table = ParseStringTable(
        "\xEF\xBB\xBF"
        "7\tFrançais été\n");
    ASSERT_NE(table.Find(7), nullptr);
    EXPECT_EQ(*table.Find(7), "Français été");
}

TEST(ParseStringTable, BadLinesAreSkippedAndNamed) {
    std::vector<StringFileProblem> problems;
    const StringTable table = ParseStringTable(
        "1\tgood\n"           // 1
        "2 no tab\n"          // 2
        "x3\tletters\n"       // 3
        "-4\tnegative\n"      // 4
        "5\tbad \\q\n"        // 5
        "6\tlone \\\n"        // 6
        "1\tagain\n"          // 7
        "\tno id\n"           // 8
        "99999999999\tbig\n"  // 9
        " 10\tblank\n"        // 10
        "11\tgood too\n",     // 11
        &problems);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(*table.Find(1), "good");
    EXPECT_EQ(*table.Find(11), "good too");
    std::vector<int> lines;
    for (const StringFileProblem& p : problems) {
        lines.push_back(p.line);
        EXPECT_FALSE(p.reason.empty());
    }
    EXPECT_EQ(lines, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST(StringTable, FirstEntryOfAnIdWins) {
    const StringEntry entries[] = {{1, "first"}, {1, "second"}};
    StringTable table(entries);
    EXPECT_EQ(*table.Find(1), "first");
    EXPECT_FALSE(table.Add(1, "third"));
    EXPECT_TRUE(table.Add(2, "two"));
    EXPECT_EQ(*table.Find(1), "first");
}

TEST(ReadStringTableFile, MissingOrUnreadableFileGivesNothing) {
    test::ScopedTempDir dir;
    EXPECT_FALSE(ReadStringTableFile("absent.str"));
    fs::create_directory("folder.str");
    EXPECT_FALSE(ReadStringTableFile("folder.str"));
    test::WriteFile("empty.str", "");
    const auto empty = ReadStringTableFile("empty.str");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
}

TEST(FrenchStringFile, IsNamedAfterTheLibraryInTheProgramFolder) {
    EXPECT_EQ(FrenchStringFile("/opt/tidewarm", kSimulatorFrenchLibrary),
              "/opt/tidewarm/TidewarmProFra.str");
    EXPECT_EQ(FrenchStringFile("/opt/tidewarm", kFrontEndFrenchLibrary),
              "/opt/tidewarm/TidewarmFra.str");
}

TEST(SameConversions, ComparesArgumentKindsInOrder) {
    EXPECT_TRUE(SameConversions("Simulating day %d/%d...", "Simulation du jour %3d/%i..."));
    EXPECT_TRUE(SameConversions("Value between %lg and %lg.", "Valeur entre %.2f et %g."));
    EXPECT_TRUE(SameConversions("No argument, 100%%", "Aucun argument, 100 %%"));
    EXPECT_FALSE(SameConversions("%d %s", "%s %d"));
    EXPECT_FALSE(SameConversions("Day %d", "Jour"));
    EXPECT_FALSE(SameConversions("Day %d", "Jour %d/%d"));
    EXPECT_FALSE(SameConversions("Area %lg", "Surface %d"));
    EXPECT_FALSE(SameConversions("Name %s", "Nom %n"));
    // A width or precision beyond the message buffer is refused like a wrong conversion.
    EXPECT_FALSE(SameConversions("Day %d", "Jour %2147483647d"));
    EXPECT_FALSE(SameConversions("Area %g", "Surface %.999999999g"));
}

// Each test starts with the English table of a program and no French one.
class LoadResStringTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetEnglishStrings(kEnglish);
        DropFrenchStrings();
    }
    void TearDown() override {
        SetEnglishStrings({});
        DropFrenchStrings();
    }
    test::ScopedTempDir dir;
};

TEST_F(LoadResStringTest, EnglishTableAndMissingId) {
    EXPECT_EQ(LoadResString(130), "Could not write configuration file");
    EXPECT_EQ(LoadResString(34115), "Simulating day %d/%d...");
    EXPECT_EQ(LoadResString(131), "???");
    EXPECT_EQ(LoadResString(-1), "???");
    EXPECT_FALSE(FrenchStringsLoaded());
}

TEST_F(LoadResStringTest, FrenchTableWinsAndMissingFrenchIdsFallBackToEnglish) {
    fs::create_directory("program");
    test::WriteFile("program/TidewarmProFra.str",
                    "130\tImpossible d'écrire le fichier de configuration\n"
                    "77\tSeulement en français\n");
    EXPECT_TRUE(SetUpStrings(kEnglish, Language::French, "program", kSimulatorFrenchLibrary));
    EXPECT_TRUE(FrenchStringsLoaded());
    EXPECT_EQ(LoadResString(130), "Impossible d'écrire le fichier de configuration");
    EXPECT_EQ(LoadResString(34002), "Cannot open file 'tidewarm.tmp'.");
    EXPECT_EQ(LoadResString(77), "Seulement en français");
    EXPECT_EQ(LoadResString(78), "???");
    EXPECT_EQ(FrenchStrings().size(), 2u);
    EXPECT_EQ(EnglishStrings().size(), 3u);
}

TEST_F(LoadResStringTest, MissingFrenchFileFallsBackToEnglish) {
    EXPECT_FALSE(SetUpStrings(kEnglish, Language::French, "program", kSimulatorFrenchLibrary));
    EXPECT_FALSE(FrenchStringsLoaded());
    EXPECT_EQ(LoadResString(130), "Could not write configuration file");
}

TEST_F(LoadResStringTest, EnglishLanguageDoesNotLoadThePresentFrenchFile) {
    fs::create_directory("program");
    test::WriteFile("program/TidewarmFra.str", "130\tEn français\n");
    ASSERT_TRUE(SetUpStrings(kEnglish, Language::French, "program", kFrontEndFrenchLibrary));
    EXPECT_FALSE(SetUpStrings(kEnglish, Language::English, "program", kFrontEndFrenchLibrary));
    EXPECT_EQ(LoadResString(130), "Could not write configuration file");
}

TEST_F(LoadResStringTest, FailedReloadDropsTheEarlierFrenchTable) {
    test::WriteFile("TidewarmProFra.str", "130\tEn français\n");
    ASSERT_TRUE(LoadFrenchStrings("TidewarmProFra.str"));
    EXPECT_EQ(LoadResString(130), "En français");
    EXPECT_FALSE(LoadFrenchStrings("absent.str"));
    EXPECT_EQ(LoadResString(130), "Could not write configuration file");
}

}  // namespace

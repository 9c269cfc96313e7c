#include "city_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "city_list.h"
#include "city_list_texts.h"
#include "frontend_test_support.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

class CityRows : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directory(climate);
        g_strClimateFolder = climate.string();
        synthetic::WeatherYear miami;
        miami.stationName = "Miami Intl Ap FL USA";
        miami.latitude = 25.8;
        miami.longitude = 80.2667;  // west
        ASSERT_TRUE(synthetic::WriteZefirFile(climate / "Miami.zfw", miami));
        synthetic::WeatherYear sydney;
        sydney.stationName = "Sydney NSW AUS";
        sydney.latitude = -33.95;
        sydney.longitude = -151.1833;  // east
        ASSERT_TRUE(synthetic::WriteZefirFile(climate / "Sydney.zfw", sydney));
        LoadCityList();
    }

    test::FreshFrontEndState state;
    test::ScopedTempDir folder;
    const fs::path climate = folder.path() / "Climate";
    test::FrontEndMessages messages;
};

// A copy of a shipped EPW file in the test's folder, as a user downloads it.
fs::path DownloadedEpw(const fs::path& folder) {
    constexpr char kEpw[] = "USA_FL_Miami.Intl.AP.722020_TMY3.epw";
    fs::copy_file(fs::path(TIDEWARM_RESOURCES_DIR) / "weather" / kEpw, folder / kEpw);
    return folder / kEpw;
}

TEST_F(CityRows, EachCityWithItsStationAndPositionInTheUsersLanguage) {
    for (bool french : {false, true}) {
        SCOPED_TRACE(french ? "French" : "English");
        if (french) {
            ASSERT_TRUE(LoadFrenchStrings(TIDEWARM_RESOURCES_DIR "/TidewarmFra.str"));
        }
        const std::vector<CityRow> rows = ListCityRows(g_strClimateFolder);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].fileName, "Miami.zfw");
        EXPECT_EQ(rows[0].station, "Miami Intl Ap FL USA");
        EXPECT_EQ(rows[0].latitude, "25° 48' N");
        EXPECT_EQ(rows[0].longitude, french ? "80° 16' O" : "80° 16' W");
        EXPECT_EQ(rows[1].latitude, "33° 57' S");
        EXPECT_EQ(rows[1].longitude, "151° 11' E");
    }
    DropFrenchStrings();
    // Rounded to the minute.
    EXPECT_EQ(FormatPosition(10.9999, kStrEast, kStrWest), "11° 0' E");
}

TEST_F(CityRows, RemoveAsksThenDeletesTheFileAndTheCityLeavesTheSharedList) {
    const CityRow miami = ListCityRows(g_strClimateFolder).front();
    messages.answer = false;
    EXPECT_FALSE(RemoveCity(miami));
    EXPECT_TRUE(fs::exists(climate / "Miami.zfw"));
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_NE(messages.asked[0].find("Miami Intl Ap FL USA"), std::string::npos);
    EXPECT_NE(messages.asked[0].find("Miami.zfw"), std::string::npos);

    messages.answer = true;
    EXPECT_TRUE(RemoveCity(miami));
    EXPECT_FALSE(fs::exists(climate / "Miami.zfw"));
    EXPECT_EQ(g_CityNames, std::vector<std::string>{"Sydney NSW AUS"});
    EXPECT_EQ(g_WeatherFileNames, std::vector<std::string>{"Sydney.zfw"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CityRows, AFileThatCannotBeDeletedIsSaidAndKept) {
    // A folder of that name stands for a file the system refuses to delete.
    fs::create_directories(climate / "Held.zfw" / "inside");
    EXPECT_FALSE(RemoveCity({"Held.zfw", "Held", "", ""}));
    EXPECT_TRUE(fs::exists(climate / "Held.zfw"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind("The weather file Held.zfw could not be deleted: ", 0), 0u);
}

TEST_F(CityRows, AnImportedFileIsACityAtOnceAndReplacingItIsAsked) {
    const fs::path source = DownloadedEpw(folder.path());
    const std::optional<std::string> file = ImportCity(source.string());
    ASSERT_TRUE(file);
    const auto listed = std::find(g_WeatherFileNames.begin(), g_WeatherFileNames.end(), *file);
    ASSERT_NE(listed, g_WeatherFileNames.end());
    EXPECT_EQ(g_CityNames[static_cast<std::size_t>(listed - g_WeatherFileNames.begin())],
              "Miami Intl Ap FL USA");
    EXPECT_TRUE(messages.asked.empty());
    const std::string written = test::ReadFile(climate / *file);

    messages.answer = false;
    EXPECT_EQ(ImportCity(source.string()), std::nullopt);
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0], "The weather folder already holds " + *file + ". Replace it?");
    messages.answer = true;
    EXPECT_EQ(ImportCity(source.string()), file);
    EXPECT_EQ(messages.asked.size(), 2u);
    EXPECT_EQ(test::ReadFile(climate / *file), written);
    EXPECT_EQ(g_WeatherFileNames.size(), 3u);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CityRows, ARefusedFileIsSaidWithItsNameAndLineInTheUsersLanguageAndNothingIsWritten) {
    // The header and the first day only.
    const std::string whole = test::ReadFile(DownloadedEpw(folder.path()));
    std::size_t end = 0;
    for (int line = 0; line < 8 + 24; ++line) end = whole.find('\n', end) + 1;
    const std::string cut = (folder.path() / "cut.epw").string();
    test::WriteFile(cut, whole.substr(0, end));

    for (bool french : {false, true}) {
        SCOPED_TRACE(french ? "French" : "English");
        if (french) {
            ASSERT_TRUE(LoadFrenchStrings(TIDEWARM_RESOURCES_DIR "/TidewarmFra.str"));
        }
        messages.shown.clear();
        EXPECT_EQ(ImportCity(cut), std::nullopt);
        ASSERT_EQ(messages.shown.size(), 1u);
        // The file and its line (the one after the last record), then the importer's reason.
        const std::string where =
            french ? "Fichier " + cut + ", ligne 33 : " : "File " + cut + ", line 33: ";
        EXPECT_EQ(messages.shown[0].rfind(where, 0), 0u) << messages.shown[0];
    }
    DropFrenchStrings();
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(climate))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"Miami.zfw", "Sydney.zfw"}));
    EXPECT_EQ(g_WeatherFileNames, files);
}

}  // namespace

#include "city_rows.h"

#include <gtest/gtest.h>

#include <filesystem>
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
        g_strClimateFolder = folder.path().string();
        synthetic::WeatherYear miami;
        miami.stationName = "Miami Intl Ap FL USA";
        miami.latitude = 25.8;
        miami.longitude = 80.2667;  // west
        ASSERT_TRUE(synthetic::WriteZefirFile(folder.path() / "Miami.zfw", miami));
        synthetic::WeatherYear sydney;
        sydney.stationName = "Sydney NSW AUS";
        sydney.latitude = -33.95;
        sydney.longitude = -151.1833;  // east
        ASSERT_TRUE(synthetic::WriteZefirFile(folder.path() / "Sydney.zfw", sydney));
        LoadCityList();
    }

    test::FreshFrontEndState state;
    test::ScopedTempDir folder;
    test::FrontEndMessages messages;
};

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
    EXPECT_TRUE(fs::exists(folder.path() / "Miami.zfw"));
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_NE(messages.asked[0].find("Miami Intl Ap FL USA"), std::string::npos);
    EXPECT_NE(messages.asked[0].find("Miami.zfw"), std::string::npos);

    messages.answer = true;
    EXPECT_TRUE(RemoveCity(miami));
    EXPECT_FALSE(fs::exists(folder.path() / "Miami.zfw"));
    EXPECT_EQ(g_CityNames, std::vector<std::string>{"Sydney NSW AUS"});
    EXPECT_EQ(g_WeatherFileNames, std::vector<std::string>{"Sydney.zfw"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CityRows, AFileThatCannotBeDeletedIsSaidAndKept) {
    // A folder of that name stands for a file the system refuses to delete.
    fs::create_directories(folder.path() / "Held.zfw" / "inside");
    EXPECT_FALSE(RemoveCity({"Held.zfw", "Held", "", ""}));
    EXPECT_TRUE(fs::exists(folder.path() / "Held.zfw"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind("The weather file Held.zfw could not be deleted: ", 0), 0u);
}

}  // namespace

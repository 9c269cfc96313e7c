#include "city_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frontend_globals.h"
#include "test_support.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

// The header of a weather file: two bytes, then the station name padded with NULs.
std::string Header(const std::string& name) {
    std::string header = "\x01\x02" + name;
    header.resize(126, '\0');
    return header;
}

TEST(CityList, EveryReadableZefirFileByNameWithItsStationName) {
    test::ScopedTempDir folder;
    test::WriteFile(folder.path() / "b.zfw", Header("Montr\xe9"
                                                    "al, Qu\xe9"
                                                    "bec"));  // Windows-1252
    test::WriteFile(folder.path() / "a.ZFW", Header("Nice"));
    test::WriteFile(folder.path() / "c.Zfw", Header("Zürich   "));  // UTF-8, blanks cut
    test::WriteFile(folder.path() / "d.zfw", "ab\r\n");             // empty name, still listed
    test::WriteFile(folder.path() / "e.zfw", "xy" + std::string(120, 'L') + "\n");
    test::WriteFile(folder.path() / "f.zfw", Header("\x1b]0;Qu\x07\x08\x1b"
                                                    "ebec\tNord \x07"));
    test::WriteFile(folder.path() / "notes.txt", Header("Not weather"));
    fs::create_symlink(folder.path() / "gone", folder.path() / "g.zfw");  // cannot be opened
    fs::create_directory(folder.path() / "h.zfw");

    g_strClimateFolder = folder.path().string();
    g_CityNames = {"stale"};
    LoadCityList();
    EXPECT_EQ(g_WeatherFileNames,
              (std::vector<std::string>{"a.ZFW", "b.zfw", "c.Zfw", "d.zfw", "e.zfw", "f.zfw"}));
    EXPECT_EQ(g_CityNames, (std::vector<std::string>{"Nice", "Montréal, Québec", "Zürich", "",
                                                     std::string(98, 'L'), "]0;Quebec\tNord"}));
    EXPECT_EQ(ReadCityName((folder.path() / "g.zfw").string()), std::nullopt);
}

TEST(CityList, AFileOfTheWeatherWriterGivesItsStation) {
    test::ScopedTempDir folder;
    synthetic::WeatherYear year;
    year.stationName = "Sherbrooke";
    ASSERT_TRUE(synthetic::WriteZefirFile(folder.path() / "sher.zfw", year));
    EXPECT_EQ(ReadCityName((folder.path() / "sher.zfw").string()), "Sherbrooke");
}

TEST(CityList, AMissingFolderGivesEmptyLists) {
    g_strClimateFolder = "/nonexistent/Climate";
    g_CityNames = {"x"};
    g_WeatherFileNames = {"x.zfw"};
    LoadCityList();
    EXPECT_TRUE(g_CityNames.empty());
    EXPECT_TRUE(g_WeatherFileNames.empty());
}

}  // namespace

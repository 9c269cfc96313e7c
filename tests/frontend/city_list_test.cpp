#include "city_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frontend_globals.h"
#include "test_support.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

// A whole ZEFIR year whose header holds the raw bytes `name` (padded with NULs) as its station
// name.
void WriteCity(const fs::path& path, const std::string& name) {
    synthetic::WeatherYear year;
    year.latitude = 45.5;
    year.longitude = 73.75;
    ASSERT_TRUE(synthetic::WriteZefirFile(path, year));
    std::string bytes = test::ReadFile(path);
    std::string field = name;
    field.resize(100, '\0');
    bytes.replace(2, field.size(), field);
    test::WriteFile(path, bytes);
}

TEST(CityList, EveryWholeZefirFileByNameWithItsStationNameAndPosition) {
    test::ScopedTempDir folder;
    WriteCity(folder.path() / "b.zfw",
              "Montr\xe9"
              "al, Qu\xe9"
              "bec");  // Windows-1252
    WriteCity(folder.path() / "a.ZFW", "Nice");
    WriteCity(folder.path() / "c.Zfw", "Zürich   ");  // UTF-8, blanks cut
    WriteCity(folder.path() / "d.zfw", "");           // empty name, still listed
    WriteCity(folder.path() / "e.zfw", std::string(99, 'L'));
    WriteCity(folder.path() / "f.zfw",
              "\x1b]0;Qu\x07\x08\x1b"
              "ebec\tNord \x07");
    WriteCity(folder.path() / "notes.txt", "Not weather");
    // No whole ZEFIR year: a text file, a file cut short, one with a longer tail.
    test::WriteFile(folder.path() / "text.zfw", "lo,TAmb,RelHum,VWind\n1,2,3,4\n");
    WriteCity(folder.path() / "short.zfw", "Short");
    fs::resize_file(folder.path() / "short.zfw", fs::file_size(folder.path() / "a.ZFW") - 1);
    WriteCity(folder.path() / "long.zfw", "Long");
    fs::resize_file(folder.path() / "long.zfw", fs::file_size(folder.path() / "a.ZFW") + 194);
    fs::create_symlink(folder.path() / "gone", folder.path() / "g.zfw");  // cannot be opened
    fs::create_directory(folder.path() / "h.zfw");

    g_strClimateFolder = folder.path().string();
    g_CityNames = {"stale"};
    LoadCityList();
    EXPECT_EQ(g_WeatherFileNames,
              (std::vector<std::string>{"a.ZFW", "b.zfw", "c.Zfw", "d.zfw", "e.zfw", "f.zfw"}));
    EXPECT_EQ(g_CityNames, (std::vector<std::string>{"Nice", "Montréal, Québec", "Zürich", "",
                                                     std::string(98, 'L'), "]0;Quebec\tNord"}));
    const std::vector<WeatherCity> cities = ListWeatherCities(folder.path().string());
    ASSERT_FALSE(cities.empty());
    EXPECT_DOUBLE_EQ(cities[0].latitude, 45.5);
    EXPECT_DOUBLE_EQ(cities[0].longitude, 73.75);
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

// The weather cities: every whole ZEFIR weather file (".zfw", any letter case) of the climate
// folder with the station name and position of its header.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct WeatherCity {
    std::string fileName;  // without folder
    std::string cityName;  // UTF-8
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, west positive
};

// The station name of a ZEFIR file: the header's text after its first two bytes, at most 98
// characters, ended by the first NUL or line end, trailing blanks cut. Text that is not valid
// UTF-8 is read as Windows-1252. Nothing when the file cannot be opened or read.
[[nodiscard]] std::optional<std::string> ReadCityName(const std::string& path);

// The whole ZEFIR files of `climateFolder` (a header that reads and 365 days), by file name; none
// when the folder is missing.
std::vector<WeatherCity> ListWeatherCities(const std::string& climateFolder);

// Fills g_CityNames and g_WeatherFileNames from the files of g_strClimateFolder.
void LoadCityList();

// Writers of synthetic weather files in the three formats the simulation reads: the fixed-column
// TMY text file, the ZEFIR binary file and the named-column text table. A year is described by
// functions of the day and hour, so a test can write a full year of simple synthetic weather.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace synthetic {

struct HourlyWeather {
    double airTemperature = 0;    // degC
    double globalIrradiance = 0;  // W/m2 on the horizontal
    double relativeHumidity = 0;  // fraction
    double windSpeed = 0;         // m/s
};

// A smooth year: seasonal and daily temperature waves, a clear-sky irradiance bell between
// hours 7 and 18, humidity highest at dawn, wind varying over the week.
HourlyWeather SyntheticWeather(int day, int hour);
// The smooth year under clouds that change from day to day and within the day: clear,
// broken and overcast days, the irradiance dimmed by up to 80 %, the air cooler and damper
// under cloud. The same numbers on every machine (an integer hash, no random generator).
HourlyWeather CloudyWeather(int day, int hour);

struct WeatherYear {
    std::string stationName = "TEST STATION";
    double latitude = 45.5;   // degrees, north positive
    double longitude = 73.5;  // degrees, west positive (ZEFIR only)
    int days = 365;           // days written; fewer make a file that ends early
    std::function<HourlyWeather(int day, int hour)> hourly = SyntheticWeather;
    std::function<double(int day)> groundReflectance = [](int) { return 0.2; };
};

// Each writer returns false, writing nothing usable, when a value does not fit its format (a
// station name too long for the header, a number outside its field) or the file cannot be
// written.
//
// TMY text: header "KTMY   " + 16-character station name (padded with blanks; at most 16
// characters, no leading blank) + latitude; then per day four lines of 96 characters: day
// number, reflectance and 24 temperatures (degC); 24 irradiances (W/m2); 24 wind speeds
// (km/h); 24 relative humidities (%), all rounded to integers. `lineEnd` is "\n" or "\r\n".
bool WriteKtmyFile(const std::filesystem::path& path, const WeatherYear& year,
                   const std::string& lineEnd = "\n");

// ZEFIR binary: 126-byte header (station name of at most 99 characters, latitude and longitude
// in degrees and whole minutes) and one 194-byte record per day; reflectance in tenths,
// temperature 0.1 degC, humidity ratio 1e-6 kg/kg (from the relative humidity at 101325 Pa),
// wind 0.1 m/s, irradiation kJ/m2 in the hour.
bool WriteZefirFile(const std::filesystem::path& path, const WeatherYear& year);

// Text table: header "Record,Day,Hour,HGlo,TAmb,RelHum,VWind,Albedo", then one line per hour
// of the year (record = 24 (day - 1) + hour), numbers with ten significant digits.
bool WriteWeatherTable(const std::filesystem::path& path, const WeatherYear& year,
                       char separator = ',');

// The 16-bit little-endian integer at `offset` of a byte string, and its replacement.
int ReadInt16(const std::string& bytes, std::size_t offset);
void WriteInt16(std::string& bytes, std::size_t offset, int value);

}  // namespace synthetic

#include "weather_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>

#include "physical_constants.h"
#include "psychrometrics.h"
#include "zefir_file.h"

namespace synthetic {

namespace {

// A mean irradiance in W/m2 over an hour is this many kJ/m2.
constexpr double kKilojoulesPerHourPerWatt = kSecondsPerHour / 1000.0;

// Appends `value` right-aligned in `width` characters; false when it does not fit.
bool AppendField(std::string& line, long value, int width) {
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%*ld", width, value);
    if (n != width) return false;
    line += text;
    return true;
}

bool WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// A number in [0, 1) that looks random from one `n` to the next (a multiplicative hash).
double Scatter(unsigned n) {
    n *= 2654435761U;
    n ^= n >> 15;
    n *= 2246822519U;
    n ^= n >> 13;
    return n / 4294967296.0;
}

}  // namespace

HourlyWeather CloudyWeather(int day, int hour) {
    HourlyWeather w = SyntheticWeather(day, hour);
    const double dayCover = Scatter(static_cast<unsigned>(day));
    const double hourCover = Scatter(static_cast<unsigned>(day * 24 + hour) + 100000U);
    const double cover = std::clamp(1.3 * dayCover - 0.2 + 0.3 * (hourCover - 0.5), 0.0, 1.0);
    w.globalIrradiance *= 1 - 0.8 * cover;
    w.airTemperature -= 3 * cover;
    w.relativeHumidity = std::min(1.0, w.relativeHumidity + 0.15 * cover);
    return w;
}

HourlyWeather SyntheticWeather(int day, int hour) {
    HourlyWeather w;
    const double season = std::sin(2 * std::numbers::pi * (day - 110) / 365.0);
    w.airTemperature = 8 + 14 * season + 5 * std::sin(2 * std::numbers::pi * (hour - 9) / 24.0);
    const double sunUp = std::sin(std::numbers::pi * (hour - 6.5) / 12.0);
    w.globalIrradiance = hour >= 7 && hour <= 18 ? (550 + 300 * season) * sunUp : 0.0;
    w.relativeHumidity = 0.65 + 0.2 * std::cos(2 * std::numbers::pi * (hour - 5) / 24.0);
    w.windSpeed = 3 + 2 * std::sin(2 * std::numbers::pi * day / 7.0) +
                  0.5 * std::sin(std::numbers::pi * hour / 24.0);
    return w;
}

int ReadInt16(const std::string& bytes, std::size_t offset) {
    const auto lo = static_cast<unsigned char>(bytes.at(offset));
    const auto hi = static_cast<unsigned char>(bytes.at(offset + 1));
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

void WriteInt16(std::string& bytes, std::size_t offset, int value) {
    const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    bytes.at(offset) = static_cast<char>(v & 0xFF);
    bytes.at(offset + 1) = static_cast<char>(v >> 8);
}

bool WriteKtmyFile(const std::filesystem::path& path, const WeatherYear& year,
                   const std::string& lineEnd) {
    const std::string& name = year.stationName;
    if (name.size() > 16 || (!name.empty() && (name[0] == ' ' || name[0] == '\t')) ||
        name.find_first_of("\r\n") != std::string::npos)
        return false;
    std::string text = "KTMY   " + name + std::string(16 - name.size(), ' ');
    char latitude[32];
    std::snprintf(latitude, sizeof latitude, " %.2f", year.latitude);
    text += latitude + lineEnd;

    for (int day = 1; day <= year.days; ++day) {
        char head[32];
        std::snprintf(head, sizeof head, "%3d %5.2f", day, year.groundReflectance(day));
        std::string lines[4];
        lines[0] = head;
        if (lines[0].size() > 24) return false;
        lines[0].resize(24, ' ');
        for (int hour = 1; hour <= 24; ++hour) {
            const HourlyWeather w = year.hourly(day, hour);
            if (!AppendField(lines[0], std::lround(w.airTemperature), 3) ||
                !AppendField(lines[1], std::lround(w.globalIrradiance), 4) ||
                !AppendField(lines[2],
                             std::lround(w.windSpeed * kKilometresPerHourPerMetrePerSecond), 4) ||
                !AppendField(lines[3], std::lround(w.relativeHumidity * 100), 4))
                return false;
        }
        for (const std::string& line : lines) text += line + lineEnd;
    }
    return WriteBytes(path, text);
}

bool WriteZefirFile(const std::filesystem::path& path, const WeatherYear& year) {
    ZefirContents contents{year.stationName, year.latitude, year.longitude,
                           std::vector<ZefirDay>(static_cast<std::size_t>(std::max(year.days, 0)))};
    for (int day = 1; day <= year.days; ++day) {
        ZefirDay& values = contents.days[static_cast<std::size_t>(day - 1)];
        values.groundReflectance = year.groundReflectance(day);
        for (int hour = 1; hour <= 24; ++hour) {
            const HourlyWeather w = year.hourly(day, hour);
            values.hours[static_cast<std::size_t>(hour - 1)] = {
                w.airTemperature,
                HumidityRatioFromRelHum(w.airTemperature, w.relativeHumidity, kStandardPressure),
                w.windSpeed, w.globalIrradiance * kKilojoulesPerHourPerWatt};
        }
    }
    const std::optional<std::string> bytes = ZefirFileBytes(contents);
    return bytes && WriteBytes(path, *bytes);
}

bool WriteWeatherTable(const std::filesystem::path& path, const WeatherYear& year, char separator) {
    const char* names[] = {"Record", "Day", "Hour", "HGlo", "TAmb", "RelHum", "VWind", "Albedo"};
    std::string text;
    for (const char* name : names) {
        if (!text.empty()) text += separator;
        text += name;
    }
    text += '\n';
    for (int day = 1; day <= year.days; ++day) {
        for (int hour = 1; hour <= 24; ++hour) {
            const HourlyWeather w = year.hourly(day, hour);
            char line[256];
            const char s = separator;
            std::snprintf(line, sizeof line, "%d%c%d%c%d%c%.10g%c%.10g%c%.10g%c%.10g%c%.10g\n",
                          24 * (day - 1) + hour, s, day, s, hour, s, w.globalIrradiance, s,
                          w.airTemperature, s, w.relativeHumidity, s, w.windSpeed, s,
                          year.groundReflectance(day));
            text += line;
        }
    }
    return WriteBytes(path, text);
}

}  // namespace synthetic

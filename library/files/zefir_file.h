// The ZEFIR binary weather file as a whole: written (the one writer of the format that
// ZEFIRFileReader reads, see weather.h) and read whole. A 126-byte header with the station's name
// and position, then one 194-byte record per day; every number a signed 16-bit little-endian
// integer.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct ZefirHour {
    double airTemperature = 0;  // degC, written in 0.1 degC
    double humidityRatio = 0;   // kg of water per kg of dry air, written in 1e-6
    double windSpeed = 0;       // m/s, written in 0.1 m/s
    double irradiation = 0;     // global horizontal irradiation of the hour, kJ/m2
};

struct ZefirDay {
    double groundReflectance = 0;  // fraction, written in tenths
    std::array<ZefirHour, 24> hours;
};

struct ZefirContents {
    std::string stationName;     // at most kZefirStationNameLength bytes, no NUL
    double latitude = 0;         // degrees, north positive; written in whole minutes
    double longitude = 0;        // degrees, west positive; written in whole minutes
    std::vector<ZefirDay> days;  // 365 for a whole year
};

inline constexpr std::size_t kZefirStationNameLength = 99;
// The largest value a field holds (32767 units).
inline constexpr double kZefirMaximumHumidityRatio = 0.032767;

// The whole file's bytes; nothing when a value does not fit its field (a name too long or
// holding a NUL, a position beyond 999 degrees, a number beyond the 16-bit range).
[[nodiscard]] std::optional<std::string> ZefirFileBytes(const ZefirContents& contents);

// The station of a whole ZEFIR file: its header reads and it holds exactly 365 day records.
struct ZefirStation {
    std::string name;
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, west positive
};
[[nodiscard]] std::optional<ZefirStation> ReadWholeZefirStation(const std::string& path);

// A whole ZEFIR file's year, read through ZEFIRFileReader (irradiation back in kJ/m2).
[[nodiscard]] std::optional<ZefirContents> ReadWholeZefirFile(const std::string& path);

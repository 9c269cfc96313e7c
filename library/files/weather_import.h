// Typical-year weather of real places (EnergyPlus EPW, NREL TMY3 CSV, NREL TMY2) made into a
// ZEFIR city file: one whole year of 365 days in the local standard time of the meridian
// 15 x RoundHalfUp(longitude / 15), the time base the simulation's weather dialog gives a ZEFIR
// file. A file that cannot be converted exactly is refused with the reason, its line and field,
// and nothing is written.
#pragma once

#include <array>
#include <string>
#include <variant>

#include "zefir_file.h"

// Why a weather file was not imported (or not read).
enum class WeatherRefusalKind {
    kCannotRead,         // the file cannot be opened or read; `value`: the system's reason
    kUnknownFormat,      // neither EPW, TMY3 CSV, TMY2 nor ZEFIR
    kBadHeader,          // a header field is not what the format holds; `field`, `value`
    kNoPosition,         // the header gives no latitude or longitude
    kMissingColumn,      // a TMY3 column the import needs is absent; `field`
    kFieldCount,         // a record has `count` fields where `expected` are needed
    kNotANumber,         // `field` holds `value`, which is not a number
    kBadRecordTime,      // the record is not the hour that follows: it is `time`, `expected` was
    kTooFewRecords,      // the file ends after `count` hourly records
    kTooManyRecords,     // records follow the last hour of 31 December
    kGap,                // `field` is missing for `count` hours from `time`
    kOutOfRange,         // `field` is `value`, outside `minimum` .. `maximum`
    kBadName,            // `value` leaves no usable file name
    kDestinationExists,  // `file` (the destination) exists and replacing it was not asked for
    kCannotWrite,        // `file` (the destination) cannot be written; `value`: the reason
};

// A record's date and hour in the source's calendar (hour 1 to 24, hour-ending).
struct WeatherRecordTime {
    int month = 0;
    int day = 0;
    int hour = 0;

    bool operator==(const WeatherRecordTime&) const = default;
};

struct WeatherRefusal {
    WeatherRefusalKind kind = WeatherRefusalKind::kCannotRead;
    std::string file;   // the source file, or the destination for the last two kinds
    int line = 0;       // line of `file` from 1; 0 when the reason belongs to no line
    std::string field;  // the field as the file's format names it; empty when none
    std::string value;  // the value as written, a name, or the system's reason
    WeatherRecordTime time;
    WeatherRecordTime expected;
    int count = 0;
    int expectedCount = 0;
    double minimum = 0;
    double maximum = 0;
};

// The city file written by an import.
struct ImportedCity {
    std::string path;         // the ZEFIR file written
    std::string stationName;  // the name its header holds, as the city lists show it
};

// Converts the EPW, TMY3 CSV or TMY2 file `source` (or copies the ZEFIR file) into a ZEFIR file of
// `destinationFolder` (created when missing). `name` is the city's name, written in the file's
// header and giving the file its name (characters a file name cannot hold replaced); empty takes
// the station's name from the source (city, region and country where it has them). The file is
// written under a temporary name and renamed once whole; an existing file of that name is refused
// (kDestinationExists) unless `replace`.
[[nodiscard]] std::variant<ImportedCity, WeatherRefusal> ImportWeatherFile(
    const std::string& source, const std::string& destinationFolder, const std::string& name,
    bool replace);

// A weather file of any of the four formats as the year a ZEFIR file holds: for EPW, TMY3 and
// TMY2 the year converted exactly as ImportWeatherFile writes it.
struct WeatherYearRead {
    std::string format;      // "EPW", "TMY3", "TMY2" or "ZEFIR"
    double timeZone = 0;     // hours from UTC of the source's time, east positive
    double meridian = 0;     // degrees west of the year's standard time: 15 x RoundHalfUp(lon / 15)
    ZefirContents contents;  // station name, position (north and west positive), 365 days
};
[[nodiscard]] std::variant<WeatherYearRead, WeatherRefusal> ReadWeatherYear(
    const std::string& path);

// Monthly figures of a year of ZEFIR days.
struct MonthWeather {
    double meanAirTemperature = 0;  // degC
    double meanHumidityRatio = 0;   // kg/kg
    double meanWindSpeed = 0;       // m/s
    double irradiation = 0;         // global horizontal, kWh/m2
};
std::array<MonthWeather, 12> MonthlyWeather(const ZefirContents& contents);

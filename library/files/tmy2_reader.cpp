#include "tmy2_reader.h"

#include <cmath>
#include <limits>
#include <optional>
#include <sstream>

namespace {

constexpr std::size_t kRecordLength = 98;  // the last column read
constexpr double kPascalsPerMillibar = 100;

// A field by its first and last column (from 1), the factor to the units of WeatherQuantity and
// its name in messages.
struct Tmy2Field {
    WeatherQuantity quantity;
    std::size_t first;
    std::size_t last;
    double factor;
    std::string_view name;
};
constexpr Tmy2Field kFields[] = {
    {kGlobalIrradiation, 18, 21, 1, "global horizontal radiation (columns 18-21)"},
    {kAirTemperature, 68, 71, 0.1, "dry-bulb temperature (columns 68-71)"},
    {kDewPoint, 74, 77, 0.1, "dew-point temperature (columns 74-77)"},
    {kRelativeHumidity, 80, 82, 1, "relative humidity (columns 80-82)"},
    {kPressure, 85, 88, kPascalsPerMillibar, "pressure (columns 85-88)"},
    {kWindSpeed, 96, 98, 0.1, "wind speed (columns 96-98)"},
};

struct DateField {
    std::size_t first;
    std::size_t last;
    std::string_view name;
};
constexpr DateField kDateFields[] = {
    {4, 5, "month (columns 4-5)"}, {6, 7, "day (columns 6-7)"}, {8, 9, "hour (columns 8-9)"}};

std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
    return line.substr(first - 1, last - first + 1);
}

bool AllNines(std::string_view field) {
    return field.find_first_not_of('9') == std::string_view::npos;
}

// The header's words: WBAN, city (one word or more), state, time zone, N|S, degrees, minutes,
// W|E, degrees, minutes, elevation.
std::variant<SourceStation, WeatherRefusal> ReadHeader(std::string_view line,
                                                       const std::string& file) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    const std::size_t n = words.size();
    if (n < 10) return RefuseAt(WeatherRefusalKind::kNoPosition, file, 1);
    const std::string& northSouth = words[n - 7];
    const std::string& westEast = words[n - 4];
    if (northSouth != "N" && northSouth != "S")
        return RefuseAt(WeatherRefusalKind::kBadHeader, file, 1, "latitude", northSouth);
    if (westEast != "W" && westEast != "E")
        return RefuseAt(WeatherRefusalKind::kBadHeader, file, 1, "longitude", westEast);

    SourceStation station;
    for (std::size_t i = 1; i + 9 < n; ++i) AppendNamePart(station.name, words[i]);
    double numbers[6] = {};
    constexpr std::size_t kPlaces[] = {8, 6, 5, 3, 2, 1};  // from the end
    constexpr std::string_view kNames[] = {"time zone", "latitude",  "latitude",
                                           "longitude", "longitude", "elevation"};
    for (std::size_t i = 0; i < 6; ++i)
        if (!ParseWholeNumber(words[n - kPlaces[i]], numbers[i]))
            return RefuseAt(WeatherRefusalKind::kNotANumber, file, 1, kNames[i],
                            words[n - kPlaces[i]]);
    AppendNamePart(station.name, words[n - 9]);  // the state
    station.timeZone = numbers[0];
    station.latitude = (numbers[1] + numbers[2] / 60) * (northSouth == "S" ? -1 : 1);
    station.longitude = (numbers[3] + numbers[4] / 60) * (westEast == "W" ? -1 : 1);
    station.elevation = numbers[5];
    return station;
}

}  // namespace

bool LooksLikeTmy2(std::string_view text) {
    TextLines lines(text);
    std::string_view line;
    if (!lines.Next(line) || line.size() < 50 || line.size() > 80) return false;
    if (!lines.Next(line) || line.size() < kRecordLength) return false;
    int month = 0;
    return ParseWholeInteger(Columns(line, 4, 5), month);
}

SourceRead ReadTmy2Text(std::string_view text, const std::string& file) {
    TextLines lines(text);
    SourceRead start = StartSource(lines, file, ReadHeader);
    if (std::holds_alternative<WeatherRefusal>(start)) return start;
    SourceWeather& weather = std::get<SourceWeather>(start);
    std::string_view line;
    weather.fieldNames[kAlbedo] = "albedo";
    for (const Tmy2Field& field : kFields) weather.fieldNames[field.quantity] = field.name;

    weather.hours.reserve(8784);
    while (lines.Next(line)) {
        if (IsBlank(line)) continue;
        if (line.size() < kRecordLength)
            return FieldCountRefusal(file, lines.Number(), line.size(), kRecordLength);
        SourceHour hour;
        hour.line = lines.Number();
        int* date[] = {&hour.time.month, &hour.time.day, &hour.time.hour};
        for (std::size_t i = 0; i < 3; ++i) {
            const std::string_view value = Columns(line, kDateFields[i].first, kDateFields[i].last);
            if (!ParseWholeInteger(value, *date[i]))
                return RefuseAt(WeatherRefusalKind::kNotANumber, file, hour.line,
                                kDateFields[i].name, value);
        }
        hour.values.fill(std::numeric_limits<double>::quiet_NaN());
        for (const Tmy2Field& field : kFields) {
            const std::string_view textValue = Columns(line, field.first, field.last);
            double value = 0;
            if (!ParseWholeNumber(textValue, value))
                return RefuseAt(WeatherRefusalKind::kNotANumber, file, hour.line, field.name,
                                textValue);
            if (!AllNines(textValue)) hour.values[field.quantity] = value * field.factor;
        }
        weather.hours.push_back(hour);
    }
    weather.lastLine = lines.Number();
    return start;
}

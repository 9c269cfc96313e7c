#include "epw_reader.h"

#include <cmath>
#include <limits>

namespace {

constexpr int kHeaderLines = 8;
constexpr std::size_t kRecordFields = 35;
constexpr std::string_view kLocationKeyword = "LOCATION";

// The field (from 1) of each quantity, its missing code and its name in messages.
struct EpwField {
    WeatherQuantity quantity;
    std::size_t number;
    double missingCode;
    std::string_view name;
};
constexpr EpwField kFields[] = {
    {kAirTemperature, 7, 99.9, "dry-bulb temperature (field 7)"},
    {kDewPoint, 8, 99.9, "dew-point temperature (field 8)"},
    {kRelativeHumidity, 9, 999, "relative humidity (field 9)"},
    {kPressure, 10, 999999, "station pressure (field 10)"},
    {kGlobalIrradiation, 14, 9999, "global horizontal radiation (field 14)"},
    {kWindSpeed, 22, 999, "wind speed (field 22)"},
    {kAlbedo, 33, 999, "albedo (field 33)"},
};

constexpr std::string_view kDateFieldNames[] = {"month (field 2)", "day (field 3)",
                                                "hour (field 4)"};

// The LOCATION line: station and position.
std::variant<SourceStation, WeatherRefusal> ReadLocation(std::string_view line,
                                                         const std::string& file) {
    const std::vector<std::string> fields = SplitCommaFields(line);
    if (fields.size() < 10 || IsBlank(fields[6]) || IsBlank(fields[7]))
        return RefuseAt(WeatherRefusalKind::kNoPosition, file, 1);
    SourceStation station;
    for (std::size_t i = 1; i <= 3; ++i) {
        const std::string part = TrimmedField(fields[i]);
        if (part.empty() || part == "-") continue;
        if (!station.name.empty()) station.name += ' ';
        station.name += part;
    }
    constexpr std::string_view kNames[] = {"latitude", "longitude", "time zone", "elevation"};
    double* values[] = {&station.latitude, &station.longitude, &station.timeZone,
                        &station.elevation};
    for (std::size_t i = 0; i < 4; ++i)
        if (!ParseWholeNumber(fields[6 + i], *values[i]))
            return RefuseAt(WeatherRefusalKind::kNotANumber, file, 1, kNames[i], fields[6 + i]);
    return station;
}

}  // namespace

bool LooksLikeEpw(std::string_view text) {
    return text.starts_with(kLocationKeyword);
}

SourceRead ReadEpwText(std::string_view text, const std::string& file) {
    TextLines lines(text);
    std::string_view line;
    if (!lines.Next(line) || !line.starts_with(kLocationKeyword))
        return RefuseAt(WeatherRefusalKind::kUnknownFormat, file, 0);

    SourceWeather weather;
    weather.file = file;
    auto location = ReadLocation(line, file);
    if (auto* refusal = std::get_if<WeatherRefusal>(&location)) return *refusal;
    weather.station = std::get<SourceStation>(location);
    for (const EpwField& field : kFields) weather.fieldNames[field.quantity] = field.name;

    for (int n = 2; n <= kHeaderLines; ++n)
        if (!lines.Next(line)) return RefuseAt(WeatherRefusalKind::kTooFewRecords, file, n);

    weather.hours.reserve(8784);
    while (lines.Next(line)) {
        if (line.empty() && lines.Number() > kHeaderLines) continue;
        const std::vector<std::string> fields = SplitCommaFields(line);
        if (fields.size() < kRecordFields) {
            WeatherRefusal refusal =
                RefuseAt(WeatherRefusalKind::kFieldCount, file, lines.Number());
            refusal.count = static_cast<int>(fields.size());
            refusal.expectedCount = static_cast<int>(kRecordFields);
            return refusal;
        }
        SourceHour hour;
        hour.line = lines.Number();
        int* date[] = {&hour.time.month, &hour.time.day, &hour.time.hour};
        for (std::size_t i = 0; i < 3; ++i) {
            double value = 0;
            if (!ParseWholeNumber(fields[1 + i], value) || value != std::floor(value) ||
                std::fabs(value) > 100)
                return RefuseAt(WeatherRefusalKind::kNotANumber, file, hour.line,
                                kDateFieldNames[i], fields[1 + i]);
            *date[i] = static_cast<int>(value);
        }
        for (const EpwField& field : kFields) {
            const std::string& textValue = fields[field.number - 1];
            double value = std::numeric_limits<double>::quiet_NaN();
            if (!IsBlank(textValue) && !ParseWholeNumber(textValue, value))
                return RefuseAt(WeatherRefusalKind::kNotANumber, file, hour.line, field.name,
                                textValue);
            if (value >= field.missingCode) value = std::numeric_limits<double>::quiet_NaN();
            hour.values[field.quantity] = value;
        }
        weather.hours.push_back(hour);
    }
    weather.lastLine = lines.Number();
    return weather;
}

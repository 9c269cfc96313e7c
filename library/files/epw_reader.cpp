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
    for (std::size_t i = 1; i <= 3; ++i)
        if (const std::string part = TrimmedField(fields[i]); part != "-")
            AppendNamePart(station.name, part);
    constexpr StationNumber kNumbers[] = {{&SourceStation::latitude, 6, "latitude"},
                                          {&SourceStation::longitude, 7, "longitude"},
                                          {&SourceStation::timeZone, 8, "time zone"},
                                          {&SourceStation::elevation, 9, "elevation"}};
    if (auto refusal = ReadStationNumbers(fields, kNumbers, file, station)) return *refusal;
    return station;
}

}  // namespace

bool LooksLikeEpw(std::string_view text) {
    return text.starts_with(kLocationKeyword);
}

SourceRead ReadEpwText(std::string_view text, const std::string& file) {
    if (!LooksLikeEpw(text)) return RefuseAt(WeatherRefusalKind::kUnknownFormat, file, 0);
    TextLines lines(text);
    SourceRead start = StartSource(lines, file, ReadLocation);
    if (std::holds_alternative<WeatherRefusal>(start)) return start;
    SourceWeather& weather = std::get<SourceWeather>(start);
    std::string_view line;
    for (const EpwField& field : kFields) weather.fieldNames[field.quantity] = field.name;

    for (int n = 2; n <= kHeaderLines; ++n)
        if (!lines.Next(line)) return RefuseAt(WeatherRefusalKind::kTooFewRecords, file, n);

    weather.hours.reserve(8784);
    while (lines.Next(line)) {
        if (line.empty() && lines.Number() > kHeaderLines) continue;
        const std::vector<std::string> fields = SplitCommaFields(line);
        if (fields.size() < kRecordFields)
            return FieldCountRefusal(file, lines.Number(), fields.size(), kRecordFields);
        SourceHour hour;
        hour.line = lines.Number();
        int* date[] = {&hour.time.month, &hour.time.day, &hour.time.hour};
        for (std::size_t i = 0; i < 3; ++i)
            if (!ParseWholeInteger(fields[1 + i], *date[i]))
                return RefuseAt(WeatherRefusalKind::kNotANumber, file, hour.line,
                                kDateFieldNames[i], fields[1 + i]);
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
    return start;
}

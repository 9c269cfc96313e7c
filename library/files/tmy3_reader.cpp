#include "tmy3_reader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr std::string_view kDateColumn = "Date (MM/DD/YYYY)";
constexpr std::string_view kTimeColumn = "Time (HH:MM)";
constexpr double kMissing = -9900;
constexpr double kPascalsPerMillibar = 100;

struct Tmy3Column {
    WeatherQuantity quantity;
    std::string_view name;
    bool required;
};
constexpr Tmy3Column kColumns[] = {
    {kAirTemperature, "Dry-bulb (C)", true},   {kDewPoint, "Dew-point (C)", true},
    {kRelativeHumidity, "RHum (%)", true},     {kPressure, "Pressure (mbar)", true},
    {kGlobalIrradiation, "GHI (W/m^2)", true}, {kWindSpeed, "Wspd (m/s)", true},
    {kAlbedo, "Alb (unitless)", false},
};

std::optional<std::size_t> ColumnIndex(const std::vector<std::string>& names,
                                       std::string_view name) {
    const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& column) {
        return TrimmedField(column) == name;
    });
    if (found == names.end()) return std::nullopt;
    return static_cast<std::size_t>(found - names.begin());
}

std::variant<SourceStation, WeatherRefusal> ReadStationLine(std::string_view line,
                                                            const std::string& file) {
    const std::vector<std::string> fields = SplitCommaFields(line);
    if (fields.size() < 7 || IsBlank(fields[4]) || IsBlank(fields[5]))
        return RefuseAt(WeatherRefusalKind::kNoPosition, file, 1);
    SourceStation station;
    for (std::size_t i = 1; i <= 2; ++i) AppendNamePart(station.name, TrimmedField(fields[i]));
    constexpr StationNumber kNumbers[] = {{&SourceStation::timeZone, 3, "time zone"},
                                          {&SourceStation::latitude, 4, "latitude"},
                                          {&SourceStation::longitude, 5, "longitude"},
                                          {&SourceStation::elevation, 6, "elevation"}};
    if (auto refusal = ReadStationNumbers(fields, kNumbers, file, station)) return *refusal;
    return station;
}

// Whole numbers separated by `separator` ("MM/DD/YYYY", "HH:MM"); false unless `count` read.
bool ReadNumberGroup(std::string_view field, char separator, int* numbers, std::size_t count) {
    const std::string trimmed = TrimmedField(field);
    std::string_view text = trimmed;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t end = std::min(text.find(separator), text.size());
        if (!ParseWholeInteger(text.substr(0, end), numbers[i])) return false;
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return text.empty();
}

}  // namespace

bool LooksLikeTmy3(std::string_view text) {
    TextLines lines(text);
    std::string_view line;
    if (!lines.Next(line) || !lines.Next(line)) return false;
    return line.starts_with(kDateColumn);
}

SourceRead ReadTmy3Text(std::string_view text, const std::string& file) {
    TextLines lines(text);
    SourceRead start = StartSource(lines, file, ReadStationLine);
    if (std::holds_alternative<WeatherRefusal>(start)) return start;
    SourceWeather& weather = std::get<SourceWeather>(start);
    std::string_view line;
    if (!lines.Next(line)) return RefuseAt(WeatherRefusalKind::kTooFewRecords, file, 2);
    const std::vector<std::string> names = SplitCommaFields(line);
    std::optional<std::size_t> columns[kQuantityCount];
    for (const Tmy3Column& column : kColumns) {
        columns[column.quantity] = ColumnIndex(names, column.name);
        weather.fieldNames[column.quantity] = column.name;
        if (column.required && !columns[column.quantity])
            return RefuseAt(WeatherRefusalKind::kMissingColumn, file, 2, column.name);
    }
    const auto dateColumn = ColumnIndex(names, kDateColumn);
    const auto timeColumn = ColumnIndex(names, kTimeColumn);
    if (!dateColumn) return RefuseAt(WeatherRefusalKind::kMissingColumn, file, 2, kDateColumn);
    if (!timeColumn) return RefuseAt(WeatherRefusalKind::kMissingColumn, file, 2, kTimeColumn);

    weather.hours.reserve(8784);
    while (lines.Next(line)) {
        if (IsBlank(line)) continue;
        const std::vector<std::string> fields = SplitCommaFields(line);
        if (fields.size() < names.size())
            return FieldCountRefusal(file, lines.Number(), fields.size(), names.size());
        SourceHour hour;
        hour.line = lines.Number();
        int date[3] = {};
        int time[2] = {};
        if (!ReadNumberGroup(fields[*dateColumn], '/', date, 3))
            return RefuseAt(WeatherRefusalKind::kNotANumber, file, hour.line, kDateColumn,
                            fields[*dateColumn]);
        if (!ReadNumberGroup(fields[*timeColumn], ':', time, 2) || time[1] != 0)
            return RefuseAt(WeatherRefusalKind::kNotANumber, file, hour.line, kTimeColumn,
                            fields[*timeColumn]);
        hour.time = {date[0], date[1], time[0]};
        hour.values.fill(std::numeric_limits<double>::quiet_NaN());
        for (const Tmy3Column& column : kColumns) {
            if (!columns[column.quantity]) continue;
            const std::string& textValue = fields[*columns[column.quantity]];
            double value = 0;
            if (!ParseWholeNumber(textValue, value))
                return RefuseAt(WeatherRefusalKind::kNotANumber, file, hour.line, column.name,
                                textValue);
            if (value == kMissing) continue;
            hour.values[column.quantity] =
                column.quantity == kPressure ? value * kPascalsPerMillibar : value;
        }
        weather.hours.push_back(hour);
    }
    weather.lastLine = lines.Number();
    return start;
}

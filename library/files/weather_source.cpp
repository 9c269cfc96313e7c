#include "weather_source.h"

#include <cmath>

#include "number_text.h"

bool TextLines::Next(std::string_view& line) {
    if (position_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', position_);
    if (end == std::string_view::npos) end = text_.size();
    line = text_.substr(position_, end - position_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    position_ = end + 1;
    ++number_;
    return true;
}

std::vector<std::string> SplitCommaFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                fields.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += line[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string TrimmedField(std::string_view field) {
    return std::string(WithoutBlanks(field));
}

bool IsBlank(std::string_view field) {
    return WithoutBlanks(field).empty();
}

bool ParseWholeNumber(std::string_view field, double& value) {
    const std::optional<double> number = NumberFromText(field);
    if (!number || !std::isfinite(*number)) return false;
    value = *number;
    return true;
}

WeatherRefusal RefuseAt(WeatherRefusalKind kind, const std::string& file, int line,
                        std::string_view field, std::string_view value) {
    WeatherRefusal refusal;
    refusal.kind = kind;
    refusal.file = file;
    refusal.line = line;
    refusal.field = field;
    refusal.value = value;
    return refusal;
}

bool ParseWholeInteger(std::string_view field, int& value) {
    double number = 0;
    if (!ParseWholeNumber(field, number) || number != std::floor(number) ||
        std::fabs(number) > 99999)
        return false;
    value = static_cast<int>(number);
    return true;
}

void AppendNamePart(std::string& name, std::string_view part) {
    if (part.empty()) return;
    if (!name.empty()) name += ' ';
    name += part;
}

std::optional<WeatherRefusal> ReadStationNumbers(const std::vector<std::string>& fields,
                                                 std::span<const StationNumber> numbers,
                                                 const std::string& file, SourceStation& station) {
    for (const StationNumber& number : numbers)
        if (!ParseWholeNumber(fields[number.field], station.*number.member))
            return RefuseAt(WeatherRefusalKind::kNotANumber, file, 1, number.name,
                            fields[number.field]);
    return std::nullopt;
}

WeatherRefusal FieldCountRefusal(const std::string& file, int line, std::size_t count,
                                 std::size_t expected) {
    WeatherRefusal refusal = RefuseAt(WeatherRefusalKind::kFieldCount, file, line);
    refusal.count = static_cast<int>(count);
    refusal.expectedCount = static_cast<int>(expected);
    return refusal;
}

SourceRead StartSource(TextLines& lines, const std::string& file, StationReader readStation) {
    std::string_view line;
    if (!lines.Next(line)) return RefuseAt(WeatherRefusalKind::kUnknownFormat, file, 0);
    auto station = readStation(line, file);
    if (auto* refusal = std::get_if<WeatherRefusal>(&station)) return *refusal;
    SourceWeather weather;
    weather.file = file;
    weather.station = std::get<SourceStation>(station);
    return weather;
}

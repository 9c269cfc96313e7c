// One typical year of hourly weather as a public weather file gives it, before conversion: what
// the readers of EPW, TMY3 CSV and TMY2 files have in common, and the text helpers they share.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "weather_import.h"

// The quantities read from each hour, in the units below whatever the file's own.
enum WeatherQuantity : int {
    kAirTemperature,     // degC
    kDewPoint,           // degC
    kRelativeHumidity,   // %
    kPressure,           // station pressure, Pa
    kGlobalIrradiation,  // global horizontal irradiation of the hour, Wh/m2
    kWindSpeed,          // m/s
    kAlbedo,             // ground reflectance, fraction
    kQuantityCount
};

// The values of one hour: quiet NaN where the file marks a value missing.
struct SourceHour {
    WeatherRecordTime time;  // the file's date and hour (hour-ending, 1 to 24)
    int line = 0;            // line of the file, from 1
    std::array<double, kQuantityCount> values{};
};

struct SourceStation {
    std::string name;      // city, region and country where the file has them
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    double timeZone = 0;   // hours from UTC of the file's standard time, east positive
    double elevation = 0;  // metres above sea level
};

struct SourceWeather {
    std::string file;
    SourceStation station;
    // How the file's format names each quantity, for the messages.
    std::array<std::string_view, kQuantityCount> fieldNames{};
    std::vector<SourceHour> hours;  // in the file's order
    int lastLine = 0;               // the file's last line
};

using SourceRead = std::variant<SourceWeather, WeatherRefusal>;

// The lines of a text, numbered from 1, each without its line end (LF or CRLF; the last line
// may have none).
class TextLines {
  public:
    explicit TextLines(std::string_view text) : text_(text) {}
    // The next line; false at the end of the text.
    bool Next(std::string_view& line);
    int Number() const { return number_; }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
    int number_ = 0;
};

// The comma-separated fields of a line; a field in double quotes may hold commas (its quotes
// are removed, "" stands for one quote).
std::vector<std::string> SplitCommaFields(std::string_view line);

// A field without the blanks around it; whether it holds nothing else.
std::string TrimmedField(std::string_view field);
[[nodiscard]] bool IsBlank(std::string_view field);

// A whole field as a number in the C notation, blanks around it allowed; false when it is not.
[[nodiscard]] bool ParseWholeNumber(std::string_view field, double& value);

// A whole field as a whole number of at most five digits (a date, an hour); false when it is
// not.
[[nodiscard]] bool ParseWholeInteger(std::string_view field, int& value);

// Adds a part of the station's name (city, region, country) after a blank.
void AppendNamePart(std::string& name, std::string_view part);

// A station number of a header: where it lies among the header's fields and its name.
struct StationNumber {
    double SourceStation::*member;
    std::size_t field;  // from 0
    std::string_view name;
};
// Reads the numbers of `station` from the header line's `fields`; a refusal at line 1 when one
// is not a number.
[[nodiscard]] std::optional<WeatherRefusal> ReadStationNumbers(
    const std::vector<std::string>& fields, std::span<const StationNumber> numbers,
    const std::string& file, SourceStation& station);

// The refusals the readers share.
WeatherRefusal RefuseAt(WeatherRefusalKind kind, const std::string& file, int line,
                        std::string_view field = {}, std::string_view value = {});
WeatherRefusal FieldCountRefusal(const std::string& file, int line, std::size_t count,
                                 std::size_t expected);

// Reads the first line of `lines` with `readStation`: a source with its station, or the
// refusal. An empty text is of no known format.
using StationReader = std::variant<SourceStation, WeatherRefusal> (*)(std::string_view line,
                                                                      const std::string& file);
SourceRead StartSource(TextLines& lines, const std::string& file, StationReader readStation);

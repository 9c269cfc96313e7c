// One typical year of hourly weather as a public weather file gives it, before conversion: what
// the readers of EPW, TMY3 CSV and TMY2 files have in common, and the text helpers they share.
#pragma once

#include <array>
#include <cstddef>
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

// Refusal helpers shared by the readers.
WeatherRefusal RefuseAt(WeatherRefusalKind kind, const std::string& file, int line,
                        std::string_view field = {}, std::string_view value = {});

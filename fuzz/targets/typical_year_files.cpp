// Fuzz entries of the typical-year weather files that are imported as cities: EPW, TMY3 CSV and
// TMY2.
#include <algorithm>
#include <string>
#include <string_view>
#include <variant>

#include "epw_reader.h"
#include "fuzz_support.h"
#include "tmy2_reader.h"
#include "tmy3_reader.h"
#include "weather_import.h"
#include "zefir_file.h"

namespace fuzz {

namespace {

// A refusal names the file and a line of it (or none); a source read names every hour's line
// in order.
void CheckRead(const SourceRead& read, std::string_view text) {
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (const auto* refusal = std::get_if<WeatherRefusal>(&read)) {
        Require(refusal->file == "fuzz" && refusal->line >= 0 && refusal->line <= lines + 1);
        return;
    }
    int previous = 0;
    for (const SourceHour& hour : std::get<SourceWeather>(read).hours) {
        Require(hour.line > previous && hour.line <= lines);
        previous = hour.line;
    }
}

// The import of the file: a city file written whole, or a refusal and no file.
void CheckImport(const std::string& name) {
    const auto result = ImportWeatherFile(name, "fuzz_cities", "", true);
    if (const auto* city = std::get_if<ImportedCity>(&result))
        Require(ReadWholeZefirStation(city->path).has_value());
}

template <class Reader>
void ReadAndImport(Bytes bytes, const std::string& name, Reader read) {
    QuietMessages quiet;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    CheckRead(read(text, "fuzz"), text);
    WriteInput(name, bytes);
    CheckImport(name);
}

}  // namespace

void EpwWeather(Bytes bytes) {
    ReadAndImport(bytes, "fuzz.epw", ReadEpwText);
}

void Tmy3Weather(Bytes bytes) {
    ReadAndImport(bytes, "fuzz.csv", ReadTmy3Text);
}

void Tmy2Weather(Bytes bytes) {
    ReadAndImport(bytes, "fuzz.tm2", ReadTmy2Text);
}

}  // namespace fuzz

#include "weather_command.h"

#include <cstdio>
#include <optional>
#include <variant>

#include "helpers.h"
#include "weather_import.h"
#include "weather_refusal_text.h"

namespace {

struct ImportRequest {
    std::vector<std::string> files;
    std::string folder;
    std::string name;
    bool replace = false;
};

// The import's files and options; nothing after the reason written to `err`.
std::optional<ImportRequest> ParseImport(const std::vector<std::string>& arguments,
                                         const std::string& climateFolder, std::ostream& err) {
    ImportRequest request{{}, climateFolder, {}, false};
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--replace") {
            request.replace = true;
        } else if (argument == "--into" || argument == "--name") {
            if (i + 1 == arguments.size()) {
                err << FormatResString(kStrWeatherOptionValue, argument) << "\n";
                return std::nullopt;
            }
            (argument == "--into" ? request.folder : request.name) = arguments[++i];
        } else if (argument.starts_with("--")) {
            err << FormatResString(kStrWeatherUnknownOption, argument) << "\n";
            return std::nullopt;
        } else {
            request.files.push_back(argument);
        }
    }
    if (request.files.empty()) {
        err << LoadResString(kStrWeatherNoFiles) << "\n";
        return std::nullopt;
    }
    if (!request.name.empty() && request.files.size() > 1) {
        err << LoadResString(kStrWeatherNameOneFile) << "\n";
        return std::nullopt;
    }
    return request;
}

int Import(const ImportRequest& request, std::ostream& out, std::ostream& err) {
    int status = 0;
    for (const std::string& file : request.files) {
        auto result = ImportWeatherFile(file, request.folder, request.name, request.replace);
        if (const auto* refusal = std::get_if<WeatherRefusal>(&result)) {
            err << WeatherRefusalText(*refusal) << "\n";
            status = 1;
            continue;
        }
        const ImportedCity& city = std::get<ImportedCity>(result);
        out << FormatResString(kStrWeatherImported, file, city.stationName, city.path) << "\n";
    }
    return status;
}

// `text` followed by blanks up to `width` characters (UTF-8 sequences count as one).
std::string Padded(std::string text, std::size_t width) {
    std::size_t characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    if (characters < width) text.append(width - characters, ' ');
    return text;
}

std::string MonthRow(const std::string& label, const MonthWeather& m) {
    char numbers[128];
    std::snprintf(numbers, sizeof numbers, "%10.2f %14.5f %10.2f %15.1f", m.meanAirTemperature,
                  m.meanHumidityRatio, m.meanWindSpeed, m.irradiation);
    return Padded(label, 6) + numbers;
}

int Show(const std::string& file, std::ostream& out, std::ostream& err) {
    auto result = ReadWeatherYear(file);
    if (const auto* refusal = std::get_if<WeatherRefusal>(&result)) {
        err << WeatherRefusalText(*refusal) << "\n";
        return 1;
    }
    const WeatherYearRead& year = std::get<WeatherYearRead>(result);
    const ZefirContents& contents = year.contents;
    out << FormatResString(kStrWeatherShowFile, file, year.format) << "\n"
        << FormatResString(kStrWeatherShowStation, contents.stationName) << "\n"
        << FormatResString(kStrWeatherShowPosition, contents.latitude, contents.longitude) << "\n"
        << FormatResString(kStrWeatherShowTimeZone, year.timeZone, year.meridian,
                           -year.meridian / 15)
        << "\n"
        << LoadResString(kStrWeatherShowHeadings) << "\n";
    const std::array<MonthWeather, 12> months = MonthlyWeather(contents);
    MonthWeather whole;
    for (std::size_t m = 0; m < months.size(); ++m) {
        out << MonthRow(std::to_string(m + 1), months[m]) << "\n";
        const double share = DaysInMonth(static_cast<int>(m) + 1, 0) / double(kDaysPerYear);
        whole.meanAirTemperature += months[m].meanAirTemperature * share;
        whole.meanHumidityRatio += months[m].meanHumidityRatio * share;
        whole.meanWindSpeed += months[m].meanWindSpeed * share;
        whole.irradiation += months[m].irradiation;
    }
    out << MonthRow(LoadResString(kStrWeatherShowYear), whole) << "\n";
    return 0;
}

}  // namespace

int RunWeatherCommand(const std::vector<std::string>& arguments, const std::string& climateFolder,
                      std::ostream& out, std::ostream& err) {
    const std::string command = arguments.empty() ? std::string() : arguments[0];
    if (command == "--help" || command == "-h") {
        out << FormatResString(kStrWeatherUsage, climateFolder) << "\n";
        return 0;
    }
    if (command == "import") {
        const std::optional<ImportRequest> request = ParseImport(arguments, climateFolder, err);
        return request ? Import(*request, out, err) : 2;
    }
    if (command == "show" && arguments.size() == 2) return Show(arguments[1], out, err);
    err << (command.empty() || command == "show"
                ? FormatResString(kStrWeatherUsage, climateFolder)
                : FormatResString(kStrWeatherUnknownCommand, command))
        << "\n";
    return 2;
}

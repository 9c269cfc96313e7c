#include "city_list.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "file_kind.h"
#include "frontend_globals.h"
#include "text_encoding.h"
#include "zefir_file.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kSkippedBytes = 2;
constexpr std::size_t kMaximumNameLength = 98;

bool IsZefirFile(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".zfw";
}

}  // namespace

std::optional<std::string> ReadCityName(const std::string& path) {
    std::ifstream in = OpenRegularFile(path);
    if (!in) return std::nullopt;
    char header[kSkippedBytes + kMaximumNameLength];
    in.read(header, sizeof header);
    if (in.bad()) return std::nullopt;
    const auto count = static_cast<std::size_t>(in.gcount());
    std::string name;
    for (std::size_t i = kSkippedBytes; i < count; ++i) {
        if (header[i] == '\0' || header[i] == '\n') break;
        name += header[i];
    }
    name = NameAsUtf8(name);
    const std::size_t last = name.find_last_not_of(" \t\r\f\v");
    name.erase(last == std::string::npos ? 0 : last + 1);
    return name;
}

std::vector<WeatherCity> ListWeatherCities(const std::string& climateFolder) {
    std::vector<WeatherCity> cities;
    std::error_code error;
    for (fs::directory_iterator entry(climateFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code notRegular;
        if (!IsZefirFile(entry->path()) || !entry->is_regular_file(notRegular)) continue;
        // A file that is no whole ZEFIR year would only fail at Run.
        const std::string path = entry->path().string();
        const std::optional<ZefirStation> station = ReadWholeZefirStation(path);
        if (!station) continue;
        if (auto city = ReadCityName(path))
            cities.push_back({entry->path().filename().string(), std::move(*city),
                              station->latitude, station->longitude});
    }
    std::sort(cities.begin(), cities.end(),
              [](const WeatherCity& a, const WeatherCity& b) { return a.fileName < b.fileName; });
    return cities;
}

void LoadCityList() {
    g_CityNames.clear();
    g_WeatherFileNames.clear();
    for (WeatherCity& city : ListWeatherCities(g_strClimateFolder)) {
        g_WeatherFileNames.push_back(std::move(city.fileName));
        g_CityNames.push_back(std::move(city.cityName));
    }
}

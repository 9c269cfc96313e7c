#include "city_rows.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "city_list.h"
#include "city_list_texts.h"
#include "frontend_globals.h"
#include "user_interface.h"
#include "weather_import.h"
#include "weather_refusal_text.h"

namespace fs = std::filesystem;

std::string FormatPosition(double degrees, int positive, int negative) {
    const long minutes = std::lround(std::fabs(degrees) * 60.0);
    return std::to_string(minutes / 60) + "° " + std::to_string(minutes % 60) + "' " +
           LoadResString(degrees < 0 ? negative : positive);
}

std::vector<CityRow> ListCityRows(const std::string& climateFolder) {
    std::vector<CityRow> rows;
    for (WeatherCity& city : ListWeatherCities(climateFolder))
        // West is positive in the weather files.
        rows.push_back({std::move(city.fileName), std::move(city.cityName),
                        FormatPosition(city.latitude, kStrNorth, kStrSouth),
                        FormatPosition(-city.longitude, kStrEast, kStrWest)});
    return rows;
}

bool RemoveCity(const CityRow& city) {
    if (!AskYesNo(FormatResString(kStrRemoveCityQuestion, city.station, city.fileName), false))
        return false;
    std::error_code error;
    fs::remove(fs::path(g_strClimateFolder) / city.fileName, error);
    LoadCityList();
    if (error) {
        ShowMessage(FormatResString(kStrCityNotDeleted, city.fileName, error.message()));
        return false;
    }
    return true;
}

std::optional<std::string> ImportCity(const std::string& source) {
    auto imported = ImportWeatherFile(source, g_strClimateFolder, {}, false);
    if (const auto* refusal = std::get_if<WeatherRefusal>(&imported);
        refusal != nullptr && refusal->kind == WeatherRefusalKind::kDestinationExists) {
        const std::string file = fs::path(refusal->file).filename().string();
        if (!AskYesNo(FormatResString(kStrReplaceCityQuestion, file), false)) return std::nullopt;
        imported = ImportWeatherFile(source, g_strClimateFolder, {}, true);
    }
    if (const auto* refusal = std::get_if<WeatherRefusal>(&imported)) {
        ShowMessage(WeatherRefusalText(*refusal));
        return std::nullopt;
    }
    LoadCityList();
    return fs::path(std::get<ImportedCity>(imported).path).filename().string();
}

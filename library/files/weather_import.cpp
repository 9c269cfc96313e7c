#include "weather_import.h"

std::variant<ImportedCity, WeatherRefusal> ImportWeatherFile(const std::string& source,
                                                             const std::string&, const std::string&,
                                                             bool) {
    WeatherRefusal refusal;
    refusal.kind = WeatherRefusalKind::kUnknownFormat;
    refusal.file = source;
    return refusal;
}

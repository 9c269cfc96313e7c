#include "season_plants.h"

#include <numbers>

#include "document.h"
#include "result_columns.h"
#include "weather_files.h"

namespace season_plants {

bool WriteWeather() {
    return synthetic::WriteZefirFile("weather.zfw", synthetic::WeatherYear{});
}

void SetUp(CTidewarmDoc& doc, int plant, int reference) {
    doc.WeatherSource = kWeatherBinary;
    doc.binaryWeatherReader.SetFileName("weather.zfw");
    doc.sun.SetParameters(45.5 * std::numbers::pi / 180, 0, 0, 0);
    doc.StartDay = 1;
    doc.NumDays = 365;
    doc.ReferenceRun = reference;
    doc.gasHeater.SetParameters(26, 60000, 0.8);
    // Hourly output with every column, as a detailed study writes it.
    doc.HourlyOutput = 1;
    int flags[kHourlyColumnCount];
    for (int& flag : flags) flag = 1;
    doc.hourlyWriter.SetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    switch (plant) {
        case kUnglazedRoofExchangerHeater:
            doc.Collector = CollectorKind::Unglazed;
            doc.RoofType = 1;
            doc.UseExchanger = 1;
            break;
        case kIndoor:
            doc.IndoorPool = 1;
            doc.UseSolar = 0;
            break;
        default:
            break;
    }
}

}  // namespace season_plants

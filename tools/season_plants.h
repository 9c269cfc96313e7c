// The representative projects of the season benchmark: a full 365-day season on a generated
// ZEFIR weather year, each plant with and without the reference pass of the unheated pool.
#pragma once

#include <string>

class CTidewarmDoc;

namespace season_plants {

enum Plant : int { kGlazedWithHeater, kUnglazedRoofExchangerHeater, kIndoor, kPlantCount };
inline constexpr const char* kPlantNames[kPlantCount] = {
    "glazed+heater", "unglazed-roof+exchanger+heater", "indoor+heater"};

// Writes the generated weather year "weather.zfw" into the current folder.
bool WriteWeather();

// Sets up `doc` as `plant` on "weather.zfw" of the current folder, with hourly output of every
// column and, when `reference` is not 0, the reference pass.
void SetUp(CTidewarmDoc& doc, int plant, int reference);

}  // namespace season_plants

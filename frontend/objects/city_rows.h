// The cities of the weather folder as the city list manager shows them, their import and their
// removal. Every change reloads the shared city list (g_CityNames, g_WeatherFileNames), so that
// the input form opened next offers exactly the cities of the folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CityRow {
    std::string fileName;   // without folder
    std::string station;    // UTF-8
    std::string latitude;   // degrees and minutes with the hemisphere, "25° 48' N"
    std::string longitude;  // likewise, "80° 16' W"
};

// The cities of `climateFolder`, in the order of the shared city list.
std::vector<CityRow> ListCityRows(const std::string& climateFolder);

// `degrees` as whole degrees and minutes (rounded) with the letter of its hemisphere in the
// language in force: `positive` for 0 and above, `negative` below (string ids).
std::string FormatPosition(double degrees, int positive, int negative);

// Asks whether to remove `city` of the weather folder; on Yes deletes its file and reloads the
// city list. False when the user said No or the file could not be deleted (then said).
[[nodiscard]] bool RemoveCity(const CityRow& city);

// Imports the weather file `source` (EPW, TMY3 or TMY2) into the weather folder as a city named
// after its station, asking before it replaces a city file of the same name, and reloads the
// city list. A refusal is shown with its file, line and reason. The new city's file name;
// nothing when nothing was imported.
std::optional<std::string> ImportCity(const std::string& source);

// Ids of the texts of the city list manager (the weather folder's cities, their import and
// removal) and their built-in English table.
#pragma once

#include <span>

#include "string_table.h"

enum CityListText : int {
    kStrCitiesButton = 950,
    kStrCityListTitle = 951,
    kStrStationColumn = 952,
    kStrLatitudeColumn = 953,
    kStrLongitudeColumn = 954,
    kStrFileColumn = 955,
    kStrImportButton = 956,
    kStrRemoveCityQuestion = 957,
    kStrCityNotDeleted = 958,
    kStrImportTitle = 959,
    kStrWeatherFileFilter = 960,
    kStrReplaceCityQuestion = 961,
    kStrNorth = 962,
    kStrSouth = 963,
    kStrEast = 964,
    kStrWest = 965,
};

// The English texts, built into the program.
std::span<const StringEntry> CityListEnglishStrings();

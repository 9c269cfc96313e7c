#include "city_list_texts.h"

namespace {

constexpr StringEntry kEnglish[] = {
    {kStrCitiesButton, "Cities"},
    {kStrCityListTitle, "Tidewarm City List Manager"},
    {kStrStationColumn, "Station"},
    {kStrLatitudeColumn, "Latitude"},
    {kStrLongitudeColumn, "Longitude"},
    {kStrFileColumn, "File"},
    {kStrImportButton, "Import..."},
    {kStrRemoveCityQuestion,
     "Remove the city %s?\n\nIts weather file %s is deleted. Runs that use the city keep its "
     "name, but cannot be run until a weather file of that city is imported again."},
    {kStrCityNotDeleted, "The weather file %s could not be deleted: %s"},
    {kStrImportTitle, "Import a weather file"},
    // One filter a format the importer reads, each pattern in both letter cases (the file
    // chooser matches them exactly).
    {kStrWeatherFileFilter,
     "All weather files (*.epw, *.csv, *.tm2)|*.epw;*.EPW;*.csv;*.CSV;*.tm2;*.TM2|"
     "EnergyPlus weather (*.epw)|*.epw;*.EPW|TMY3 (*.csv)|*.csv;*.CSV|TMY2 (*.tm2)|*.tm2;*.TM2"},
    {kStrReplaceCityQuestion, "The weather folder already holds %s. Replace it?"},
    {kStrNorth, "N"},
    {kStrSouth, "S"},
    {kStrEast, "E"},
    {kStrWest, "W"},
};

}  // namespace

std::span<const StringEntry> CityListEnglishStrings() {
    return kEnglish;
}

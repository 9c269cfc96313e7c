// A weather file's refusal as the user reads it, in the language in force; the texts it is made
// of and those of the command tidewarm-weather.
#pragma once

#include <span>
#include <string>

#include "string_table.h"
#include "weather_import.h"

enum WeatherText : int {
    kStrWeatherFileLine = 900,
    kStrWeatherFile = 901,
    kStrWeatherCannotRead = 902,
    kStrWeatherUnknownFormat = 903,
    kStrWeatherBadHeader = 904,
    kStrWeatherNoPosition = 905,
    kStrWeatherMissingColumn = 906,
    kStrWeatherFieldCount = 907,
    kStrWeatherNotANumber = 908,
    kStrWeatherBadRecordTime = 909,
    kStrWeatherTooFewRecords = 910,
    kStrWeatherTooManyRecords = 911,
    kStrWeatherGap = 912,
    kStrWeatherOutOfRange = 913,
    kStrWeatherBadName = 914,
    kStrWeatherExists = 915,
    kStrWeatherCannotWrite = 916,
    kStrWeatherRecordTime = 917,
    // The command tidewarm-weather.
    kStrWeatherUsage = 920,
    kStrWeatherImported = 921,
    kStrWeatherOptionValue = 922,
    kStrWeatherUnknownOption = 923,
    kStrWeatherNoFiles = 924,
    kStrWeatherNameOneFile = 925,
    kStrWeatherUnknownCommand = 926,
    kStrWeatherShowFile = 927,
    kStrWeatherShowStation = 928,
    kStrWeatherShowPosition = 929,
    kStrWeatherShowTimeZone = 930,
    kStrWeatherShowHeadings = 931,
    kStrWeatherShowYear = 932,
};

// The built-in English texts of the ids above.
std::span<const StringEntry> WeatherEnglishStrings();

// The sentence naming the file, the line (when there is one) and the reason.
[[nodiscard]] std::string WeatherRefusalText(const WeatherRefusal& refusal);

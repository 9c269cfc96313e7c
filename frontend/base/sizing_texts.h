// Ids of the texts of the sizing study (its window, its table, its answers and its command)
// and their built-in English table.
#pragma once

#include <span>

#include "string_table.h"

enum SizingText : int {
    kStrButtonSizing = 1200,
    kStrSizingTitle = 1201,
    kStrColumnCollectors = 1202,
    kStrColumnCollectorArea = 1203,  // %s: the area unit
    kStrColumnSwimDays = 1204,
    kStrColumnUsableDays = 1205,
    kStrColumnUsableDaysNoHeat = 1206,
    kStrColumnCollected = 1207,  // %s: the energy unit
    kStrColumnAuxiliary = 1208,  // %s: the energy unit
    kStrColumnElectricity = 1209,
    kStrColumnPoolTemperature = 1210,  // %s: the temperature unit
    kStrColumnInitialCosts = 1211,
    kStrColumnYearlyCosts = 1212,
    kStrColumnLifeCycleCost = 1213,
    kStrColumnNetPresentValue = 1214,
    kStrColumnPayback = 1215,
    kStrColumnThisRun = 1216,
    kStrBestValueLabel = 1220,
    kStrEnoughDaysLabel = 1221,
    kStrSizeSentence = 1222,  // count, area, unit, days, value, payback
    kStrNoSolarSentence = 1223,
    kStrPaybackYears = 1224,
    kStrNoPayback = 1225,
    kStrNoCollectorToSize = 1230,
    kStrSimulatingSize = 1231,  // %s: collectors, %d of %d
    kStrButtonUseSize = 1232,
    kStrButtonSaveCsv = 1233,
    kStrCsvFilter = 1234,
    kStrSizingCancelled = 1235,
    kStrChartCollectorArea = 1236,  // %s: the area unit
    kStrChartNetPresentValue = 1237,
    kStrChartSwimDays = 1238,
    kStrSizingUsage = 1240,
    kStrNotARunNumber = 1241,
    kStrNoDatabase = 1242,
    kStrNoSolarSize = 1243,
};

// The English texts, built into the program.
std::span<const StringEntry> SizingEnglishStrings();

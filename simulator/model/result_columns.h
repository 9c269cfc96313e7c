// The columns of the result files: the monthly table (".mly", ".mlx"), whose items are also the
// variables of the monthly and annual summaries, and the hourly table (".hly", ".hlx") with the
// default choice of the columns written.
#pragma once

#include <array>

inline constexpr int kMonthlyColumnCount = 24;
inline constexpr int kHourlyColumnCount = 46;

// Monthly columns by position.
enum MonthlyColumn : int {
    kMonthlyMonth = 0,
    kMonthlyQInc = 1,
    kMonthlyQColl = 2,
    kMonthlyQPipes = 3,
    kMonthlyQPumps = 4,
    kMonthlyQAux = 5,
    kMonthlyQPass = 6,
    kMonthlyQAct = 7,
    kMonthlyQGain = 8,
    kMonthlyQEvap = 9,
    kMonthlyQConv = 10,
    kMonthlyQCond = 11,
    kMonthlyQRad = 12,
    kMonthlyQSide = 13,
    kMonthlyQMakeup = 14,
    kMonthlyQLoss = 15,
    kMonthlyQRes = 16,
    kMonthlyTPool = 17,
    kMonthlyQElec = 18,
    kMonthlyQPrimary = 19,
    kMonthlyCollOnTime = 20,
    kMonthlyAuxHeatOnTime = 21,
    kMonthlySwimDays = 22,
    kMonthlyUsableDays = 23,
};

// Hourly columns by position.
enum HourlyColumn : int {
    kHourlyMonth = 0,
    kHourlyDay = 1,
    kHourlyHour = 2,
    kHourlyQPass = 3,
    kHourlyQAct = 4,
    kHourlyQAux = 5,
    kHourlyQGain = 6,
    kHourlyQEvap = 7,
    kHourlyQConv = 8,
    kHourlyQCond = 9,
    kHourlyQRad = 10,
    kHourlyQSide = 11,
    kHourlyQMakeup = 12,
    kHourlyQLoss = 13,
    kHourlyQRes = 14,
    kHourlyQInc = 15,
    kHourlyQColl = 16,
    kHourlyQPipes = 17,
    kHourlyQPumps = 18,
    kHourlyHGlo = 19,
    kHourlyTAmb = 20,
    kHourlyRelHum = 21,
    kHourlyVWind = 22,
    kHourlyHDirPool = 23,
    kHourlyHDifPool = 24,
    kHourlyTAmbPool = 25,
    kHourlyRelHumPool = 26,
    kHourlyVWindPool = 27,
    kHourlyTSky = 28,
    kHourlyActivity = 29,
    kHourlyBlanketOn = 30,
    kHourlyCollOn = 31,
    kHourlyAuxOn = 32,
    kHourlyTci = 33,
    kHourlyTco = 34,
    kHourlyMdotColl = 35,
    kHourlyTPipeIn = 36,
    kHourlyTPipeOut = 37,
    kHourlyTSoilPipe = 38,
    kHourlyTXColdOut = 39,
    kHourlyTXHotOut = 40,
    kHourlyMdotExch = 41,
    kHourlyTPool = 42,
    kHourlyTMains = 43,
    kHourlyMdotMakeup = 44,
    kHourlyTSoilPool = 45,
};

// Hourly columns always written (Month, Day, Hour).
inline constexpr int kHourlyAlwaysWritten = 3;

// Column names, in column order.
extern const std::array<const char*, kMonthlyColumnCount> kMonthlyColumnNames;
extern const std::array<const char*, kHourlyColumnCount> kHourlyColumnNames;
// Default choice of the hourly columns written: the first three only.
extern const std::array<int, kHourlyColumnCount> kHourlyDefaultFlags;

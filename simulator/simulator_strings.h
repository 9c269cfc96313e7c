// Ids of the simulation program's texts, and its built-in English string table.
#pragma once

#include <span>

#include "string_table.h"

enum SimulatorString : int {
    kStrConfigWriteFailed = 130,
    kStrRegistryKey = 34007,
    kStrCannotOpenProject = 34008,
    kStrCannotReadProject = 34009,
    kStrCannotCreateProject = 34010,
    kStrProjectNotSaved = 34011,
    kStrNewerFileVersion = 34017,
    // The simulation run.
    kStrSimulatingDay = 34115,
    kStrDomainErrorIn = 34116,
    kStrFatalErrorIn = 34117,
    kStrCheckComponent = 34118,
    kStrInvalidRoofType = 34119,
    kStrInvalidHeaterType = 34120,
    kStrCannotOpenAlternateInput = 34121,
    kStrSpecifyOnlyOne = 34124,
    kStrInvalidComponent = 34125,
    kStrInvalidComponentEnd = 34126,
    kStrCannotOpenWeather = 34127,
    kStrCannotOpenAlternateFile = 34128,
    kStrCannotOpenMonthlyOutput = 34129,
    kStrCannotOpenHourlyOutput = 34130,
    kStrRoofInitFailed = 34131,
    kStrCannotWriteMonthly = 34132,
    kStrAlternateReadError = 34134,
    kStrTitleWeather = 34135,
    kStrTitleActivity = 34138,
    kStrTitleBlanketMonthly = 34139,
    kStrTitleBlanketHourly = 34141,
    kStrActivityWithBlanket = 34142,
    kStrTitleHeaterMonthly = 34143,
    kStrTitleExchangerPump = 34149,
    kStrTitleCollectorPump = 34150,
    kStrTitleInletPipeInside = 34151,
    kStrTitleInletPipeOutside = 34152,
    kStrTitleCollector = 34153,
    kStrTitleRoof = 34154,
    kStrTitleCollectorOnRoof = 34155,
    kStrNoRoofConvergence = 34156,
    kStrCollectedWithoutFlow = 34157,
    kStrTitleOutletPipeOutside = 34159,
    kStrTitleOutletPipeInside = 34160,
    kStrTitleExchanger = 34161,
    kStrNoCollectorConvergence = 34162,
    kStrTitlePool = 34163,
    kStrTitlePoolIntegrator = 34164,
    kStrTitleSoilIntegrator = 34165,
    kStrTitleHeater = 34166,
    kStrTitleHeatPump = 34167,
    kStrNoPoolConvergence = 34169,
    kStrTitleController = 34170,
    kStrTitleHourlySummary = 34171,
    kStrCannotWriteHourly = 34172,
    kStrWeatherColumnMissing = 34190,
    kStrInvalidWeekLength = 34191,
    kStrInvalidDayCount = 34192,
    kStrInvalidCollectorType = 34193,
};

// The English texts, built into the program.
std::span<const StringEntry> SimulatorEnglishStrings();

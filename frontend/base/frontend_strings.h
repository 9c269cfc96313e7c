// Ids of the front end's texts, and its built-in English string table.
#pragma once

#include <span>

#include "string_table.h"

enum FrontEndString : int {
    kStrConfigWriteFailed = 110,
    kStrRunNotFound = 146,
    kStrClientNotFound = 147,
    kStrInstallerNotFound = 148,
    kStrPoolUseNotFound = 149,
    kStrCollectorNotFound = 150,
    kStrHeaterNotFound = 151,
    kStrBlanketNotFound = 152,
    kStrCannotOpenFile = 164,
    kStrEconomicsNotFound = 165,
    kStrNoWeatherForCity = 153,
    kStrCannotOpenBatchInput = 154,
    kStrCannotOpenMonthlyResults = 155,
    kStrCannotOpenReferenceResults = 156,
    kStrResultsDatasetError = 157,
    kStrCannotOpenHourlyResults = 158,
    kStrNoHourlyTemperatures = 159,
    kStrUnknownMonthlyHeading = 160,
    kStrNoEconomicData = 161,
    kStrNotAvailable = 163,
    kStrEnterNumber = 170,
    kStrValueBetween = 177,
    kStrCompactingDatabase = 178,
    kStrErrorCompacting = 210,
    kStrCouldNotOpenDatabase = 211,
    kStrCreateMissingDatabase = 212,
    kStrErrorDeletingRun = 213,
    kStrCannotOpenDatabaseAbort = 214,
    kStrCannotSetUpDataFolder = 400,
    kStrCannotCopyReference = 401,
    kStrCannotWriteFile = 409,
    kStrResultFileLine = 402,
    kStrFieldCount = 403,
    kStrNotANumber = 404,
    kStrReferenceFileEnds = 405,
    kStrBatchLineRefused = 406,
    kStrLoanDurationRange = 407,
    kStrTooManyLines = 408,
};

// The English texts, built into the program.
std::span<const StringEntry> FrontEndEnglishStrings();

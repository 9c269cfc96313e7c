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
    kStrCannotWriteFile = 402,
};

// The English texts, built into the program.
std::span<const StringEntry> FrontEndEnglishStrings();

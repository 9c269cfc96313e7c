// Ids of the front end's texts, and its built-in English string table.
#pragma once

#include <span>

#include "string_table.h"

enum FrontEndString : int {
    kStrConfigWriteFailed = 110,
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
};

// The English texts, built into the program.
std::span<const StringEntry> FrontEndEnglishStrings();

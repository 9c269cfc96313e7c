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
};

// The English texts, built into the program.
std::span<const StringEntry> SimulatorEnglishStrings();

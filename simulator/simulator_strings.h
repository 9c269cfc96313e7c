// Ids of the simulation program's texts, and its built-in English string table.
#pragma once

#include <span>
#include <string>

#include "messages.h"
#include "string_table.h"

enum SimulatorString : int {
    kStrConfigWriteFailed = 130,
    kStrCannotOpenBatchInput = 34002,
    kStrInvalidPoolType = 34003,
    kStrCannotOpenTemplate = 34004,
    kStrCannotReadTemplate = 34005,
    kStrCannotReadBatchInput = 34006,
    kStrRegistryKey = 34007,
    kStrCannotOpenProject = 34008,
    kStrCannotReadProject = 34009,
    kStrCannotCreateProject = 34010,
    kStrProjectNotSaved = 34011,
    kStrNewerFileVersion = 34017,
    // Batch input refused before anything is simulated.
    kStrBatchInputLine = 34400,
    kStrInvalidSeasonDate = 34401,
    kStrInvalidCollectorTest = 34402,
    kStrCannotOpenBatchWeather = 34403,
    kStrBatchRunFailed = 34404,
    // Start-up.
    kStrCannotSetUpDataFolder = 34410,
    kStrNeedsDesktopBuild = 34411,
};

// The English texts, built into the program.
std::span<const StringEntry> SimulatorEnglishStrings();

// The text of `id` in the language in force, filled with `args`; the text itself when its
// conversions do not take these arguments (so a faulty translation never reaches the formatter).
template <class... Args>
std::string FormatResString(int id, const Args&... args) {
    const std::string text = LoadResString(id);
    return FormatText(text, args...).value_or(text);
}

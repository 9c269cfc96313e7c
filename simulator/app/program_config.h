// The simulation program's configuration file "TidewarmPro.cfg" in the data folder: line 1
// "TIDEWARMPRO 3.0", line 2 "Fra" for French or "Eng" for English.
#pragma once

#include <string>
#include <string_view>

#include "program_language.h"

inline constexpr std::string_view kConfigFileName = "TidewarmPro.cfg";
// String id of "Could not write configuration file".
inline constexpr int kConfigWriteFailedMessage = 130;

// Sets app::Language and app::PendingLanguage from the user's locale, then from the
// configuration file of `dataFolder` when it starts with the word "TIDEWARMPRO" and has a second
// line: its first word "Fra" selects French, any other English. A missing, unreadable or foreign
// file keeps the locale's language. Nothing is reported.
void ReadConfig(const std::string& dataFolder);

// Writes the configuration file of `dataFolder` with app::PendingLanguage, replacing the old one
// only once the new one is complete. On failure shows message 130 through the message sink and
// returns false.
[[nodiscard]] bool WriteConfig(const std::string& dataFolder);

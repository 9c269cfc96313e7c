// The simulation program's language settings and their file "TidewarmPro.cfg" in the data
// folder: line 1 "TIDEWARMPRO 3.0", line 2 "Fra" for French or "Eng" for English.
#pragma once

#include <string>
#include <string_view>

namespace app {
// Language in effect for this process (0 English, 1 French); fixed at start.
inline int Language = 0;
// Language chosen for the next start; what the configuration file receives.
inline int PendingLanguage = 0;
}  // namespace app

inline constexpr std::string_view kConfigFileName = "TidewarmPro.cfg";
// String id of "Could not write configuration file".
inline constexpr int kConfigWriteFailedMessage = 130;

// True when a locale name names French ("fr", "fr_CA.UTF-8", "french", ...).
[[nodiscard]] bool LocaleNamesFrench(std::string_view locale);

// The user's language from the locale settings: the first non-empty of LC_ALL, LC_MESSAGES and
// LANG; 1 when it names French, else 0.
int UserLocaleLanguage();

// Sets app::Language and app::PendingLanguage from the user's locale, then from the
// configuration file of `dataFolder` when it starts with the word "TIDEWARMPRO" and has a second
// line: its first word "Fra" selects French, any other English. A missing, unreadable or foreign
// file keeps the locale's language. Nothing is reported.
void ReadConfig(const std::string& dataFolder);

// Writes the configuration file of `dataFolder` with app::PendingLanguage, replacing the old one
// only once the new one is complete. On failure shows message 130 through the message sink and
// returns false.
[[nodiscard]] bool WriteConfig(const std::string& dataFolder);

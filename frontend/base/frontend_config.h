// The front end's folders and its configuration file "Tidewarm.cfg" in the data folder, six
// lines: "TIDEWARM 3.0", the unit system (0 SI, 1 IP), the database path, the climate folder,
// the current run id, and "Fra" or "Eng" for the language.
#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kFrontEndConfigFileName = "Tidewarm.cfg";
inline constexpr std::string_view kDatabaseFileName = "Tidewarm.mdb";

// The defaults before the configuration is read: the database and the climate folder in
// `dataFolder`, the program folder, SI units, English.
void SetupPaths(const std::string& dataFolder, const std::string& programFolder);

// Takes the language from the user's locale, then the settings from the configuration file of
// `dataFolder` when its first word is "TIDEWARM" (the version after it plays no part). Lines are
// taken in order up to the first one that is missing or damaged; that one and the ones after
// it keep their defaults. Nothing is reported.
void ReadFrontEndConfig(const std::string& dataFolder);

// Writes the configuration file, replacing the old one only once the new one is complete. On
// failure shows message 110 followed by the file and the system's reason, and returns false.
[[nodiscard]] bool WriteFrontEndConfig(const std::string& dataFolder);

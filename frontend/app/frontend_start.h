// Start and end of the front end without any window: the folders, the configuration and the
// language, the database, the weather cities; at the end the configuration is written back.
#pragma once

#include <functional>
#include <string>

#include "language.h"

// Sets the folders, creates the data folder and its "Climate" folder when missing and enters
// it, reads "Tidewarm.cfg", loads the French strings when French, takes the database's lock,
// opens the database (creating it when missing, compacting it) and lists the weather cities.
// False when the database cannot be used, after message 214, or when another front end holds
// it, after saying so; a data folder that could not be prepared is reported and the start goes
// on (without the lock, when its file cannot be made beside the database). `useLanguage` is
// given the language in force as soon as it is known, before any message. A French start whose
// string file cannot be read is reported and runs in English (g_nLanguage English), while
// g_nNewLanguage keeps French for the next start.
[[nodiscard]] bool StartFrontEnd(const std::string& programFolder, const std::string& dataFolder,
                                 const std::function<void(Language)>& useLanguage = {});

// Writes "Tidewarm.cfg" (not after a start refused because another front end holds the database,
// which keeps the file its own) and releases the database; false (message 110 shown) when it
// cannot be written.
[[nodiscard]] bool EndFrontEnd(const std::string& dataFolder);

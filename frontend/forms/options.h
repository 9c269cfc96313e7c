// The options applied without windows: the database and the weather folder changed, and the
// notice of a language change.
#pragma once

#include <string>

#include "language.h"

// Makes `path` the database and opens it without compacting (offering to create it when
// missing), taking its lock before and releasing the previous database's after. When another
// front end holds it (message 435) or it cannot be used, the previous database stays in force
// with its lock, and no lock file is left beside `path`; false then.
[[nodiscard]] bool ChangeDatabase(const std::string& path);

// Makes `folder` the weather folder; the city list is read again when it changed.
void ChangeClimateFolder(const std::string& folder);

// The notice shown, in the newly chosen language, when the language of the next start changes.
std::string LanguageChangeNotice(Language language);

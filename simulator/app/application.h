// Start-up of the simulation program without any window: the two folders, the data folder made
// ready and entered, the language and the string tables. Batch mode never reads or writes the
// configuration file and always speaks English, so a batch run leaves the language that the
// next interactive start finds as it was.
#pragma once

#include <string>

#include "program_folders.h"

// Sets the two folders, creates the data folder (with "Climate" and the delivered data files)
// and enters it. Then, for an interactive start, takes the language from the configuration file
// or the user's locale and loads the French strings when it is French; for a batch start, uses
// English. A French string file that cannot be read makes the start English (app::Language;
// app::PendingLanguage keeps French for the next start). Returns false when the data folder
// could not be prepared. `messages` receives what the user is to be told (the French texts
// missing, the data folder's problem), empty when all went well.
[[nodiscard]] bool StartProgram(bool batch, const std::string& programFolder,
                                const std::string& dataFolder, std::string* messages);

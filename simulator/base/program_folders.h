// The running program's folders and mode, set once at start.
#pragma once

#include <string>

// Folder of the running program file; the templates and the French string file are there.
inline std::string g_strProgramFolder;
// The user's data folder, the current directory of the running program.
inline std::string g_strDataFolder;
// 1 while the program runs in batch mode.
inline int g_nBatchMode = 0;

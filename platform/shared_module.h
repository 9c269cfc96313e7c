// A program's module beside it, loaded while it runs: both programs keep their windows' heavy
// libraries out of their start this way.
#pragma once

#include <string>

// Loads the shared module `path` and finds its entry `entryName`; nullptr when either fails,
// with the loader's reason in `problem`. Every symbol is resolved now, so a module that does not
// fit fails here and not later in the middle of a window. A loaded module stays to the end.
void* LoadModuleEntry(const std::string& path, const char* entryName, std::string* problem);

// A program's module beside it, loaded while it runs: both programs keep their windows' heavy
// libraries out of their start this way.
#pragma once

#include <string>
#include <variant>

#include "problem.h"

// Loads the shared module `path` and finds its entry `entryName`; the loader's reason when either
// fails, or when the module comes from another build (build_identity.h). Every symbol is resolved
// now, so a module that does not fit fails here and not later in the middle of a window. A loaded
// module stays to the end.
[[nodiscard]] std::variant<void*, Problem> LoadModuleSymbol(const std::string& path,
                                                            const char* entryName);

// The same entry as the function type `Entry` that the module defines it with.
template <class Entry>
[[nodiscard]] std::variant<Entry, Problem> LoadModuleEntry(const std::string& path,
                                                           const char* entryName) {
    std::variant<void*, Problem> symbol = LoadModuleSymbol(path, entryName);
    if (const Problem* problem = std::get_if<Problem>(&symbol)) return *problem;
    return reinterpret_cast<Entry>(std::get<void*>(symbol));
}

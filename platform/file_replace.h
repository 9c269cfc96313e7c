// Files replaced whole: written beside their final name under a temporary one and renamed over
// it once complete, so that a reader never meets half a file and a failure keeps the old one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "problem.h"

// Ending of every temporary file written beside its final name: "<name>.part", or
// "<name>.<unique>.part" where several writers may work at once.
inline constexpr std::string_view kTemporarySuffix = ".part";

// The temporary name of `path` for a writer that is alone on it: `path` + kTemporarySuffix.
std::string TemporaryName(const std::string& path);

// Writes `text` to `path` through a temporary file of a name no other writer uses, renamed over
// `path` once complete: a failure leaves any earlier file as it was. The file gets the
// permissions of the file it replaces, or those of any new file (0666 less the umask). On
// failure, the system's reason.
[[nodiscard]] std::optional<Problem> ReplaceFileContents(const std::string& path,
                                                         std::string_view text);

// Removes what a writer of `path` that was stopped half-way left: `path` + kTemporarySuffix and
// every "<path>.<unique>.part". A missing file is no error.
void RemoveTemporaryFiles(const std::string& path);

// Files replaced whole: written beside their final name under a temporary one and renamed over
// it once complete, so that a reader never meets half a file and a failure keeps the old one.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

// Ending of every temporary file written beside its final name: "<name>.part", or
// "<name>.<unique>.part" where several writers may work at once.
inline constexpr std::string_view kTemporarySuffix = ".part";

// The temporary name of `path` for a writer that is alone on it: `path` + kTemporarySuffix.
std::string TemporaryName(const std::string& path);

// Writes `text` to `path` through a temporary file of a name no other writer uses, renamed over
// `path` once complete: a failure leaves any earlier file as it was. The file gets the
// permissions of the file it replaces, or those of any new file (0666 less the umask). False on
// failure, with the system's reason in `problem` when given.
[[nodiscard]] bool ReplaceFileContents(const std::string& path, std::string_view text,
                                       std::string* problem = nullptr);

// Whether a copy may take the place of a file already at its name.
enum class ExistingFile { kReplace, kKeep };

// Copies the file `from` to `to` through a temporary file beside `to`, given the name `to` once
// complete and on the disk: over a file already there (kReplace), or only where there is none
// (kKeep). A failure leaves any file at `to` as it was, and no temporary. The copy gets the
// permissions `mode` when given, else those of a new file (0666 less the umask). False on
// failure, with the file that could not be read or written and the system's reason in
// `problem` when given.
[[nodiscard]] bool CopyFileWhole(const std::string& from, const std::string& to,
                                 ExistingFile existing, std::optional<mode_t> mode = std::nullopt,
                                 std::string* problem = nullptr);

// Removes what a writer of `path` that was stopped half-way left: `path` + kTemporarySuffix and
// every "<path>.<unique>.part". A missing file is no error.
void RemoveTemporaryFiles(const std::string& path);

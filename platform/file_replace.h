// Files replaced whole: written beside their final name under a temporary one and renamed over
// it once complete, so that a reader never meets half a file and a failure keeps the old one.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

#include "problem.h"

// Ending of every temporary file written beside its final name: "<name>.part", or
// "<name>.<unique>.part" where several writers may work at once.
inline constexpr std::string_view kTemporarySuffix = ".part";

// The temporary name of `path` for a writer that is alone on it: `path` + kTemporarySuffix.
std::string TemporaryName(const std::string& path);

// Creates the file `path` new, open for writing, with the permissions `mode` less the umask.
// Nothing that already stands at the name is opened, a file or a link planted there (to a file
// elsewhere) alike: -1 with errno EEXIST then, or with the system's reason on any other failure.
int CreateNewFile(const std::string& path, mode_t mode = 0666);

// Writes `text` to `path` through a temporary file of a name no other writer uses, renamed over
// `path` once complete: a failure leaves any earlier file as it was. The file gets the
// permissions of the file it replaces, or those of any new file (0666 less the umask). On
// failure, the system's reason.
[[nodiscard]] std::optional<Problem> ReplaceFileContents(const std::string& path,
                                                         std::string_view text);

// Whether a new file may take the place of a file already at its name.
enum class ExistingFile { kReplace, kKeep };

// A file written beside its final name under a temporary one (of a name no other writer uses),
// given that name by Commit once complete and on the disk; several, written first and committed
// last, appear together or not at all. The temporary of a file not committed is removed when it
// ends. A failure gives the final name and the system's reason.
class StagedFile {
  public:
    explicit StagedFile(std::string path) : path_(std::move(path)) {}
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Writes a copy of the file `from`, with the permissions `mode` when given, else those of a
    // new file (0666 less the umask); the reason names `from` when it cannot be read.
    [[nodiscard]] std::optional<Problem> CopyFrom(const std::string& from,
                                                  std::optional<mode_t> mode);
    // Writes `text`, with the permissions of a new file.
    [[nodiscard]] std::optional<Problem> Write(std::string_view text);
    // Gives the written file its name: over a file already there (kReplace), or only where there
    // is none (kKeep).
    [[nodiscard]] std::optional<Problem> Commit(ExistingFile existing);

  private:
    // Creates the temporary file; -1 with errno set.
    int Create();
    // Flushes and closes `fd`, written whole when `written` (else errno tells why not).
    std::optional<Problem> Finish(int fd, bool written);

    std::string path_;
    std::string temporary_;
    bool written_ = false;
};

// Copies the file `from` to `to` through a temporary file beside `to`, given the name `to` once
// complete and on the disk: over a file already there (kReplace), or only where there is none
// (kKeep). A failure leaves any file at `to` as it was, and no temporary. The copy gets the
// permissions `mode` when given, else those of a new file (0666 less the umask). On failure,
// the file that could not be read or written and the system's reason.
[[nodiscard]] std::optional<Problem> CopyFileWhole(const std::string& from, const std::string& to,
                                                   ExistingFile existing,
                                                   std::optional<mode_t> mode = std::nullopt);

// Removes what a writer of `path` that was stopped half-way left: `path` + kTemporarySuffix and
// every "<path>.<unique>.part". A missing file is no error.
void RemoveTemporaryFiles(const std::string& path);

// The database file at start and after the options: created from the reference database when
// missing, compacted, checked with a real query; and the deletion of a run with its rows.
// Messages go through the message sink; nothing here waits for a window.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "problem.h"

// The reference databases: their built-in rows named in English, and in French.
inline constexpr std::string_view kReferenceDatabaseFileName = "Tidewarm.ref.mdb";
inline constexpr std::string_view kFrenchReferenceDatabaseFileName = "TidewarmFra.ref.mdb";
// Suffixes of the compaction's backup (the database as it was before the last compaction) and
// of its temporary file.
inline constexpr std::string_view kBackupSuffix = ".bak";
inline constexpr std::string_view kCompactionSuffix = ".compact";

// The reference database of the language in force, in the program folder.
std::string ReferenceDatabasePath();

// Copies the reference database of the language in force to `target`, never over an existing file;
// the copy appears whole or not at all. On failure shows message 401 with the reason and returns
// false.
[[nodiscard]] bool CopyReferenceDatabase(const std::string& target);

// The database file that `path` names, its links followed; `path` itself when it cannot be
// resolved.
std::string DatabaseFilePath(const std::string& path);

// The steps of a compaction, each returning the reason when it failed. Tests replace one to make
// it fail.
struct CompactionSteps {
    // Writes a compacted copy of the database `from` into the new file `to`.
    std::function<std::optional<Problem>(const std::string& from, const std::string& to)>
        vacuumInto;
    // Checks the integrity of the database file.
    std::function<std::optional<Problem>(const std::string& file)> checkIntegrity;
    // Puts `from` in the place of `to` in one step.
    std::function<std::optional<Problem>(const std::string& from, const std::string& to)> replace;
};
CompactionSteps DefaultCompactionSteps();

// Compacts the database at `path` into a temporary file, checks it, keeps the database as it was
// in `path` + ".bak", then puts the compacted file in its place. A database reached through a
// link is compacted beside the file it names, and the link stays. On any failure the database is
// left exactly as it was and the reason is returned.
[[nodiscard]] std::optional<Problem> CompactDatabase(
    const std::string& path, const CompactionSteps& steps = DefaultCompactionSteps());

// True when the database g_strDatabasePath is usable; false after the failure is shown. What a
// killed compaction or copy left beside it is removed first, and a write that a killed front end
// left half done is rolled back (its last commit kept) before the checks below. A missing
// or unreadable file is offered for creation from the reference database (message 212, answered Yes
// when nobody can be asked); a created database is neither compacted nor tested. With `compact`,
// the database is compacted first; a failed compaction is shown (210) and the start goes on. A file
// that lacks a table or a column of the record classes, is no database, or whose pages fail the
// integrity check, is refused untouched (211 and the reason); then a real query on the runs tests
// the connection (211 and the error on failure).
[[nodiscard]] bool OpenDatabase(bool compact);

// Deletes the run `runId` and its Economics, Results and Daily rows in one transaction: all of
// them, or nothing. False after message 211 (no connection) or 213, each with SQLite's reason.
[[nodiscard]] bool DeleteRun(int runId);

#include "database_maintenance.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "file_replace.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "record_sets.h"
#include "recordset.h"
#include "regular_file.h"
#include "schema.h"
#include "user_interface.h"

namespace fs = std::filesystem;

namespace {

// Flushes a file's contents to the disk.
bool SyncFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

std::optional<Problem> VacuumInto(const std::string& from, const std::string& to) {
    // SQLite opens the copy by its name, following a link: it is made here first, new and empty
    // (which VACUUM INTO accepts), so that a link planted at the name is refused, not written.
    const int fd = CreateNewFile(to);
    if (fd < 0 || ::close(fd) != 0) return Problem{to + ": " + std::strerror(errno)};
    try {
        SQLite::Database database = ConnectDatabaseFile(from, SQLite::OPEN_READONLY);
        SQLite::Statement vacuum(database, "VACUUM INTO ?");
        vacuum.bind(1, to);
        vacuum.exec();
    } catch (const std::exception& error) {
        return Problem{error.what()};
    }
    if (SyncFile(to)) return std::nullopt;
    return Problem{std::strerror(errno)};
}

std::optional<Problem> CheckIntegrity(const std::string& file) {
    try {
        SQLite::Database database = ConnectDatabaseFile(file, SQLite::OPEN_READONLY);
        SQLite::Statement check(database, "PRAGMA integrity_check");
        if (check.executeStep() && check.getColumn(0).getString() == "ok") return std::nullopt;
        return Problem{"integrity check: " + check.getColumn(0).getString()};
    } catch (const std::exception& error) {
        return Problem{error.what()};
    }
}

std::optional<Problem> Replace(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return std::nullopt;
    return Problem{std::strerror(errno)};
}

// The permissions of the file at `path`; nothing when it cannot be read.
std::optional<mode_t> PermissionsOf(const std::string& path) {
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0) return std::nullopt;
    return file.st_mode & 07777;
}

// Gives the compacted file the database's permissions, which the renaming would otherwise lose.
std::optional<Problem> KeepPermissions(const std::string& database, const std::string& compacted) {
    const std::optional<mode_t> mode = PermissionsOf(database);
    if (!mode || ::chmod(compacted.c_str(), *mode) == 0) return std::nullopt;
    return Problem{compacted + ": " + std::strerror(errno)};
}

// Keeps a copy of the database as it is, with its permissions, in place of the previous backup
// only once the copy is whole.
std::optional<Problem> KeepBackup(const std::string& path) {
    return CopyFileWhole(path, path + std::string(kBackupSuffix), ExistingFile::kReplace,
                         PermissionsOf(path));
}

// A writer killed between its first write and its commit leaves a hot rollback journal beside
// the database, which only a connection that may write can roll back: until then, every
// read-only connection fails. Taking the write lock puts the last committed state back. A journal
// still there once this connection holds that lock was never synced (a writer killed before it
// wrote to the database file): SQLite ignores it, and it is removed. Nothing is done to a file
// without a journal; a failure here is left to the checks that follow, which report it.
void RecoverInterruptedWrite(const std::string& path) {
    const std::string journal = DatabaseFilePath(path) + "-journal";
    std::error_code ignored;
    if (!fs::exists(journal, ignored)) return;
    try {
        SQLite::Database database = ConnectDatabaseFile(path, SQLite::OPEN_READWRITE);
        database.exec("BEGIN IMMEDIATE");
        fs::remove(journal, ignored);
        database.exec("COMMIT");
    } catch (const std::exception&) {
    }
}

// Removes what a killed compaction or a killed copy left beside the database `file`: the
// compacted file, and the temporaries of a copy into it (from the reference database) or into
// its backup ("<file>.bak.<unique>.part").
void RemoveLeftoverTemporaries(const std::string& file) {
    std::error_code ignored;
    fs::remove(file + std::string(kCompactionSuffix), ignored);
    RemoveTemporaryFiles(file);
}

// The database file can be opened for reading.
bool DatabaseFileReadable(const std::string& path) {
    return static_cast<bool>(std::ifstream(path, std::ios::binary));
}

// A real query on the database; the error text when it fails.
std::optional<Problem> TestConnection() {
    try {
        SQLite::Database database = ConnectDatabase();
        SQLite::Statement count(database, "SELECT count(*) FROM [Runs]");
        count.executeStep();
        return std::nullopt;
    } catch (const std::exception& error) {
        return Problem{error.what()};
    }
}

}  // namespace

std::string ReferenceDatabasePath() {
    const std::string_view file = g_nLanguage == Language::French ? kFrenchReferenceDatabaseFileName
                                                                  : kReferenceDatabaseFileName;
    return g_strProgramFolder + "/" + std::string(file);
}

bool CopyReferenceDatabase(const std::string& target) {
    const std::string source = ReferenceDatabasePath();
    const std::optional<Problem> problem = CopyFileWhole(source, target, ExistingFile::kKeep);
    if (problem)
        ShowMessage(FormatResString(kStrCannotCopyReference, target, source, problem->message));
    return !problem;
}

CompactionSteps DefaultCompactionSteps() {
    return {VacuumInto, CheckIntegrity, Replace};
}

std::string DatabaseFilePath(const std::string& path) {
    std::error_code error;
    const fs::path file = fs::weakly_canonical(path, error);
    return error ? path : file.string();
}

std::optional<Problem> CompactDatabase(const std::string& path, const CompactionSteps& steps) {
    // A database reached through a link is compacted where it is, and the link kept.
    const std::string file = DatabaseFilePath(path);
    const std::string temporary = file + std::string(kCompactionSuffix);
    std::error_code ignored;
    fs::remove(temporary, ignored);  // left by an interrupted compaction
    std::optional<Problem> problem = steps.vacuumInto(file, temporary);
    if (!problem) problem = steps.checkIntegrity(temporary);
    if (!problem) problem = KeepPermissions(file, temporary);
    if (!problem) problem = KeepBackup(file);
    if (!problem) problem = steps.replace(temporary, file);
    if (problem) fs::remove(temporary, ignored);
    return problem;
}

bool OpenDatabase(bool compact) {
    const std::string& path = g_strDatabasePath;
    if (const auto problem = NotARegularFile(path)) {
        ShowMessage(LoadResString(kStrCouldNotOpenDatabase) + path + "\n" + problem->message);
        return false;
    }
    RemoveLeftoverTemporaries(DatabaseFilePath(path));
    if (!DatabaseFileReadable(path)) {
        if (!AskYesNo(FormatResString(kStrCreateMissingDatabase, path), true)) return false;
        return CopyReferenceDatabase(path);
    }
    RecoverInterruptedWrite(path);
    // A file that lacks what the record classes read is refused before anything writes to it:
    // compacting a damaged or empty file would make an empty database of it.
    if (const auto problem = SchemaProblem(path)) {
        ShowMessage(LoadResString(kStrCouldNotOpenDatabase) + path + "\n" + problem->message);
        return false;
    }
    // Damaged pages are refused too: a compaction would keep only what it could read of them.
    if (const auto damage = CheckIntegrity(path)) {
        ShowMessage(LoadResString(kStrCouldNotOpenDatabase) + path + "\n" + damage->message);
        return false;
    }
    if (compact) {
        CurrentProgress().SetText(LoadResString(kStrCompactingDatabase));
        if (const auto problem = CompactDatabase(path))
            ShowMessage(LoadResString(kStrErrorCompacting) + path + "\n" + problem->message);
        CurrentProgress().SetText("");
    }
    if (const auto problem = TestConnection()) {
        ShowMessage(LoadResString(kStrCouldNotOpenDatabase) + path);
        ShowMessage(problem->message);
        return false;
    }
    return true;
}

bool DeleteRun(int runId) {
    std::optional<SQLite::Database> database;
    try {
        database.emplace(ConnectDatabase());
    } catch (const std::exception& error) {
        ShowMessage(LoadResString(kStrCouldNotOpenDatabase) + g_strDatabasePath + "\n" +
                    error.what());
        return false;
    }
    try {
        SQLite::Transaction transaction(*database);
        for (const std::string_view table : {"Economics", "Results", "Daily", "Runs"})
            DeleteById(*database, table, kRunIdColumn, runId);
        transaction.commit();
        return true;
    } catch (const std::exception& error) {
        ShowMessage(FormatResString(kStrErrorDeletingRun, runId) + "\n" + error.what());
        return false;
    }
}

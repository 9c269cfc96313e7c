// One front end at a time on a database: the lock of the lock file beside it (the path of the
// database file, its links followed, then kDatabaseLockSuffix, so that every name of one file
// shares one lock), held from the start to the end and moved with the database when the options
// change it. A start compacts the database by renaming it away, which must not happen under
// another front end writing to it.
#pragma once

#include <string>

#include "file_lock.h"

class DatabaseLock {
  public:
    enum class Outcome {
        kHeld,        // this front end's until released
        kInUse,       // another front end holds it
        kNoLockFile,  // its lock file cannot be made: the database goes without the lock
    };

    // Takes the lock of the database `databasePath` at once, in place of any held before.
    Outcome Take(const std::string& databasePath);
    // Releases the lock of a database that was refused, and removes its lock file when Take
    // made it, so that nothing is left beside a path that is not used.
    void Abandon();
    void Release() { lock_.Release(); }

  private:
    FileLock lock_;
    std::string lockPath_;
    bool madeLockFile_ = false;
};

// The lock of the database in use.
DatabaseLock& HeldDatabaseLock();

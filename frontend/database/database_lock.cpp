#include "database_lock.h"

#include <chrono>
#include <filesystem>

#include "database_maintenance.h"

DatabaseLock::Outcome DatabaseLock::Take(const std::string& databasePath) {
    lockPath_ = DatabaseFilePath(databasePath) + std::string(kDatabaseLockSuffix);
    std::error_code error;
    madeLockFile_ = !std::filesystem::exists(lockPath_, error);
    switch (lock_.Acquire(lockPath_, std::chrono::milliseconds(0))) {
        case FileLock::Outcome::kHeld:
            return Outcome::kHeld;
        case FileLock::Outcome::kBusy:
            return Outcome::kInUse;
        case FileLock::Outcome::kFailed:
            break;
    }
    return Outcome::kNoLockFile;
}

void DatabaseLock::Abandon() {
    const bool held = lock_.Descriptor() >= 0;
    lock_.Release();
    std::error_code error;
    if (held && madeLockFile_) std::filesystem::remove(lockPath_, error);
}

DatabaseLock& HeldDatabaseLock() {
    static DatabaseLock lock;
    return lock;
}

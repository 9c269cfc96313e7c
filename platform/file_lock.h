// Exclusive locks on lock files, between processes.
//
// One simulation at a time in a data folder: the files that the front end and batch mode
// exchange have fixed names there, so two runs at once would read each other's results. Each
// holds the lock of the data folder's lock file for as long as it uses them. The front end holds
// it from writing the batch input to the end of loading the results, and hands it to the batch
// program that it starts, which would otherwise wait for its own parent.
//
// One front end at a time on a database: its start compacts the file by renaming it away.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "problem.h"

inline constexpr std::string_view kSimulationLockFileName = "Tidewarm.lock";
// The lock file of a database: its path followed by this.
inline constexpr std::string_view kDatabaseLockSuffix = ".lock";
// Environment variable that gives a started program the number of the descriptor through which it
// shares its parent's lock.
inline constexpr const char* kHandedLockVariable = "TIDEWARM_SIMULATION_LOCK_FD";
// The lock file of the data folder `dataFolder`.
std::string SimulationLockPath(const std::string& dataFolder);
// How long a simulation waits for another one to end before it is refused.
inline constexpr std::chrono::milliseconds kSimulationLockWait{5000};

class FileLock {
  public:
    enum class Outcome {
        kHeld,    // the lock is this process's until released
        kBusy,    // another process still held it after the wait
        kFailed,  // the lock file could not be opened (`Failure()` says why)
    };

    FileLock() = default;
    ~FileLock() { Release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    // A moved lock stays held, by its new owner; the one it replaces is released.
    FileLock(FileLock&& other) noexcept
        : fd_(std::exchange(other.fd_, -1)), failure_(std::move(other.failure_)) {}
    FileLock& operator=(FileLock&& other) noexcept {
        if (this == &other) return *this;
        Release();
        fd_ = std::exchange(other.fd_, -1);
        failure_ = std::move(other.failure_);
        return *this;
    }

    // Takes the lock of the file `path` (created when missing), waiting up to `wait` while
    // another process holds it; a lock held before is released first. A lock handed down by the
    // parent process (kHandedLockVariable naming a descriptor open on that file) is taken at
    // once.
    Outcome Acquire(const std::string& path, std::chrono::milliseconds wait);
    void Release();

    // The descriptor that holds the lock, to hand to a started program; -1 when not held.
    int Descriptor() const { return fd_; }
    // Why the last Acquire failed; empty after any other outcome.
    const std::optional<Problem>& Failure() const { return failure_; }

  private:
    int fd_ = -1;
    std::optional<Problem> failure_;
};

// The string ids of what a refused reservation of a data folder shows: another simulation held
// it all through the wait (a text taking the folder), or its lock file could not be opened (a
// text taking the reason).
struct DataFolderLockTexts {
    int busy;
    int failed;
};

// Takes the simulation lock of the data folder `folder` into `lock`, waiting kSimulationLockWait
// for another simulation to end; false when it is refused, after its message.
[[nodiscard]] bool ReserveDataFolder(FileLock& lock, const std::string& folder,
                                     const DataFolderLockTexts& texts);

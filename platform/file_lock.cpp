#include "file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "files.h"
#include "string_table.h"
#include "user_interface.h"

namespace {

constexpr std::chrono::milliseconds kRetryInterval{50};

// The descriptor named by kHandedLockVariable when it is open on the file `lockPath`; else -1.
// The lock belongs to the open file, so the descriptor of a parent that holds it takes it again
// at once, while a descriptor of some other opening does not get round another holder's lock.
int HandedDescriptor(const std::string& lockPath) {
    const char* text = std::getenv(kHandedLockVariable);
    int fd = -1;
    if (text == nullptr || !ParseDecimalInt(text, fd) || fd < 0) return -1;
    struct stat handed {
    }, named{};
    if (::fstat(fd, &handed) != 0 || ::stat(lockPath.c_str(), &named) != 0) return -1;
    if (handed.st_dev != named.st_dev || handed.st_ino != named.st_ino) return -1;
    return ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
}

}  // namespace

std::string SimulationLockPath(const std::string& dataFolder) {
    return dataFolder + "/" + std::string(kSimulationLockFileName);
}

void FileLock::Release() {
    // Closing, never unlocking: a descriptor shared with the parent must not end the parent's
    // lock.
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

FileLock::Outcome FileLock::Acquire(const std::string& path, std::chrono::milliseconds wait) {
    Release();
    failure_.reset();
    int fd = HandedDescriptor(path);
    if (fd < 0) fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        failure_ = Problem{path + ": " + std::strerror(errno)};
        return Outcome::kFailed;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return Outcome::kHeld;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            failure_ = Problem{path + ": " + std::strerror(errno)};
            ::close(fd);
            return Outcome::kFailed;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return Outcome::kBusy;
        }
        std::this_thread::sleep_for(kRetryInterval);
    }
}

bool ReserveDataFolder(FileLock& lock, const std::string& folder,
                       const DataFolderLockTexts& texts) {
    switch (lock.Acquire(SimulationLockPath(folder), kSimulationLockWait)) {
        case FileLock::Outcome::kHeld:
            return true;
        case FileLock::Outcome::kBusy:
            ShowMessage(FormatResString(texts.busy, folder));
            return false;
        case FileLock::Outcome::kFailed:
            ShowMessage(FormatResString(texts.failed, lock.Failure()->message));
            return false;
    }
    return false;
}

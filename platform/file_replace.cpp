#include "file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "folders.h"
#include "regular_file.h"

namespace {

// Writes all of `text` to `fd`; false on any failure.
bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Creates a new file beside `path` under a name that no other writer (another process, or an
// earlier call of this one) uses, with the permissions the umask gives a new file; its name goes
// to `temporary`. -1 on failure, with errno set.
int CreateUniqueBeside(const std::string& path, std::string& temporary) {
    static std::atomic<unsigned> calls{0};
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        temporary = path + "." + std::to_string(::getpid()) + "-" + std::to_string(calls++) +
                    std::string(kTemporarySuffix);
        const int fd = CreateNewFile(temporary);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Gives `fd` the permissions of the regular file at `path`, when there is one.
bool KeepPermissionsOf(const std::string& path, int fd) {
    struct stat replaced {};
    if (::stat(path.c_str(), &replaced) != 0 || !S_ISREG(replaced.st_mode)) return true;
    return ::fchmod(fd, replaced.st_mode & 07777) == 0;
}

// Copies the rest of the open file `fromFd` into `toFd`; on failure errno tells why, and
// `readFailed` whether reading failed.
bool CopyContents(int fromFd, int toFd, bool& readFailed) {
    constexpr std::size_t kBlock = 64 * 1024;
    std::string block(kBlock, '\0');
    for (;;) {
        const ssize_t n = ::read(fromFd, block.data(), block.size());
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            readFailed = true;
            return false;
        }
        if (!WriteAll(toFd, std::string_view(block.data(), static_cast<std::size_t>(n))))
            return false;
    }
}

// The file that could not be read or written, with the system's reason `error`.
Problem FileProblem(const std::string& file, int error) {
    return Problem{file + ": " + std::strerror(error)};
}

// Gives the complete temporary file its final name, over an earlier file or never.
bool GiveName(const std::string& temporary, const std::string& path, ExistingFile existing) {
    if (existing == ExistingFile::kReplace)
        return std::rename(temporary.c_str(), path.c_str()) == 0;
    // A hard link fails when the name is taken; the temporary name goes afterwards.
    return ::link(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace

std::string TemporaryName(const std::string& path) {
    return path + std::string(kTemporarySuffix);
}

int CreateNewFile(const std::string& path, mode_t mode) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

std::optional<Problem> ReplaceFileContents(const std::string& path, std::string_view text) {
    std::string temporary;
    const int fd = CreateUniqueBeside(path, temporary);
    bool ok = fd >= 0;
    ok = ok && KeepPermissionsOf(path, fd) && WriteAll(fd, text) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (fd >= 0 && ::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (ok) return std::nullopt;
    if (fd >= 0) ::unlink(temporary.c_str());
    return Problem{std::strerror(error)};
}

void RemoveTemporaryFiles(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string folder = FolderOfPath(path);
    const std::string prefix = path.substr(path.rfind('/') + 1) + ".";
    std::error_code error;
    for (fs::directory_iterator entry(folder.empty() || folder == path ? "." : folder, error), end;
         !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.starts_with(prefix) && name.ends_with(kTemporarySuffix)) {
            std::error_code ignored;
            fs::remove(entry->path(), ignored);
        }
    }
}

StagedFile::~StagedFile() {
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

int StagedFile::Create() {
    std::string temporary;
    const int fd = CreateUniqueBeside(path_, temporary);
    if (fd >= 0) temporary_ = temporary;
    return fd;
}

std::optional<Problem> StagedFile::Finish(int fd, bool written) {
    int error = written ? 0 : errno;
    if (written && ::fsync(fd) != 0) {
        written = false;
        error = errno;
    }
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    written_ = written;
    if (!written) return FileProblem(path_, error);
    return std::nullopt;
}

std::optional<Problem> StagedFile::CopyFrom(const std::string& from, std::optional<mode_t> mode) {
    if (std::optional<Problem> problem = NotARegularFile(from))
        return Problem{from + ": " + problem->message};
    const int fromFd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (fromFd < 0) return FileProblem(from, errno);
    const int fd = Create();
    if (fd < 0) {
        const int error = errno;
        ::close(fromFd);
        return FileProblem(path_, error);
    }
    bool readFailed = false;
    const bool copied = (!mode || ::fchmod(fd, *mode) == 0) && CopyContents(fromFd, fd, readFailed);
    const int error = errno;
    ::close(fromFd);
    if (readFailed) {
        ::close(fd);
        return FileProblem(from, error);
    }
    errno = error;
    return Finish(fd, copied);
}

std::optional<Problem> StagedFile::Write(std::string_view text) {
    const int fd = Create();
    if (fd < 0) return FileProblem(path_, errno);
    return Finish(fd, WriteAll(fd, text));
}

std::optional<Problem> StagedFile::Commit(ExistingFile existing) {
    if (!written_) return Problem{path_ + ": not written"};
    if (!GiveName(temporary_, path_, existing)) return FileProblem(path_, errno);
    // After a hard link the temporary name still goes; after a rename it is gone.
    if (existing == ExistingFile::kReplace) temporary_.clear();
    return std::nullopt;
}

std::optional<Problem> CopyFileWhole(const std::string& from, const std::string& to,
                                     ExistingFile existing, std::optional<mode_t> mode) {
    StagedFile copy(to);
    std::optional<Problem> problem = copy.CopyFrom(from, mode);
    if (!problem) problem = copy.Commit(existing);
    return problem;
}

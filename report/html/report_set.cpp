#include "report_set.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iterator>
#include <system_error>
#include <vector>

#include "data_folder_files.h"
#include "file_kind.h"
#include "file_replace.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSourceStart = "src=\"";
// The part of a new folder's name that mkdtemp chooses.
constexpr std::string_view kUniquePart = "XXXXXX";
// The notes of saves under way in the data folder: "Tidewarm.html.saving.XXXXXX".
const std::string kSaveNotePrefix = std::string(kReportFile) + ".saving.";

// Where the value of the first "src" attribute at or after `from` that shows `chart` starts, and
// its length; npos when there is none.
std::pair<std::size_t, std::size_t> FindChartSource(std::string_view page, std::string_view chart,
                                                    std::size_t from) {
    for (std::size_t at = page.find(kSourceStart, from); at != std::string_view::npos;
         at = page.find(kSourceStart, at + 1)) {
        const std::size_t start = at + kSourceStart.size();
        const std::size_t end = page.find('"', start);
        if (end == std::string_view::npos) break;
        const std::string_view value = page.substr(start, end - start);
        if (value == chart || (value.ends_with(chart) && value.size() > chart.size() &&
                               value[value.size() - chart.size() - 1] == '/'))
            return {start, end - start};
    }
    return {std::string_view::npos, 0};
}

// A descriptor holding the lock of the folder `path` (a folder itself, not a link to one), or -1
// when another process holds it or the folder cannot be opened. The lock ends with the process,
// so a folder whose lock is free was left by a program that was killed, or is finished.
int LockFolder(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    ::close(fd);
    return -1;
}

// True when `path` still names the folder open on `fd`.
bool StillNamed(const fs::path& path, int fd) {
    struct stat named {};
    struct stat held {};
    return ::stat(path.c_str(), &named) == 0 && ::fstat(fd, &held) == 0 &&
           named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

bool IsNewFolderName(std::string_view name, std::string_view prefix) {
    return name.size() == prefix.size() + kUniquePart.size() && name.starts_with(prefix);
}

std::string PageText(const fs::path& page) {
    std::ifstream in = OpenRegularFile(page);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::optional<std::string> ChartSource(std::string_view page, std::string_view chart) {
    const auto [start, length] = FindChartSource(page, chart, 0);
    if (start == std::string_view::npos) return std::nullopt;
    return std::string(page.substr(start, length));
}

void PointChartsAt(std::string& page, std::string_view folderUrl) {
    for (std::string_view chart : kReportChartFiles) {
        const std::string source = std::string(folderUrl) + std::string(chart);
        for (std::size_t from = 0;;) {
            const auto [start, length] = FindChartSource(page, chart, from);
            if (start == std::string_view::npos) break;
            page.replace(start, length, source);
            from = start + source.size();
        }
    }
}

std::string UrlSegment(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const unsigned char c : text) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0xF];
        }
    }
    return encoded;
}

NewReportFolder::NewReportFolder(const fs::path& parent, std::string_view prefix) {
    std::string name = (parent / prefix).string() + std::string(kUniquePart);
    if (::mkdtemp(name.data()) == nullptr) return;
    lock_ = LockFolder(name);
    if (lock_ < 0) return;  // errno says why
    // Until it was locked, another program could take the new folder for a stale one.
    if (StillNamed(name, lock_))
        path_ = name;
    else
        errno = ENOENT;
}

NewReportFolder::~NewReportFolder() {
    std::error_code ignored;
    if (!path_.empty() && !kept_) fs::remove_all(path_, ignored);
    if (lock_ >= 0) ::close(lock_);
}

void RemoveUnshownReportFolders(const fs::path& parent, std::string_view prefix,
                                const fs::path& page, std::string_view parentUrl) {
    std::vector<fs::path> folders;
    std::error_code error;
    for (fs::directory_iterator entry(parent, error), end; !error && entry != end;
         entry.increment(error)) {
        if (IsNewFolderName(entry->path().filename().string(), prefix))
            folders.push_back(entry->path());
    }
    const std::string_view chart = kReportChartFiles.front();
    for (const fs::path& folder : folders) {
        const int lock = LockFolder(folder);
        if (lock < 0) continue;  // still in use, or no folder
        // The page is read once the folder is locked: a program that gave its page the name
        // did so before it let the folder go.
        const std::string shownFrom = std::string(parentUrl) + folder.filename().string() + "/";
        const bool shown = ChartSource(PageText(page), chart) == shownFrom + std::string(chart);
        // Removed while locked: no other program can take it for a new folder meanwhile.
        if (!shown && StillNamed(folder, lock)) fs::remove_all(folder, error);
        ::close(lock);
    }
}

fs::path SavedChartsFolder(const fs::path& target) {
    return target.parent_path() / (target.stem().string() + "_files");
}

std::string SavedChartsUrl(const fs::path& target, const fs::path& folder) {
    return UrlSegment(SavedChartsFolder(target).filename().string()) + "/" +
           UrlSegment(folder.filename().string()) + "/";
}

void RemoveLeftoversOfSaves(const fs::path& target) {
    const fs::path charts = SavedChartsFolder(target);
    RemoveTemporaryFiles(target.string());
    RemoveUnshownReportFolders(charts, kSavedChartsPrefix, target,
                               UrlSegment(charts.filename().string()) + "/");
    std::error_code ignored;
    fs::remove(charts, ignored);  // only when empty
}

SaveUnderWay::SaveUnderWay(const fs::path& dataFolder, const fs::path& target) {
    std::string note = (dataFolder / kSaveNotePrefix).string() + std::string(kUniquePart);
    fd_ = ::mkstemp(note.data());
    if (fd_ < 0) return;  // the save goes on; only a kill would leave more than without note
    note_ = note;
    const std::string text = fs::absolute(target).string();
    [[maybe_unused]] const bool noted =
        ::flock(fd_, LOCK_EX) == 0 &&
        ::write(fd_, text.data(), text.size()) == static_cast<ssize_t>(text.size()) &&
        ::fsync(fd_) == 0;
}

SaveUnderWay::~SaveUnderWay() {
    if (fd_ < 0) return;
    ::unlink(note_.c_str());
    ::close(fd_);
}

void RemoveReportLeftovers(const fs::path& dataFolder) {
    RemoveUnshownReportFolders(dataFolder, kReportFolderPrefix, dataFolder / kReportFile, "");
    std::error_code error;
    for (fs::directory_iterator entry(dataFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (!IsNewFolderName(entry->path().filename().string(), kSaveNotePrefix)) continue;
        const int fd = ::open(entry->path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat note {};
        if (::fstat(fd, &note) == 0 && S_ISREG(note.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            const std::string target = PageText(entry->path());
            if (!target.empty()) RemoveLeftoversOfSaves(target);
            ::unlink(entry->path().c_str());
        }
        ::close(fd);
    }
}

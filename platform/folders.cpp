#include "folders.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "file_kind.h"
#include "file_replace.h"

namespace fs = std::filesystem;

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The user's home folder: $HOME, else the account's home folder.
std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* account = getpwuid(getuid()); account && account->pw_dir)
            home = account->pw_dir;
    }
    return home;
}

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

// The value of XDG_DOCUMENTS_DIR in a "user-dirs.dirs" file (shell assignments; the last one
// counts), with its quotes removed and a leading "$HOME" expanded; empty when the file does not
// set it to an absolute folder.
std::string XdgDocumentsFolder(const fs::path& file, const std::string& home) {
    std::ifstream in = OpenRegularFile(file);
    std::string line, found;
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, kKey.size(), kKey) != 0) continue;
        std::string value = line.substr(start + kKey.size());
        const std::size_t end = value.find_last_not_of(" \t");
        value.erase(end == std::string::npos ? 0 : end + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        found = value;
    }
    constexpr std::string_view kHome = "$HOME";
    if (found.compare(0, kHome.size(), kHome) == 0 &&
        (found.size() == kHome.size() || found[kHome.size()] == '/')) {
        if (home.empty()) return "";
        found = home + found.substr(kHome.size());
    }
    if (found.empty() || found.front() != '/') return "";
    return WithoutTrailingSlashes(found);
}

// True when both files can be read and hold the same bytes.
bool SameContents(const fs::path& a, const fs::path& b) {
    std::ifstream first = OpenRegularFile(a);
    std::ifstream second = OpenRegularFile(b);
    if (!first || !second) return false;
    return std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

// Adds `text` on a line of its own to the failures noted so far.
void Note(std::string& failures, const std::string& text) {
    if (!failures.empty()) failures += "\n";
    failures += text;
}

// Copies the cities delivered in `from` into the new weather folder `to`, never over a file.
void CopyDeliveredCities(const fs::path& from, const fs::path& to, std::string& failures) {
    std::error_code error;
    for (fs::directory_iterator entry(from, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code notRegular;
        if (!entry->is_regular_file(notRegular)) continue;
        const fs::path target = to / entry->path().filename();
        if (const std::optional<Problem> why =
                CopyFileWhole(entry->path().string(), target.string(), ExistingFile::kKeep);
            why && !fs::exists(target, notRegular))
            Note(failures, "Cannot copy " + entry->path().string() + " to " + to.string() + ": " +
                               why->message);
    }
}

}  // namespace

std::string FolderOfPath(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(0, slash));
}

std::string ProgramFolder() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) return "";
    return FolderOfPath(program.string());
}

std::string DocumentsFolder() {
    const std::string home = HomeFolder();
    std::string config = Environment("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/') config = home.empty() ? "" : home + "/.config";
    if (!config.empty()) {
        std::string documents = XdgDocumentsFolder(fs::path(config) / "user-dirs.dirs", home);
        if (!documents.empty()) return documents;
    }
    if (home.empty()) return "Documents";
    return WithoutTrailingSlashes(home) + "/Documents";
}

std::string DataFolder() {
    std::string documents = DocumentsFolder();
    if (documents == "/") documents.clear();
    return documents + "/" + std::string(kDataFolderName);
}

std::optional<Problem> SetUpDataFolder(const std::string& dataFolder,
                                       const std::string& programFolder) {
    std::string failures;
    std::error_code error;
    const fs::path data(dataFolder);
    fs::create_directories(data, error);
    if (error || !fs::is_directory(data)) {
        return Problem{"Cannot create the data folder " + dataFolder +
                       (error ? ": " + error.message() : std::string())};
    }
    const fs::path climate = data / kClimateFolderName;
    const bool newClimate = fs::create_directories(climate, error);
    if (error || !fs::is_directory(climate)) {
        Note(failures, "Cannot create the folder " + climate.string() +
                           (error ? ": " + error.message() : std::string()));
    } else if (newClimate) {
        CopyDeliveredCities(fs::path(programFolder) / kClimateFolderName, climate, failures);
    }
    for (std::string_view name : kDeliveredDataFiles) {
        const fs::path target = data / name;
        const fs::path source = fs::path(programFolder) / name;
        // A copy from an earlier version of the program is replaced; without the program's own
        // copy, the one there is kept.
        if (fs::exists(target, error) &&
            (!fs::exists(source, error) || SameContents(source, target)))
            continue;
        // A copy never left half written, with the permissions of a new file.
        if (const std::optional<Problem> why =
                CopyFileWhole(source.string(), target.string(), ExistingFile::kReplace))
            Note(failures,
                 "Cannot copy " + source.string() + " to " + dataFolder + ": " + why->message);
    }
    fs::current_path(data, error);
    if (error) {
        Note(failures, "Cannot enter the data folder " + dataFolder + ": " + error.message());
    }
    if (failures.empty()) return std::nullopt;
    return Problem{failures};
}

#include "config_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <locale>
#include <string_view>

#include "string_table.h"
#include "user_interface.h"

bool LocaleNamesFrench(std::string_view locale) {
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    std::string lower;
    for (char c : language) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == "fr" || lower == "french";
}

int UserLocaleLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return LocaleNamesFrench(value) ? 1 : 0;
    }
    return 0;
}

namespace {

std::string ConfigPath(const std::string& dataFolder) {
    return dataFolder + "/" + std::string(kConfigFileName);
}

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

}  // namespace

void ReadConfig(const std::string& dataFolder) {
    app::Language = app::PendingLanguage = UserLocaleLanguage();
    std::ifstream in(ConfigPath(dataFolder));
    if (!in) return;
    in.imbue(std::locale::classic());
    std::string word;
    if (!(in >> word) || word != "TIDEWARMPRO") return;
    std::string rest;
    std::getline(in, rest);
    std::string language;
    if (!(in >> language)) return;
    app::Language = app::PendingLanguage = language == "Fra" ? 1 : 0;
}

bool ReplaceFileContents(const std::string& path, std::string_view text, std::string* problem) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    bool ok = fd >= 0;
    ok = ok && WriteAll(fd, text) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (fd >= 0 && ::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        if (fd >= 0) ::unlink(temporary.c_str());
        if (problem != nullptr) *problem = std::strerror(error);
    }
    return ok;
}

bool WriteConfig(const std::string& dataFolder) {
    const std::string text =
        std::string("TIDEWARMPRO 3.0\n") + (app::PendingLanguage == 1 ? "Fra" : "Eng") + "\n";
    const bool ok = ReplaceFileContents(ConfigPath(dataFolder), text);
    if (!ok) ShowMessage(LoadResString(kConfigWriteFailedMessage), MessageKind::Error);
    return ok;
}

#include "config_file.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <locale>
#include <string_view>

#include "file_replace.h"
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

bool WriteConfig(const std::string& dataFolder) {
    const std::string text =
        std::string("TIDEWARMPRO 3.0\n") + (app::PendingLanguage == 1 ? "Fra" : "Eng") + "\n";
    const bool ok = ReplaceFileContents(ConfigPath(dataFolder), text);
    if (!ok) ShowMessage(LoadResString(kConfigWriteFailedMessage), MessageKind::Error);
    return ok;
}

#include "program_config.h"

#include <fstream>
#include <locale>
#include <string_view>

#include "file_replace.h"
#include "locale_language.h"
#include "regular_file.h"
#include "string_table.h"
#include "user_interface.h"

namespace {

std::string ConfigPath(const std::string& dataFolder) {
    return dataFolder + "/" + std::string(kConfigFileName);
}

}  // namespace

void ReadConfig(const std::string& dataFolder) {
    app::Language = app::PendingLanguage = UserLocaleLanguage();
    if (NotARegularFile(ConfigPath(dataFolder))) return;  // a FIFO would hold the start
    std::ifstream in(ConfigPath(dataFolder));
    if (!in) return;
    in.imbue(std::locale::classic());
    std::string word;
    if (!(in >> word) || word != "TIDEWARMPRO") return;
    std::string rest;
    std::getline(in, rest);
    std::string languageWord;
    if (!(in >> languageWord)) return;
    app::Language = app::PendingLanguage = LanguageOfWord(languageWord);
}

bool WriteConfig(const std::string& dataFolder) {
    const std::string text =
        "TIDEWARMPRO 3.0\n" + std::string(LanguageWord(app::PendingLanguage)) + "\n";
    if (!ReplaceFileContents(ConfigPath(dataFolder), text)) return true;
    ShowMessage(LoadResString(kConfigWriteFailedMessage), MessageKind::Error);
    return false;
}

#include "frontend_config.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "file_replace.h"
#include "folders.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "locale_language.h"
#include "regular_file.h"
#include "user_interface.h"

namespace {

constexpr std::string_view kHeaderWord = "TIDEWARM";
constexpr std::size_t kLineCount = 6;

std::string ConfigPath(const std::string& dataFolder) {
    return dataFolder + "/" + std::string(kFrontEndConfigFileName);
}

// The first `kLineCount` lines of the file, without their line ends (LF, or LF after CRs: a
// path never ends in a CR, and one kept would be lost when the file is next read).
std::vector<std::string> ReadLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string line;
    while (lines.size() < kLineCount && std::getline(in, line)) {
        while (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The first word of a line; empty when it has none.
std::string FirstWord(const std::string& line) {
    std::istringstream words(line);
    std::string word;
    words >> word;
    return word;
}

// The integer that starts a line (after blanks); false when there is none.
bool LeadingInteger(const std::string& line, int& value) {
    std::istringstream numbers(line);
    numbers.imbue(std::locale::classic());
    return static_cast<bool>(numbers >> value);
}

// Applies the lines after the header in order; stops at the first one that is missing or bad.
void ApplySettings(const std::vector<std::string>& lines) {
    int units = 0;
    if (lines.size() < 2 || !LeadingInteger(lines[1], units) || (units != 0 && units != 1)) return;
    g_nUnits = units == 1 ? UnitSystem::IP : UnitSystem::SI;
    if (lines.size() < 3 || lines[2].empty()) return;
    g_strDatabasePath = lines[2];
    if (lines.size() < 4 || lines[3].empty()) return;
    g_strClimateFolder = lines[3];
    int runId = 0;
    if (lines.size() < 5 || !LeadingInteger(lines[4], runId)) return;
    g_nCurrentRunId = runId;
    if (lines.size() < 6 || FirstWord(lines[5]).empty()) return;
    g_nLanguage = g_nNewLanguage = LanguageOfWord(FirstWord(lines[5]));
}

}  // namespace

void SetupPaths(const std::string& dataFolder, const std::string& programFolder) {
    g_strDatabasePath = dataFolder + "/" + std::string(kDatabaseFileName);
    g_strClimateFolder = dataFolder + "/" + std::string(kClimateFolderName);
    g_nUnits = UnitSystem::SI;
    g_nLanguage = g_nNewLanguage = Language::English;
    g_strProgramFolder = programFolder;
}

void ReadFrontEndConfig(const std::string& dataFolder) {
    g_nLanguage = g_nNewLanguage = UserLocaleLanguage();
    if (NotARegularFile(ConfigPath(dataFolder))) return;  // a FIFO would hold the start
    std::ifstream in(ConfigPath(dataFolder), std::ios::binary);
    if (!in) return;
    const std::vector<std::string> lines = ReadLines(in);
    if (lines.empty() || FirstWord(lines[0]) != kHeaderWord) return;
    ApplySettings(lines);
}

bool WriteFrontEndConfig(const std::string& dataFolder) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << kHeaderWord << " 3.0\n"
         << (g_nUnits == UnitSystem::IP ? 1 : 0) << '\n'
         << g_strDatabasePath << '\n'
         << g_strClimateFolder << '\n'
         << g_nCurrentRunId << '\n'
         << LanguageWord(g_nNewLanguage) << '\n';
    const std::string path = ConfigPath(dataFolder);
    const std::optional<Problem> problem = ReplaceFileContents(path, text.str());
    if (problem)
        ShowMessage(LoadResString(kStrConfigWriteFailed) + " " + path + ":\n" + problem->message);
    return !problem;
}

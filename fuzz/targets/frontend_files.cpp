// The front end's readers of outside files. The result files: the same bytes read as the monthly
// file, as its reference file and as the hourly file; whatever they hold, the rows are bounded
// and whole. "Tidewarm.cfg": whatever it holds, the settings read are ones the program can hold,
// and writing them gives a file that reads back to the same settings.
#include <cmath>
#include <sstream>
#include <string>

#include "frontend_config.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "fuzz_support.h"
#include "language.h"
#include "result_files.h"

// The simulator's texts, which the other entries read; its header's ids share names with the
// front end's.
std::span<const StringEntry> SimulatorEnglishStrings();

namespace fuzz {

void ResultLoader(Bytes bytes) {
    QuietMessages quiet;
    // The front end's texts while its reader runs; the simulator's again for the other entries.
    SetEnglishStrings(FrontEndEnglishStrings());
    const std::string text(bytes.begin(), bytes.end());
    std::istringstream monthly(text), reference(text), hourly(text);
    // A season from the first two bytes.
    const RunSeason season{bytes.empty() ? 1 : bytes[0] % 365 + 1,
                           bytes.size() < 2 ? 1 : bytes[1] % 365 + 1};
    std::vector<MonthlyResultRow> rows;
    if (!ReadMonthlyResultRows(monthly, &reference, season, rows)) {
        Require(rows.size() <= 255);
        for (const MonthlyResultRow& row : rows)
            for (double value : row.values) Require(std::isfinite(value));
    }
    std::vector<DailyTemperature> days;
    if (!ReadDailyTemperatures(hourly, season, days))
        for (const DailyTemperature& day : days)
            Require(day.month >= 1 && day.month <= 12 && std::isfinite(day.tPool));
    SetEnglishStrings(SimulatorEnglishStrings());
}

namespace {

struct FrontEndSettings {
    UnitSystem units;
    int runId;
    Language language, newLanguage;
    std::string databasePath, climateFolder;
    bool operator==(const FrontEndSettings&) const = default;
};

FrontEndSettings ReadSettings() {
    SetupPaths(".", ".");
    ReadFrontEndConfig(".");
    return {g_nUnits,       g_nCurrentRunId,   g_nLanguage,
            g_nNewLanguage, g_strDatabasePath, g_strClimateFolder};
}

}  // namespace

void FrontEndConfig(Bytes bytes) {
    QuietMessages quiet;
    SetEnglishStrings(FrontEndEnglishStrings());
    WriteInput(std::string(kFrontEndConfigFileName), bytes);
    const FrontEndSettings read = ReadSettings();
    // Either language, which its word stands for again.
    Require(LanguageOfWord(LanguageWord(read.language)) == read.language &&
            read.newLanguage == read.language);
    Require(!read.databasePath.empty() && !read.climateFolder.empty());
    Require(WriteFrontEndConfig("."));
    Require(ReadSettings() == read);
    SetEnglishStrings(SimulatorEnglishStrings());
}

}  // namespace fuzz

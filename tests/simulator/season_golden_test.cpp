// A whole season of one of the season benchmark's plants on the real Greensboro year, its monthly
// result files compared byte for byte with the ones kept in tests/data/golden/: any change of the
// results fails here and shows as the lines that differ. With TIDEWARM_UPDATE_GOLDEN=1 the test
// writes the new results over the kept files instead, so that the change is reviewed in their diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "component.h"
#include "document.h"
#include "season_plants.h"
#include "simulator_strings.h"
#include "sun.h"
#include "test_support.h"
#include "weather_import.h"

namespace {

namespace fs = std::filesystem;

const fs::path kGoldenFolder = fs::path(TIDEWARM_TEST_DATA_DIR) / "golden";
constexpr char kUpdateVariable[] = "TIDEWARM_UPDATE_GOLDEN";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lines that differ, line by line, each kept line marked "-" and each new one "+".
std::string LineDifferences(const std::string& kept, const std::string& written) {
    const std::vector<std::string> before = Lines(kept);
    const std::vector<std::string> after = Lines(written);
    std::ostringstream out;
    for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
        const bool hasBefore = i < before.size();
        const bool hasAfter = i < after.size();
        if (hasBefore && hasAfter && before[i] == after[i]) continue;
        out << "@@ line " << i + 1 << " @@\n";
        if (hasBefore) out << "-" << before[i] << "\n";
        if (hasAfter) out << "+" << after[i] << "\n";
    }
    // Lines alike but bytes not: line ends or a last line without its end.
    if (out.tellp() == 0) out << "(the same lines; the files differ in their line ends)\n";
    return out.str();
}

bool UpdateAsked() {
    const char* value = std::getenv(kUpdateVariable);
    return value != nullptr && std::string(value) == "1";
}

// Compares the result file `written` with the kept file `goldenName`, or replaces the kept file
// when asked to.
void ExpectSameAsGolden(const fs::path& written, const std::string& goldenName) {
    const fs::path golden = kGoldenFolder / goldenName;
    const std::string results = test::ReadFile(written);
    ASSERT_FALSE(results.empty()) << written << " was not written";
    if (UpdateAsked()) {
        fs::create_directories(kGoldenFolder);
        test::WriteFile(golden, results);
        std::printf("%s rewritten\n", golden.c_str());
        return;
    }
    const std::string kept = fs::exists(golden) ? test::ReadFile(golden) : std::string();
    EXPECT_TRUE(results == kept) << written.filename() << " differs from " << golden << ":\n"
                                 << LineDifferences(kept, results)
                                 << "If the change of results is meant, run the test with "
                                 << kUpdateVariable << "=1 to rewrite " << golden.filename()
                                 << ", and commit it with the change.";
}

TEST(SeasonGolden, GlazedWithHeaterOnGreensboroKeepsItsMonthlyResults) {
    test::ScopedTempDir dir;
    test::InstallMessageFile();
    SetEnglishStrings(SimulatorEnglishStrings());
    const auto imported = ImportWeatherFile(
        std::string(TIDEWARM_RESOURCES_DIR) + "/weather/723170TYA.CSV", ".", "Greensboro", false);
    ASSERT_TRUE(std::holds_alternative<ImportedCity>(imported));
    const std::string city = std::get<ImportedCity>(imported).path;
    const auto year = ReadWeatherYear(city);
    ASSERT_TRUE(std::holds_alternative<WeatherYearRead>(year));
    const ZefirContents& station = std::get<WeatherYearRead>(year).contents;

    CTidewarmDoc doc;
    season_plants::SetUp(doc, season_plants::kGlazedWithHeater, 1);
    // The city's hours are its standard time, turned into solar time as a batch run does.
    doc.binaryWeatherReader.SetFileName(city.c_str());
    doc.sun.SetParameters(station.latitude * kRadiansPerDegree, 1,
                          station.longitude * kRadiansPerDegree,
                          StandardMeridianOf(station.longitude) * kRadiansPerDegree);
    ASSERT_EQ(doc.RunSimulation("greensboro.tdw"), 0);

    ExpectSameAsGolden(std::string("greensboro") + kMonthlyResultExtension,
                       "greensboro_season.mly");
    ExpectSameAsGolden(std::string("greensboro") + kReferenceMonthlyResultExtension,
                       "greensboro_season.mlx");
}

}  // namespace

// The sample run of `make run`, in the user's data folder as TidewarmPro uses it.
//
//   sample_run prepare   writes a synthetic ZEFIR weather file into "Climate" and a batch input
//                        file "Tidewarm.tmp" for a residential pool heated from mid-May to
//                        mid-September;
//   sample_run show      lists the result files and prints the season's monthly results.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "folders.h"
#include "physical_constants.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

// A residential in-ground pool of 40 m2, reference run asked; unglazed collectors facing south,
// a gas heater for every month and a blanket from May to September.
constexpr char kSampleRun[] = R"(1
9 Dec 2026 12:00
Sample run on synthetic weather
0
1
%s
5
15
9
15
40
10
21
24
26
29
9
20
9
21
1
1
1
3.7
0.2
0.84
0.04
15
3
0
8
3
1
4
20
1.2
1
0
30000
0.82
4095
1
0.2
0.7
0.9
0
0.01
248
)";

int Prepare(const fs::path& data) {
    std::error_code error;
    fs::create_directories(data / "Climate", error);
    const fs::path weather = data / "Climate" / "Sample.zfw";
    synthetic::WeatherYear year;
    year.stationName = "SAMPLE CITY (SYNTHETIC)";
    if (error || !synthetic::WriteZefirFile(weather, year)) {
        std::fprintf(stderr, "sample_run: cannot write %s\n", weather.c_str());
        return 1;
    }
    std::vector<char> text(sizeof kSampleRun + weather.string().size());
    std::snprintf(text.data(), text.size(), kSampleRun, weather.c_str());
    std::ofstream out(data / "Tidewarm.tmp", std::ios::binary | std::ios::trunc);
    if (!(out << text.data()) || !out.flush()) {
        std::fprintf(stderr, "sample_run: cannot write %s\n", (data / "Tidewarm.tmp").c_str());
        return 1;
    }
    std::printf("Sample run prepared in %s (synthetic weather %s)\n", data.c_str(),
                weather.c_str());
    return 0;
}

// Rows of a result table by column name.
std::vector<std::map<std::string, double>> ReadTable(const fs::path& path) {
    std::vector<std::map<std::string, double>> rows;
    std::ifstream in(path);
    std::string line;
    std::vector<std::string> names;
    if (std::getline(in, line)) {
        std::istringstream header(line);
        for (std::string name; std::getline(header, name, ',');) names.push_back(name);
    }
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::map<std::string, double> row;
        std::string field;
        for (std::size_t i = 0; i < names.size() && std::getline(fields, field, ','); ++i)
            row[names[i]] = std::strtod(field.c_str(), nullptr);
        rows.push_back(row);
    }
    return rows;
}

int Show(const fs::path& data) {
    std::printf("\nResult files in %s:\n", data.c_str());
    for (const char* name : {"Tidewarm.tdw", "Tidewarm.mly", "Tidewarm.mlx", "Tidewarm.hly",
                             "Tidewarm.hlx", "Tidewarm.lis"})
        if (fs::exists(data / name)) std::printf("  %s\n", name);
    const auto rows = ReadTable(data / "Tidewarm.mly");
    if (rows.empty()) {
        std::fprintf(stderr, "sample_run: no monthly results in %s\n",
                     (data / "Tidewarm.mly").c_str());
        return 1;
    }
    std::printf("\nMonthly results of the season (energies in GJ):\n");
    std::printf("%6s %9s %9s %9s %9s %9s %8s %6s %6s\n", "Month", "Passive", "Active", "Auxiliary",
                "Losses", "Collected", "TPool", "Swim", "Usable");
    for (const auto& row : rows) {
        auto gj = [&](const char* name) { return row.at(name) / kJoulesPerGigajoule; };
        const int month = static_cast<int>(row.at("Month") + 0.5);
        char label[16];
        std::snprintf(label, sizeof label, month == 0 ? "Season" : "%d", month);
        std::printf("%6s %9.2f %9.2f %9.2f %9.2f %9.2f %8.2f %6.1f %6.1f\n", label, gj("QPass"),
                    gj("QAct"), gj("QAux"), gj("QLoss"), gj("QColl"), row.at("TPool"),
                    row.at("SwimDays"), row.at("UsableDays"));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc == 2 ? argv[1] : "";
    if (command == "prepare") return Prepare(DataFolder());
    if (command == "show") return Show(DataFolder());
    std::fprintf(stderr, "usage: sample_run prepare|show\n");
    return 2;
}

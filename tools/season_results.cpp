// Writes the result files of every season-benchmark plant, so that a change to the engine can be
// checked for results that stay byte-identical:
//
//   season_results FOLDER   runs each plant with the reference pass in FOLDER and leaves there
//                           "<plant>.mly", ".mlx", ".hly", ".hlx" and ".lis".
#include <cstdio>
#include <filesystem>

#include "document.h"
#include "season_plants.h"
#include "simulator_strings.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: season_results FOLDER\n");
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    std::filesystem::current_path(argv[1]);
    SetEnglishStrings(SimulatorEnglishStrings());
    if (!season_plants::WriteWeather()) return 1;
    for (int plant = 0; plant < season_plants::kPlantCount; ++plant) {
        CTidewarmDoc doc;
        season_plants::SetUp(doc, plant, 1);
        const std::string name = std::string("plant") + std::to_string(plant) + ".tdw";
        if (doc.RunSimulation(name) != 0) {
            std::fprintf(stderr, "%s: the run failed\n", season_plants::kPlantNames[plant]);
            return 1;
        }
    }
    return 0;
}

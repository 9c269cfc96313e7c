// A full 365-day season of representative projects on a generated ZEFIR weather year, with and
// without the reference pass of the unheated pool.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "document.h"
#include "season_plants.h"
#include "simulator_strings.h"

namespace fs = std::filesystem;

namespace {

// A folder of its own for the weather file and the result files, removed at exit.
class WorkFolder {
  public:
    WorkFolder() {
        std::string pattern = (fs::temp_directory_path() / "tidewarm-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
        fs::current_path(path_);
        if (!season_plants::WriteWeather()) std::abort();
    }
    ~WorkFolder() {
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(path_, ignored);
    }

  private:
    fs::path path_;
};

void BM_Season(benchmark::State& state) {
    static WorkFolder folder;
    SetEnglishStrings(SimulatorEnglishStrings());
    const int plant = static_cast<int>(state.range(0));
    CTidewarmDoc doc;
    season_plants::SetUp(doc, plant, static_cast<int>(state.range(1)));
    for (auto _ : state) {
        if (doc.RunSimulation("season.tdw") != 0) {
            state.SkipWithError("the run failed");
            break;
        }
    }
    state.SetLabel(season_plants::kPlantNames[plant]);
    state.counters["days/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * doc.NumDays * (doc.ReferenceRun ? 2 : 1),
        benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Season)
    ->ArgsProduct({{season_plants::kGlazedWithHeater, season_plants::kUnglazedRoofExchangerHeater,
                    season_plants::kIndoor},
                   {0, 1}})
    ->ArgNames({"plant", "reference"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

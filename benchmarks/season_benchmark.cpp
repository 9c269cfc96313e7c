// A full 365-day season of representative projects on a generated ZEFIR weather year, with and
// without the reference pass of the unheated pool.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>

#include "document.h"
#include "result_columns.h"
#include "simulator_strings.h"
#include "weather_files.h"

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
        if (!synthetic::WriteZefirFile("weather.zfw", synthetic::WeatherYear{})) std::abort();
    }
    ~WorkFolder() {
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(path_, ignored);
    }

  private:
    fs::path path_;
};

enum Plant : int { kGlazedWithHeater, kUnglazedRoofExchangerHeater, kIndoor, kPlantCount };
constexpr const char* kPlantNames[kPlantCount] = {"glazed+heater", "unglazed-roof+exchanger+heater",
                                                  "indoor+heater"};

void SetUp(CTidewarmDoc& doc, int plant, int reference) {
    doc.WeatherSource = kWeatherBinary;
    doc.binaryWeatherReader.SetFileName("weather.zfw");
    doc.sun.SetParameters(45.5 * std::numbers::pi / 180, 0, 0, 0);
    doc.StartDay = 1;
    doc.NumDays = 365;
    doc.ReferenceRun = reference;
    doc.gasHeater.SetParameters(26, 60000, 0.8);
    // Hourly output with every column, as a detailed study writes it.
    doc.HourlyOutput = 1;
    int flags[kHourlyColumnCount];
    for (int& flag : flags) flag = 1;
    doc.hourlyWriter.SetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    switch (plant) {
        case kUnglazedRoofExchangerHeater:
            doc.Collector = kCollectorUnglazed;
            doc.RoofType = 1;
            doc.UseExchanger = 1;
            break;
        case kIndoor:
            doc.IndoorPool = 1;
            doc.UseSolar = 0;
            break;
        default:
            break;
    }
}

void BM_Season(benchmark::State& state) {
    static WorkFolder folder;
    SetEnglishStrings(SimulatorEnglishStrings());
    const int plant = static_cast<int>(state.range(0));
    CTidewarmDoc doc;
    SetUp(doc, plant, static_cast<int>(state.range(1)));
    for (auto _ : state) {
        if (doc.RunSimulation("season.tdw") != 0) {
            state.SkipWithError("the run failed");
            break;
        }
    }
    state.SetLabel(kPlantNames[plant]);
    state.counters["days/s"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * doc.NumDays * (doc.ReferenceRun ? 2 : 1),
        benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Season)
    ->ArgsProduct({{kGlazedWithHeater, kUnglazedRoofExchangerHeater, kIndoor}, {0, 1}})
    ->ArgNames({"plant", "reference"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

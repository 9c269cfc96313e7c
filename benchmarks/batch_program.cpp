// TidewarmPro started as the front end starts it: "TidewarmPro -batch" from the program folder,
// its standard error read to the end and the process waited for. The run: a residential pool
// with glazed collectors, a gas heater and a blanket, the reference pass and the templates'
// hourly output, on a weather year with clouds; over the whole year, and over one day, which is
// mostly the program's start and end.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "batch_input.h"
#include "data_folder_files.h"
#include "folders.h"
#include "process.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

// A home folder of its own for the program's data folder, removed at exit; the configuration
// folder goes with it, so the data folder is "Documents/Tidewarm" inside it.
class BatchHome {
  public:
    BatchHome() {
        std::string pattern = (fs::temp_directory_path() / "tidewarm-batch-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
        setenv("HOME", pattern.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (path_ / ".config").c_str(), 1);
        fs::create_directories(fs::path(DataFolder()) / "Climate");
        synthetic::WeatherYear year;
        year.hourly = synthetic::CloudyWeather;
        if (!synthetic::WriteZefirFile(WeatherFile(), year)) std::abort();
    }
    ~BatchHome() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    static std::string WeatherFile() { return DataFolder() + "/Climate/cloudy.zfw"; }

  private:
    fs::path path_;
};

// The run from 1 January over `days` days.
BatchInput Run(int days) {
    BatchInput in;
    in.poolType = PoolType::ResidentialInGround;
    in.referenceRun = 1;
    in.weatherFile = BatchHome::WeatherFile();
    in.opensMonth = in.opensDay = 1;
    in.closesMonth = days == 365 ? 12 : 1;
    in.closesDay = days == 365 ? 31 : days;
    in.poolArea = 40;
    in.shading = 10;
    in.sunnyDayMinAirTemp = 21;
    in.cloudyDayMinAirTemp = 24;
    in.minPoolTemp = 26;
    in.maxPoolTemp = 30;
    in.weekdayOpen = 9;
    in.weekdayClose = 20;
    in.weekendOpen = 8;
    in.weekendClose = 21;
    in.activityLevel = 1;
    // Six 2 m2 glazed flat plates with a selective absorber, facing south at 30 degrees.
    in.collectorSelector = 1;
    in.collector = {0, 2.0, 0.04, 0.78, 0, 3.5, 0.015, 0, 6, 2.0, 1, 4, 30, 0.24};
    in.heaterSelector = 1;
    in.heater = {0, 30000, 0.8, 4095};
    in.blanketSelector = 1;
    in.blanket = {0.3, 0.6, 0.9, 0.05, 0.02, 4095};
    return in;
}

void BM_BatchProgram(benchmark::State& state) {
    static BatchHome home;
    std::string text;
    if (WriteBatchInput(Run(static_cast<int>(state.range(0))), text).error !=
        BatchInputError::kNone)
        std::abort();
    std::ofstream(DataFolder() + "/" + std::string(kBatchInputFileName)) << text;
    const std::string program = ProgramFolder() + "/TidewarmPro";
    for (auto _ : state) {
        const ProgramOutcome outcome = RunProgram(program, {"-batch"});
        if (!outcome.Succeeded() || !outcome.errors.empty()) {
            state.SkipWithError(("the run failed: " + outcome.errors + outcome.problem).c_str());
            break;
        }
    }
}

BENCHMARK(BM_BatchProgram)
    ->ArgName("days")
    ->Arg(365)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

// The sizing study as the front end runs it: ten sizes of a run (without collectors, then 1 to 9
// glazed collectors of 3.72 m2 on a 20 m2 pool) over the whole year with the reference pass, each
// through "TidewarmPro -batch", its result files read and its economics computed.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "database_maintenance.h"
#include "folders.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "input_form_data.h"
#include "sizing_study.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

constexpr char kCity[] = "CLOUDY CITY";

// A home folder of its own with a database copied from the reference database and one run,
// removed at exit.
class SizingHome {
  public:
    SizingHome() {
        std::string pattern = (fs::temp_directory_path() / "tidewarm-sizing-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
        setenv("HOME", pattern.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (path_ / ".config").c_str(), 1);
        SetEnglishStrings(FrontEndEnglishStrings());
        g_strProgramFolder = ProgramFolder();
        g_strClimateFolder = DataFolder() + "/Climate";
        fs::create_directories(g_strClimateFolder);
        synthetic::WeatherYear year;
        year.stationName = kCity;
        year.hourly = synthetic::CloudyWeather;
        if (!synthetic::WriteZefirFile(g_strClimateFolder + "/cloudy.zfw", year)) std::abort();
        g_CityNames = {kCity};
        g_WeatherFileNames = {"cloudy.zfw"};
        g_strDatabasePath = DataFolder() + "/Tidewarm.mdb";
        if (!CopyReferenceDatabase(g_strDatabasePath)) std::abort();
        AddRun();
    }
    ~SizingHome() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    InputFormData run;

  private:
    void AddRun() {
        run.time = 1'800'000'000;
        run.clientId = run.installerId = run.poolUseId = 1;
        run.doubleRun = true;
        run.city = kCity;
        run.opensMonth = run.opensDay = 1;
        run.closesMonth = 12;
        run.closesDay = 31;
        run.collectorId = 4;
        run.numberOfColl = 3;
        run.areaPerColl = 3.72;
        run.totalFlow = 0.6;
        run.heaterId = run.blanketId = 2;
        g_nRunCreationMode = RunCreationMode::New;
        if (!StoreNewRunOfForm(run)) std::abort();
    }

    fs::path path_;
};

void BM_SizingStudy(benchmark::State& state) {
    static SizingHome home;
    for (auto _ : state) {
        const std::optional<std::vector<SizeFigures>> sizes = RunSizingStudy(home.run);
        if (!sizes || sizes->size() != 10) {
            state.SkipWithError("the study failed");
            break;
        }
    }
}

BENCHMARK(BM_SizingStudy)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

// An EPW year made into a city file, as Import and tidewarm-weather do it: the file read, its
// 8760 records checked and converted, the ZEFIR file written whole and renamed.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <variant>

#include "weather_import.h"

namespace fs = std::filesystem;

namespace {

void BM_ImportEpwYear(benchmark::State& state) {
    const std::string source =
        TIDEWARM_RESOURCES_DIR "/weather/USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw";
    std::string folder = (fs::temp_directory_path() / "tidewarm-import-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) std::abort();
    for (auto _ : state) {
        if (!std::holds_alternative<ImportedCity>(ImportWeatherFile(source, folder, "", true))) {
            state.SkipWithError("the file was refused");
            break;
        }
    }
    fs::remove_all(folder);
}

BENCHMARK(BM_ImportEpwYear)->Unit(benchmark::kMillisecond);

}  // namespace

// A year of hourly weather read forward from a text table, as a run reads its weather: each
// record follows the one before, so the reader goes on from where it stopped rather than
// reading again from the top (which would read 38 million lines).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "files.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

void BM_TextTableYearForward(benchmark::State& state) {
    std::string folder = (fs::temp_directory_path() / "tidewarm-table-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) std::abort();
    const fs::path table = fs::path(folder) / "year.csv";
    if (!synthetic::WriteWeatherTable(table, synthetic::WeatherYear{})) std::abort();
    for (auto _ : state) {
        int record = 1;
        ASCIIFileReader reader(&record, table.string().c_str());
        for (record = 1; record <= 8760; ++record) {
            if (reader.Compute() != kOk) {
                state.SkipWithError("a record could not be read");
                break;
            }
        }
    }
    fs::remove_all(folder);
}

BENCHMARK(BM_TextTableYearForward)->Unit(benchmark::kMillisecond);

}  // namespace

// A collector array over a season of real weather at flows from slow to fast, run as the front
// end runs it.
#include <gtest/gtest.h>

#include <filesystem>
#include <variant>

#include "application.h"
#include "batch_file.h"
#include "document.h"
#include "message_capture.h"
#include "simulation_run_support.h"
#include "weather_import.h"

namespace {

namespace fs = std::filesystem;
using simulation_test::ReadResults;
using simulation_test::ResultTable;

class CollectorFlowSeason : public ::testing::Test {
  protected:
    void SetUp() override {
        test::InstallMessageFile();
        data_ = fs::current_path() / "data";
        fs::create_directories(data_);
        g_strDataFolder = data_.string();
        g_strProgramFolder = TIDEWARM_BIN_DIR;
        // Greensboro, North Carolina: a typical year of real weather.
        const auto city = ImportWeatherFile(TIDEWARM_RESOURCES_DIR "/weather/723170TYA.CSV",
                                            data_.string(), "Greensboro", false);
        ASSERT_TRUE(std::holds_alternative<ImportedCity>(city));
        weather_ = std::get<ImportedCity>(city).path;
    }

    // The season's collected energy (J) of a residential pool from June to September heated by
    // glazed collectors facing south at 45 degrees and a heat pump.
    double Collected(double collectors, double areaPerCollector, double totalFlow) {
        BatchInput input = test::SampleBatchInput(weather_);
        input.referenceRun = 0;
        input.opensMonth = 6;
        input.opensDay = 1;
        // The reference database's selective glazed collector: 0.04 kg/s for its 2 m2.
        input.collector = {.type = 0,
                           .testArea = 2.0,
                           .testFlowRate = 0.04,
                           .a = 0.78,
                           .c = 3.5,
                           .d = 0.015,
                           .collectorsPerBank = collectors,
                           .areaPerCollector = areaPerCollector,
                           .banks = 1,
                           .orientation = 4,
                           .slope = 45,
                           .totalFlow = totalFlow};
        input.heater = {1, 14000, 5, 4095};
        input.blanketSelector = 0;
        test::WriteFile(data_ / "Tidewarm.tmp", test::BatchInputText(input));
        CTidewarmDoc doc;
        EXPECT_EQ(doc.RunBatch(), 0);
        const ResultTable monthly = ReadResults(data_ / "Tidewarm.mly");
        return monthly.rows.empty() ? 0 : monthly.At(monthly.rows.size() - 1, "QColl");
    }

    test::ScopedTempDir dir_;
    test::MessageCapture messages_;
    fs::path data_;
    std::string weather_;
};

// A faster flow raises the collectors' heat removal factor: the array collects no less, even
// where its running rise falls below the controller's off difference.
TEST_F(CollectorFlowSeason, CollectedEnergyDoesNotFallAsTheFlowRises) {
    double slower = 0;
    for (double flow : {0.3, 0.6, 1.5, 3.0}) {
        const double collected = Collected(10, 2.96, flow);
        EXPECT_GE(collected, slower) << flow << " kg/s";
        slower = collected;
    }
    EXPECT_GT(slower, 0);
    // A small array at seven times its test flow still collects.
    EXPECT_GT(Collected(5, 2.0, 1.5), 0);
}

}  // namespace

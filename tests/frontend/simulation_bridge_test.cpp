// A run simulated by the real TidewarmPro, and by stand-ins that fail.
#include "simulation_bridge.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "economic_data.h"
#include "run_fixture.h"
#include "weather_files.h"

namespace {

class SimulationBridgeTest : public test::RunTest {
  protected:
    // The run's rows of `table`.
    int Rows(const char* table, int runId) {
        SQLite::Database database(g_strDatabasePath);
        return database
            .execAndGet(std::string("SELECT COUNT(*) FROM [") + table +
                        "] WHERE RunId = " + std::to_string(runId))
            .getInt();
    }

    void WriteWeather(int days) {
        synthetic::WeatherYear year;
        year.stationName = test::kCity;
        year.days = days;
        ASSERT_TRUE(synthetic::WriteZefirFile(g_strClimateFolder + "/" + test::kWeatherFile, year));
    }

    // A program folder holding only a TidewarmPro made of `script`.
    void StandIn(const std::string& script) {
        g_strProgramFolder = (folder.path() / "program").string();
        std::filesystem::create_directories(g_strProgramFolder);
        test::WriteFile(g_strProgramFolder + "/TidewarmPro", "#!/bin/sh\n" + script);
        ASSERT_EQ(chmod((g_strProgramFolder + "/TidewarmPro").c_str(), 0755), 0);
    }
};

// Simulated, loaded and its economics stored; a second simulation replaces the results; a
// weather file cut short fails the run, which is then left without results.
TEST_F(SimulationBridgeTest, RealSimulationLoadedReplacedAndFailed) {
    WriteWeather(365);
    const int runId = AddRun([](CRunsSet& run) {
        run.m_DoubleRun = true;
        run.m_CollectorId = 4;
        run.m_NumberOfColl = 4;
        run.m_AreaPerColl = 3.72;
        run.m_NumberOfBanks = 1;
        run.m_Orientation = 4;
        run.m_Slope = 20;
        run.m_TotalFlow = 0.8;
        run.m_HeaterId = 2;
    });
    g_nRunCreationMode = 1;
    g_nCurrentRunId = runId;
    CreateEconomics(-1);
    CRunsSet run;
    Select(run, runId);
    ASSERT_EQ(SimulateRun(run), SimulationOutcome::Loaded)
        << testing::PrintToString(messages.shown);
    const int results = Rows("Results", runId);
    EXPECT_GE(results, 5);                 // the season's months and its row
    EXPECT_EQ(Rows("Daily", runId), 124);  // 15 May to 15 September
    ASSERT_EQ(ComputeRunEconomics(runId), 1);
    SQLite::Database database(g_strDatabasePath);
    EXPECT_GT(database.execAndGet("SELECT QAct FROM Results WHERE Month = 0").getDouble(), 0);
    EXPECT_GT(
        database.execAndGet("SELECT UsableDaysNoHeat FROM Results WHERE Month = 0").getDouble(), 0);
    EXPECT_NE(database.execAndGet("SELECT LifeCycleCost FROM Economics").getDouble(), kNotComputed);

    ASSERT_EQ(SimulateRun(run), SimulationOutcome::Loaded);
    EXPECT_EQ(Rows("Results", runId), results);
    EXPECT_EQ(Rows("Daily", runId), 124);

    WriteWeather(200);
    messages.shown.clear();
    EXPECT_EQ(SimulateRun(run), SimulationOutcome::Failed);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(Rows("Results", runId) + Rows("Daily", runId), 0);
    EXPECT_FALSE(std::filesystem::exists(dataFolder + "/Tidewarm.mly"));
}

// A program that fails, even after leaving result files, or that cannot start, fails the run
// with its own words; the files it left are never read.
TEST_F(SimulationBridgeTest, AProgramThatFailsOrCannotStartIsAFailedRun) {
    CRunsSet run;
    Select(run, AddRun());
    StandIn(
        "printf 'Month,QAux\\n0,1e9\\n' > Tidewarm.mly\necho 'weather file too short' >&2\n"
        "exit 1\n");
    EXPECT_EQ(SimulateRun(run), SimulationOutcome::Failed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Could not open file 'Tidewarm.mly'\nweather file too short\n");
    EXPECT_EQ(Rows("Results", run.m_RunId), 0);

    std::filesystem::remove(g_strProgramFolder + "/TidewarmPro");
    EXPECT_EQ(SimulateRun(run), SimulationOutcome::Failed);
    EXPECT_EQ(messages.shown.size(), 2u);
}

// A batch input that cannot be written starts nothing and leaves the old results.
TEST_F(SimulationBridgeTest, NoBatchInputNoSimulation) {
    CRunsSet run;
    Select(run, AddRun([](CRunsSet& row) { row.m_City = "NOWHERE"; }));
    StandIn("touch \"$(dirname \"$0\")/started\"\n");
    SQLite::Database database(g_strDatabasePath, SQLite::OPEN_READWRITE);
    database.exec("INSERT INTO Results (RunId, SortId, Month) VALUES (" +
                  std::to_string(run.m_RunId) + ", 0, 0)");
    EXPECT_EQ(SimulateRun(run), SimulationOutcome::NotStarted);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Weather file for city NOWHERE not found."});
    EXPECT_EQ(Rows("Results", run.m_RunId), 1);
    EXPECT_FALSE(std::filesystem::exists(g_strProgramFolder + "/started"));
}

}  // namespace

// A run simulated by the real TidewarmPro, and by stand-ins that fail.
#include "simulation_bridge.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

#include "file_lock.h"
#include "run_economics.h"
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
    const int runId = AddHeatedSolarRun();
    g_nRunCreationMode = RunCreationMode::New;
    g_nCurrentRunId = runId;
    SQLite::Database connection = ConnectDatabase();
    CreateEconomics(-1, connection);
    CRunsSet run;
    Select(run, runId);
    ASSERT_EQ(SimulateRun(run), SimulationOutcome::Loaded)
        << testing::PrintToString(messages.shown);
    const int results = Rows("Results", runId);
    EXPECT_GE(results, 5);                 // the season's months and its row
    EXPECT_EQ(Rows("Daily", runId), 124);  // 15 May to 15 September
    ASSERT_TRUE(ComputeRunEconomics(runId));
    SQLite::Database database(g_strDatabasePath);
    EXPECT_GT(database.execAndGet("SELECT QAct FROM Results WHERE Month = 0").getDouble(), 0);
    EXPECT_GT(
        database.execAndGet("SELECT UsableDaysNoHeat FROM Results WHERE Month = 0").getDouble(), 0);
    EXPECT_NE(database.execAndGet("SELECT LifeCycleCost FROM Economics").getDouble(),
              kEconomicsNotComputed);

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
    EXPECT_EQ(messages.shown[0],
              "Could not open file 'Tidewarm.mly'\nTidewarmPro ended with exit status 1.\n"
              "weather file too short\n");
    EXPECT_EQ(Rows("Results", run.m_RunId), 0);

    std::filesystem::remove(g_strProgramFolder + "/TidewarmPro");
    EXPECT_EQ(SimulateRun(run), SimulationOutcome::Failed);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[1].find("TidewarmPro could not be started: "), std::string::npos)
        << messages.shown[1];
}

// A simulator killed half-way says so, with what it wrote on standard error; it leaves no result
// file nor temporary of one, and no file of the run before (report, text report, reference
// hourly file) stays to pass for this run's.
TEST_F(SimulationBridgeTest, AKilledProgramSaysSoAndLeavesNothingHalfDone) {
    CRunsSet run;
    Select(run, AddRun());
    for (const char* earlier : {"Tidewarm.lis", "Tidewarm.hlx", "Tidewarm.html",
                                "Report.TDaily.gif", "Report.Energies.gif"})
        test::WriteFile(dataFolder + "/" + earlier, "of the run before");
    StandIn("cd '" + dataFolder +
            "'\necho half > Tidewarm.mly.part\necho half > Tidewarm.lis.4242-0.part\n"
            "echo half > Tidewarm.tdw.part\necho 'out of memory' >&2\nkill -9 $$\n");
    EXPECT_EQ(SimulateRun(run), SimulationOutcome::Failed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              "Could not open file 'Tidewarm.mly'\nTidewarmPro was ended by signal 9 (Killed).\n"
              "out of memory\n");
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dataFolder))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Climate", "Tidewarm.lock", "Tidewarm.tmp"}));
}

// While another simulation holds the data folder, a run waits a short while and is refused:
// neither its batch input nor the other run's files are touched, and nothing is started.
TEST_F(SimulationBridgeTest, ARunIsRefusedWhileAnotherSimulationHoldsTheFolder) {
    CRunsSet run;
    Select(run, AddRun());
    test::WriteFile(dataFolder + "/Tidewarm.tmp", "the other run's input");
    test::WriteFile(dataFolder + "/Tidewarm.mly", "the other run's results");
    StandIn("touch '" + dataFolder + "/started'\n");
    FileLock other;
    ASSERT_EQ(other.Acquire(SimulationLockPath(dataFolder), std::chrono::milliseconds(0)),
              FileLock::Outcome::kHeld);
    EXPECT_EQ(SimulateRun(run), SimulationOutcome::NotStarted);
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"Another simulation is running in " + dataFolder +
                                       ". Try again once it has ended."});
    EXPECT_EQ(test::ReadFile(dataFolder + "/Tidewarm.tmp"), "the other run's input");
    EXPECT_EQ(test::ReadFile(dataFolder + "/Tidewarm.mly"), "the other run's results");
    EXPECT_FALSE(std::filesystem::exists(dataFolder + "/started"));
}

// A home folder far longer than a file name once could be (255 bytes) runs like any other.
TEST_F(SimulationBridgeTest, AVeryLongHomeFolderRuns) {
    const std::filesystem::path home =
        folder.path() / std::string(120, 'h') / std::string(120, 'o') / std::string(120, 'm');
    environment.Set("HOME", home.string());
    dataFolder = DataFolder();
    g_strClimateFolder = dataFolder + "/Climate";
    std::filesystem::create_directories(g_strClimateFolder);
    WriteWeather(365);
    CRunsSet run;
    Select(run, AddRun());
    ASSERT_EQ(SimulateRun(run), SimulationOutcome::Loaded)
        << testing::PrintToString(messages.shown);
    EXPECT_EQ(Rows("Daily", run.m_RunId), 124);
}

// Two front ends simulate two different runs on one data folder at the same moment, each through
// the real TidewarmPro. Each run ends with its own results (its season's months and days) or is
// refused with the message and has none: never the other run's.
TEST_F(SimulationBridgeTest, TwoSimulationsAtOnceNeverSwapResults) {
    WriteWeather(365);
    struct Chain {
        int runId;
        std::vector<int> months;  // of its Results rows, in order
        int days;
    };
    std::vector<Chain> chains = {{AddRun(), {5, 6, 7, 8, 9, 0}, 124},
                                 {AddRun([](CRunsSet& run) {
                                      run.m_OpensMonth = 6;
                                      run.m_OpensDay = 1;
                                      run.m_ClosesMonth = 8;
                                      run.m_ClosesDay = 31;
                                      run.m_PoolArea = 80;
                                  }),
                                  {6, 7, 8, 0},
                                  92}};
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    std::vector<pid_t> children;
    for (std::size_t c = 0; c < chains.size(); ++c) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child != 0) {
            children.push_back(child);
            continue;
        }
        ::close(start[1]);
        char go = 0;
        (void)!::read(start[0], &go, 1);  // both start when the parent closes the pipe
        CRunsSet run;
        (void)SelectById(run, kRunIdColumn, chains[c].runId);  // the run was added above
        const bool simulated = SimulateRun(run) == SimulationOutcome::Loaded;
        std::string shown;
        for (const std::string& message : messages.shown) shown += message + "\n";
        test::WriteFile(folder.path() / ("messages" + std::to_string(c)), shown);
        ::_exit(simulated ? 0 : 1);
    }
    ::close(start[0]);
    ::close(start[1]);
    // Both have ended before the database is read: a reader beside a running load finds it locked.
    std::vector<int> statuses(children.size());
    for (std::size_t c = 0; c < children.size(); ++c)
        ASSERT_EQ(::waitpid(children[c], &statuses[c], 0), children[c]);
    for (std::size_t c = 0; c < chains.size(); ++c) {
        SCOPED_TRACE("run " + std::to_string(c));
        const int status = statuses[c];
        ASSERT_TRUE(WIFEXITED(status));
        const std::string shown = test::ReadFile(folder.path() / ("messages" + std::to_string(c)));
        SQLite::Database database(g_strDatabasePath);
        SQLite::Statement months(database,
                                 "SELECT Month FROM Results WHERE RunId = ? ORDER BY SortId");
        months.bind(1, chains[c].runId);
        std::vector<int> stored;
        while (months.executeStep()) stored.push_back(months.getColumn(0).getInt());
        if (WEXITSTATUS(status) == 0) {
            EXPECT_EQ(shown, "");
            EXPECT_EQ(stored, chains[c].months);
            EXPECT_EQ(Rows("Daily", chains[c].runId), chains[c].days);
        } else {
            EXPECT_EQ(shown, "Another simulation is running in " + dataFolder +
                                 ". Try again once it has ended.\n");
            EXPECT_TRUE(stored.empty());
            EXPECT_EQ(Rows("Daily", chains[c].runId), 0);
        }
    }
}

// Result files out of the season's order or cut short are refused whole: nothing of the run is
// stored, and the run is not counted as simulated with results.
TEST_F(SimulationBridgeTest, ResultFilesOutOfOrderOrCutShortStoreNothing) {
    CRunsSet run;
    Select(run, AddRun([](CRunsSet& row) { row.m_DoubleRun = true; }));
    const std::string monthly = "Month,QAux\n5,1e9\n6,1e9\n7,1e9\n8,1e9\n9,1e9\n0,5e9\n";
    const std::string reference = "Month,UsableDays\n5,1\n6,1\n7,1\n8,1\n9,1\n0,5\n";
    const std::string hourly = test::HourlyResultFile(135, 124 * 24);
    // The records of `days` days from `startDay` on, without the heading line.
    const auto records = [](int startDay, int days) {
        const std::string file = test::HourlyResultFile(startDay, days * 24);
        return file.substr(file.find('\n') + 1);
    };
    const std::string daysSwapped =
        "Month,Day,Hour,TPool\n" + records(136, 1) + records(135, 1) + records(137, 122);
    const std::string prepared = (folder.path() / "prepared").string();
    std::filesystem::create_directories(prepared);
    StandIn("cp '" + prepared + "'/* '" + dataFolder + "'\n");
    struct Case {
        const char* what;
        std::string mlx, hly;
        SimulationOutcome outcome;
    };
    const std::vector<Case> cases = {
        {"whole", reference, hourly, SimulationOutcome::Loaded},
        {"two days swapped", reference, daysSwapped, SimulationOutcome::Refused},
        {"two months swapped", "Month,UsableDays\n5,1\n7,1\n6,1\n8,1\n9,1\n0,5\n", hourly,
         SimulationOutcome::Refused},
        {"hourly file cut short", reference, hourly.substr(0, hourly.size() - 100),
         SimulationOutcome::Refused}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::WriteFile(prepared + "/Tidewarm.mly", monthly);
        test::WriteFile(prepared + "/Tidewarm.mlx", c.mlx);
        test::WriteFile(prepared + "/Tidewarm.hly", c.hly);
        messages.shown.clear();
        EXPECT_EQ(SimulateRun(run), c.outcome);
        const bool loaded = c.outcome == SimulationOutcome::Loaded;
        EXPECT_EQ(messages.shown.size(), loaded ? 0u : 1u)
            << testing::PrintToString(messages.shown);
        EXPECT_EQ(Rows("Results", run.m_RunId), loaded ? 6 : 0);
        EXPECT_EQ(Rows("Daily", run.m_RunId), loaded ? 124 : 0);
    }
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

// The sizing study through the real TidewarmPro: its run's own size against what Run stores,
// a database left as it was, a failed size, the CSV.
#include "sizing_study.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "run_economics.h"
#include "run_fixture.h"
#include "simulation_bridge.h"
#include "sizing_command.h"
#include "sizing_table.h"
#include "weather_files.h"

namespace {

class SizingStudyTest : public test::RunTest {
  protected:
    void SetUp() override {
        test::RunTest::SetUp();
        // A cool summer, where the unheated pool gains swimmable days from its collectors.
        synthetic::WeatherYear year;
        year.stationName = test::kCity;
        year.hourly = [](int day, int hour) {
            synthetic::HourlyWeather weather = synthetic::SyntheticWeather(day, hour);
            weather.airTemperature -= 3;
            return weather;
        };
        ASSERT_TRUE(synthetic::WriteZefirFile(g_strClimateFolder + "/" + test::kWeatherFile, year));
    }

    // A 20 m2 pool without heater, swum in from 26 degC whatever the air, its unheated case
    // simulated too, with 3 glazed collectors of 3.72 m2 in one bank, and its economics row.
    int AddSolarRun() {
        const int runId = AddRun([](CRunsSet& run) {
            run.m_DoubleRun = true;
            run.m_PoolArea = 20;
            run.m_CollectorId = 4;
            run.m_NumberOfColl = 3;
            run.m_AreaPerColl = 3.72;
            run.m_NumberOfBanks = 1;
            run.m_Orientation = 4;
            run.m_Slope = 20;
            run.m_TotalFlow = 0.6;
        });
        SQLite::Database database(g_strDatabasePath, SQLite::OPEN_READWRITE);
        database.exec(
            "UPDATE PoolUse SET MinTAmbSunny = 5, MinTAmbCloudy = 5, MinTPool = 26 "
            "WHERE PoolUseId = 1");
        g_nRunCreationMode = RunCreationMode::New;
        g_nCurrentRunId = runId;
        CreateEconomics(-1, database);
        g_nRunCreationMode = RunCreationMode::Existing;
        return runId;
    }

    InputFormData StoredRun(int runId) {
        const std::optional<InputFormData> run = StoredRunForm(runId);
        EXPECT_TRUE(run.has_value());
        return run.value_or(InputFormData{});
    }
};

// The run's own size gives what Run stores for the run, its results and its economics to the
// last bit; the database is the same file, byte for byte, after the study; a larger array
// never gives fewer swimmable or usable days.
TEST_F(SizingStudyTest, OwnSizeIsWhatRunStoresAndNothingIsStored) {
    const int runId = AddSolarRun();
    CRunsSet stored;
    Select(stored, runId);
    ASSERT_EQ(SimulateRun(stored), SimulationOutcome::Loaded)
        << testing::PrintToString(messages.shown);
    ASSERT_TRUE(ComputeRunEconomics(runId));
    const std::string databaseBefore = test::ReadFile(g_strDatabasePath);

    const std::optional<std::vector<SizeFigures>> sizes = RunSizingStudy(StoredRun(runId));
    ASSERT_TRUE(sizes.has_value()) << testing::PrintToString(messages.shown);
    EXPECT_EQ(test::ReadFile(g_strDatabasePath), databaseBefore);

    // 0 to ceil(1.5 x 20 / 3.72) = 9 collectors, the run's own 3 among them.
    ASSERT_EQ(sizes->size(), 10u);
    EXPECT_FALSE(sizes->front().economics.has_value());
    EXPECT_EQ(sizes->back().collectorArea, 9 * 3.72);
    for (std::size_t n = 1; n < sizes->size(); ++n)
        for (double CResultsSet::*days : {&CResultsSet::m_SwimDays, &CResultsSet::m_UsableDays})
            EXPECT_GE((*sizes)[n].Season(days), (*sizes)[n - 1].Season(days))
                << SizingCsv(*sizes, true, UnitSystem::SI);
    EXPECT_GT(sizes->back().Season(&CResultsSet::m_UsableDays),
              sizes->front().Season(&CResultsSet::m_UsableDays));

    const SizeFigures& own = (*sizes)[3];
    ASSERT_TRUE(own.ownSize);
    EXPECT_EQ(own.totalFlow, 0.6);
    EXPECT_DOUBLE_EQ((*sizes)[6].totalFlow, 1.2);
    CResultsSet season;
    season.m_strFilter = "[RunId] = ? AND [Month] = 0";
    season.m_filterValues = {std::int64_t{runId}};
    season.Open();
    ASSERT_FALSE(season.IsEOF());
    for (const ResultColumn& column : kResultColumns)
        EXPECT_EQ(own.Season(column.member), season.*column.member)
            << kMonthlyColumns[column.column].name;

    CEconomicsSet economics;
    ASSERT_TRUE(SelectById(economics, kRunIdColumn, runId));
    ASSERT_TRUE(own.economics.has_value());
    const EconomicDialogData& e = *own.economics;
    EXPECT_EQ(e.InitialCosts, economics.m_InitialCosts);
    EXPECT_EQ(e.YearlyCosts, economics.m_YearlyCosts);
    EXPECT_EQ(e.LifeCycleCost, economics.m_LifeCycleCost);
    EXPECT_EQ(e.NetPresentValue, economics.m_NetPresentValue);
    EXPECT_EQ(StoredSimplePayback(e), economics.m_SimplePayback);
    EXPECT_TRUE(messages.shown.empty()) << testing::PrintToString(messages.shown);
}

// A size whose simulation fails ends the study with the run's own message and no figures.
TEST_F(SizingStudyTest, AFailedSizeEndsTheStudyWithItsMessage) {
    const int runId = AddSolarRun();
    // TidewarmPro fails from its third start on.
    const std::string real = g_strProgramFolder + "/TidewarmPro";
    g_strProgramFolder = (folder.path() / "program").string();
    std::filesystem::create_directories(g_strProgramFolder);
    const std::string count = (folder.path() / "starts").string();
    test::WriteFile(g_strProgramFolder + "/TidewarmPro",
                    "#!/bin/sh\necho x >> '" + count + "'\n[ $(wc -l < '" + count +
                        "') -ge 3 ] && { echo 'disk full' >&2; exit 4; }\nexec '" + real +
                        "' \"$@\"\n");
    ASSERT_EQ(chmod((g_strProgramFolder + "/TidewarmPro").c_str(), 0755), 0);

    std::optional<SizingStudy> study = SizingStudy::Plan(StoredRun(runId));
    ASSERT_TRUE(study.has_value());
    EXPECT_TRUE(study->SimulateNext());
    EXPECT_TRUE(study->SimulateNext());
    EXPECT_EQ(study->Sizes().size(), 2u);
    EXPECT_FALSE(study->SimulateNext());
    EXPECT_TRUE(study->Sizes().empty());
    EXPECT_FALSE(study->Finished());
    EXPECT_FALSE(study->SimulateNext());
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Could not open file 'Tidewarm.mly'\n"
                                                       "TidewarmPro ended with exit status 4.\n"
                                                       "disk full\n"});
}

// The command's table: a header naming each column with its unit in the run's units, one line
// per size, the run's own marked; the answers name sizes of the table.
TEST_F(SizingStudyTest, CommandPrintsTheTableAsCsvInTheRunsUnits) {
    const int runId = AddSolarRun();
    {
        CRunsSet run;
        Select(run, runId);
        run.Edit();
        run.SetUnits(UnitSystem::IP);
        run.Update();
    }
    std::ostringstream table, answers;
    ASSERT_EQ(PrintSizingStudy(runId, table, answers), 0) << testing::PrintToString(messages.shown);
    std::istringstream lines(table.str());
    std::string header, line;
    std::getline(lines, header);
    EXPECT_EQ(
        header,
        "Collectors,Collector area (ft2),Swimmable days,Usable days,Usable days without "
        "heating,Energy collected (MBTU),Auxiliary heating (MBTU),Electricity (kWh),Mean pool "
        "temperature (°F),Initial costs ($),Yearly costs ($),Life-cycle cost ($),Net present "
        "value ($),Simple payback (years),This run");
    std::vector<std::string> rows;
    while (std::getline(lines, line)) rows.push_back(line);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0].substr(0, 7), "0,0.00,");
    EXPECT_EQ(rows[0].substr(rows[0].size() - 6), ",,,,,,");  // no economics without solar
    EXPECT_EQ(rows[3].substr(0, 8), "3,120.13");              // 3 x 3.72 m2 in ft2
    for (std::size_t n = 0; n < rows.size(); ++n)
        EXPECT_EQ(rows[n].back() == '*', n == 3) << rows[n];
    EXPECT_NE(answers.str().find("Highest net present value: "), std::string::npos);
    EXPECT_NE(answers.str().find("ft2): "), std::string::npos) << answers.str();

    EXPECT_EQ(PrintSizingStudy(runId + 1, table, answers), 1);
    EXPECT_EQ(messages.shown.back(), "Run " + std::to_string(runId + 1) + " not found.");
}

}  // namespace

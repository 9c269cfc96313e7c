// Runs over a period across the new year, their progress and files; alternate input; the
// settings and models refused and the failures that end a run.
#include <gtest/gtest.h>

#include <string>

#include "file_size_limit.h"
#include "simulation_run_support.h"

using namespace simulation_test;

namespace {

// ------------------------------------------------------------------------------------------------
// Period, progress and files.

TEST_F(SimulationRun, SeasonOverTheNewYear) {
    CTidewarmDoc doc;
    Prepare(doc, 300, 125);  // day 300 to day 59
    doc.HourlyOutput = 0;
    RecordingProgress progress;
    Progress* previous = SetProgress(&progress);
    const int result = doc.RunSimulation("pool.tdw");
    SetProgress(previous);
    ASSERT_EQ(result, 0);
    EXPECT_FALSE(fs::exists("pool.hly"));
    const ResultTable monthly = ReadResults("pool.mly");
    std::vector<double> months;
    for (const auto& row : monthly.rows) months.push_back(row[kMonthlyMonth]);
    EXPECT_EQ(months, (std::vector<double>{10, 11, 12, 1, 2, 0}));
    const auto period = PeriodMonths(300, 125);
    for (std::size_t m = 0; m < period.size(); ++m) ExpectBalances(monthly, m, false);

    // Every tenth day, from day 0; never the whole period.
    ASSERT_EQ(progress.texts.size(), 13u);
    for (std::size_t i = 0; i < progress.texts.size(); ++i)
        EXPECT_EQ(progress.texts[i], "Simulating day " + std::to_string(10 * i) + "/125...");
    EXPECT_EQ(progress.steps, 125);
}

TEST_F(SimulationRun, OutputFilesAreNamedAfterTheProjectFile) {
    EXPECT_EQ(ProjectBaseName("dir.x/pool"), "dir.x/pool");
    EXPECT_EQ(ProjectBaseName("dir.x/pool.tdw"), "dir.x/pool");
    EXPECT_EQ(ProjectBaseName("pool.v2.tdw"), "pool.v2");
    EXPECT_EQ(ProjectBaseName("pool"), "pool");
    EXPECT_EQ(ReportFileName("dir.x/pool"), "dir.x/pool.lis");

    fs::create_directory("dir.x");
    CTidewarmDoc doc;
    Prepare(doc, 172, 2);
    doc.hourlyWriter.SetColumnFlags(kHourlyDefaultFlags.data(), 0, kHourlyColumnCount - 1);
    ASSERT_EQ(doc.RunSimulation("dir.x/pool"), 0);
    EXPECT_TRUE(fs::exists("dir.x/pool.mly"));
    EXPECT_TRUE(fs::exists("dir.x/pool.lis"));  // the report of the run
    const ResultTable hourly = ReadResults("dir.x/pool.hly");
    EXPECT_EQ(hourly.header, (std::vector<std::string>{"Month", "Day", "Hour"}));
    EXPECT_EQ(hourly.rows.size(), 48u);
    EXPECT_FALSE(fs::exists("dir.x/pool.mly.part"));  // written aside, then put in place
}

// ------------------------------------------------------------------------------------------------
// Alternate input.

TEST_F(SimulationRun, AlternateColumnsReplaceExactlyTheirLinks) {
    CTidewarmDoc plain;
    Prepare(plain, 172, 3);
    Glazed(plain);
    EnableHourly(plain, {kHourlyHGlo, kHourlyTAmb, kHourlyTAmbPool, kHourlyCollOn});
    ASSERT_EQ(plain.RunSimulation("plain.tdw"), 0);

    CTidewarmDoc doc;
    Prepare(doc, 172, 3);
    Glazed(doc);
    EnableHourly(doc, {kHourlyHGlo, kHourlyTAmb, kHourlyTAmbPool, kHourlyCollOn});
    UseAlternate(doc);
    WriteAlternate("tamb CollOn", 72, [](int) { return "30 0"; });
    ASSERT_EQ(doc.RunSimulation("pool.tdw"), 0);
    EXPECT_TRUE(messages_.shown.empty());

    const ResultTable base = ReadResults("plain.hly");
    const ResultTable alternate = ReadResults("pool.hly");
    ASSERT_EQ(alternate.rows.size(), 72u);
    EXPECT_GT(ReadResults("plain.mly").At(1, "QColl"), 0);
    for (std::size_t h = 0; h < 72; ++h) {
        EXPECT_EQ(alternate.At(h, "TAmb"), 30);
        EXPECT_EQ(alternate.At(h, "CollOn"), 0);
        // The outdoor pool keeps the weather's air; the sun is the weather's.
        EXPECT_EQ(alternate.At(h, "TAmbPool"), base.At(h, "TAmb"));
        EXPECT_EQ(alternate.At(h, "HGlo"), base.At(h, "HGlo"));
    }
    const ResultTable monthly = ReadResults("pool.mly");
    EXPECT_EQ(monthly.At(1, "QColl"), 0);
    EXPECT_EQ(monthly.At(1, "CollOnTime"), 0);
}

TEST_F(SimulationRun, CollectedEnergyFromAlternateInput) {
    // 1 kW collected from 10:00 to 14:00 drives a loop of 3000 J/kg K fluid.
    constexpr double kCollected = 3.6e6;  // J in the hour
    const auto collected = [](int record) {
        const int hour = (record - 1) % 24 + 1;
        return hour >= 11 && hour <= 14 ? kCollected : 0.0;
    };
    CTidewarmDoc doc;
    Prepare(doc, 172, 2);
    Glazed(doc);
    doc.UseExchanger = 1;
    doc.CollectorFluidCp = 3000;
    EnableHourly(doc, {kHourlyTci, kHourlyTco, kHourlyMdotColl});
    UseAlternate(doc);
    WriteAlternate("QColl", 48, [&](int h) { return std::to_string(collected(h)); });
    ASSERT_EQ(doc.RunSimulation("pool.tdw"), 0);
    const ResultTable hourly = ReadResults("pool.hly");
    for (std::size_t h = 0; h < 48; ++h) {
        EXPECT_NEAR(hourly.At(h, "QColl"), collected(static_cast<int>(h) + 1), 1) << h;
        if (collected(static_cast<int>(h) + 1) == 0) continue;
        const double rise = hourly.At(h, "Tco") - hourly.At(h, "Tci");
        EXPECT_NEAR(rise * hourly.At(h, "MdotColl") * 3000 * 3600, kCollected, 1e-4 * kCollected)
            << h;
    }
    EXPECT_NEAR(ReadResults("pool.mly").At(1, "QColl"), 8 * kCollected, 1e-5 * 8 * kCollected);

    // Energy collected without any flow to carry it.
    doc.collectorPump.SetParameters(0, 10, 0.5);
    EXPECT_EQ(doc.RunSimulation("noflow.tdw"), kDomain);
    ASSERT_FALSE(messages_.shown.empty());
    EXPECT_EQ(messages_.shown.back(),
              "Domain error: non-zero energy collected (QColl) specified in alternate input file "
              "with zero collector flow rate.\n");
}

TEST_F(SimulationRun, CollectedEnergyAndOutletTogetherAreRefused) {
    CTidewarmDoc doc;
    Prepare(doc, 172, 2);
    Glazed(doc);
    UseAlternate(doc);
    WriteAlternate("QColl,Tco", 48, [](int) { return "0,20"; });
    EXPECT_EQ(doc.RunSimulation("pool.tdw"), 1);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0],
              "Both collector outlet temperature (\"Tco\") and energy collected (\"QColl\") are "
              "specified in alternate input file. Please specify only one. Simulation aborted. ");
    EXPECT_FALSE(fs::exists("pool.mly"));
}

// ------------------------------------------------------------------------------------------------
// Refusals and failures.

TEST_F(SimulationRun, SettingsThatCannotRunAreRefusedBeforeAnyFile) {
    CTidewarmDoc doc;
    Prepare(doc);
    doc.UseWeekends = 1;
    doc.WeekLength = 0;
    EXPECT_EQ(doc.RunSimulation("pool.tdw"), kDomain);
    doc.UseWeekends = 0;  // an unused week length is no obstacle
    doc.NumDays = 0;
    EXPECT_EQ(doc.RunSimulation("pool.tdw"), kDomain);
    EXPECT_EQ(messages_.shown,
              (std::vector<std::string>{
                  "Week length must be at least 1 day. Simulation aborted.",
                  "Number of days to simulate must be at least 1. Simulation aborted."}));
    EXPECT_FALSE(fs::exists("pool.mly"));
}

TEST_F(SimulationRun, ModelThatCannotBeConnected) {
    struct Case {
        const char* what;
        std::function<void(CTidewarmDoc&)> setUp;
        const char* message;
    };
    const Case cases[] = {
        {"delimited weather without wind",
         [](CTidewarmDoc& doc) {
             std::string text = "HGlo,TAmb,RelHum\n";
             for (int h = 0; h < 48; ++h) text += "100,20,0.5\n";
             test::WriteFile("nowind.csv", text);
             doc.WeatherSource = kWeatherText;
             doc.textWeatherReader.SetFile("nowind.csv");
         },
         "Weather file has no column named \"VWind\"."},
        {"roof of an unknown type", [](CTidewarmDoc& doc) { Unglazed(doc, 3); },
         "Internal error - Invalid roof type."},
        {"heater of an unknown type",
         [](CTidewarmDoc& doc) { doc.HeaterType = static_cast<HeaterKind>(2); },
         "Internal error - Invalid auxiliary heater type."},
    };
    for (const Case& c : cases) {
        CTidewarmDoc doc;
        Prepare(doc, 172, 2);
        c.setUp(doc);
        messages_.shown.clear();
        EXPECT_EQ(doc.RunSimulation("pool.tdw"), 1) << c.what;
        EXPECT_EQ(messages_.shown, std::vector<std::string>{c.message}) << c.what;
    }
}

TEST_F(SimulationRun, FailuresEndTheRun) {
    // An iteration limit too small for the tolerance.
    CTidewarmDoc doc;
    Prepare(doc, 172, 2);
    doc.MaxIterations = 1;
    doc.ReferenceRun = 1;
    EXPECT_EQ(doc.RunSimulation("pool.tdw"), kIterateAgain);
    EXPECT_EQ(messages_.shown, std::vector<std::string>{"No convergence in pool loop."});
    // No system pass and no report after a failed reference pass.
    EXPECT_FALSE(fs::exists("pool.mly"));
    EXPECT_FALSE(fs::exists("pool.lis"));
    EXPECT_EQ(doc.UseAuxHeater, 1);

    // Swimmers under the blanket, from the alternate input.
    CTidewarmDoc covered;
    Prepare(covered, 172, 2);
    UseAlternate(covered);
    WriteAlternate("Activity,BlanketOn", 48, [](int) { return "1,1"; });
    messages_.shown.clear();
    EXPECT_EQ(covered.RunSimulation("pool.tdw"), kDomain);
    EXPECT_EQ(messages_.shown,
              std::vector<std::string>{"Input data error: activity in pool while blanket on."});

    // A component that fails its check.
    CTidewarmDoc invalid;
    Prepare(invalid, 172, 2);
    invalid.poolPromoter.SetTolerance(1);
    invalid.Tolerance = 0;
    messages_.shown.clear();
    EXPECT_EQ(invalid.RunSimulation("pool.tdw"), kDomain);
    ASSERT_FALSE(messages_.shown.empty());
    EXPECT_EQ(messages_.shown[0].rfind(
                  "Internal error: invalid component (collector loop convergence). \n", 0),
              0u)
        << messages_.shown[0];

    // Weather data that end before the period does (a text table, which is read as the run
    // goes).
    synthetic::WeatherYear shortYear;
    shortYear.days = 2;  // the table's records count the period's hours
    ASSERT_TRUE(synthetic::WriteWeatherTable("short.csv", shortYear));
    CTidewarmDoc shortWeather;
    Prepare(shortWeather, 172, 3);
    shortWeather.WeatherSource = kWeatherText;
    shortWeather.textWeatherReader.SetFile("short.csv");
    messages_.shown.clear();
    EXPECT_EQ(shortWeather.RunSimulation("pool.tdw"), kDomain);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].rfind("Domain error in component: Weather Processor.\n", 0), 0u);

    // A weather file that moved: named, with the system's reason and where to choose another.
    CTidewarmDoc moved;
    Prepare(moved, 172, 2);
    moved.binaryWeatherReader.SetFileName("moved.zfw");
    messages_.shown.clear();
    EXPECT_NE(moved.RunSimulation("pool.tdw"), 0);
    EXPECT_EQ(messages_.shown,
              std::vector<std::string>{
                  "Cannot open weather file.\nmoved.zfw: No such file or directory\nChoose the "
                  "file in the Weather File dialog (System > Climate Data File)."});

    // Result files that cannot be created are named as the user knows them, not by the
    // temporary files they are written under.
    CTidewarmDoc homeless;
    Prepare(homeless, 172, 2);
    homeless.ReferenceRun = 0;
    messages_.shown.clear();
    EXPECT_NE(homeless.RunSimulation("missing/pool.tdw"), 0);
    EXPECT_EQ(messages_.shown,
              std::vector<std::string>{
                  "Cannot open monthly output file missing/pool.mly: No such file or directory"});
    CTidewarmDoc blocked;
    Prepare(blocked, 172, 2);
    blocked.ReferenceRun = 0;
    blocked.HourlyOutput = 1;
    fs::create_directories("blocked.hly.part/inside");
    messages_.shown.clear();
    EXPECT_NE(blocked.RunSimulation("blocked.tdw"), 0);
    EXPECT_EQ(messages_.shown,
              std::vector<std::string>{"Cannot open hourly output file blocked.hly: File exists"});

    // A monthly file that cannot be completed: the disk is full.
    CTidewarmDoc full;
    Prepare(full, 172, 2);
    full.HourlyOutput = 0;
    messages_.shown.clear();
    {
        const test::ScopedFileSizeLimit diskFull(64);
        EXPECT_NE(full.RunSimulation("full.tdw"), 0);
    }
    EXPECT_EQ(messages_.shown, std::vector<std::string>{"Cannot write to monthly output file."});
    EXPECT_FALSE(fs::exists("full.mly.part"));  // a run that fails part-way leaves no file
    EXPECT_FALSE(fs::exists("full.mly"));
}

}  // namespace

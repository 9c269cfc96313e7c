// LoadBatchInput: a batch input file applied over the delivered template of its pool type, and
// the season it runs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numbers>
#include <variant>

#include "application.h"
#include "batch_file.h"
#include "batch_input.h"
#include "document.h"
#include "helpers.h"
#include "message_capture.h"
#include "simulation_run_support.h"
#include "weather_files.h"
#include "weather_import.h"

namespace fs = std::filesystem;

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// LoadBatchInput with the delivered templates and a data folder of the test's own.
class LoadBatchInputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::InstallMessageFile();
        data_ = fs::current_path() / "data";
        fs::create_directories(data_);
        g_strDataFolder = data_.string();
        g_strProgramFolder = TIDEWARM_BIN_DIR;
        weather_ = (data_ / "Sample.zfw").string();
        synthetic::WeatherYear year;
        year.stationName = "SAMPLE CITY";
        year.latitude = 45.5;
        year.longitude = 67.5;
        ASSERT_TRUE(synthetic::WriteZefirFile(weather_, year));
        input_ = test::SampleBatchInput(weather_);
    }
    void Write(const BatchInput& input) {
        test::WriteFile(data_ / "Tidewarm.tmp", test::BatchInputText(input));
    }

    test::ScopedTempDir dir_;
    test::MessageCapture messages_;
    fs::path data_;
    std::string weather_;
    BatchInput input_;
};

TEST_F(LoadBatchInputTest, AppliesTheRunOverTheTemplateAndSavesTheProject) {
    Write(input_);
    CTidewarmDoc doc;
    ASSERT_EQ(doc.LoadBatchInput(), 1);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(doc.ReferenceRun, 1);
    EXPECT_EQ(doc.WeatherSource, kWeatherBinary);
    EXPECT_STREQ(doc.binaryWeatherReader.GetFileName(), weather_.c_str());
    EXPECT_EQ(doc.GetWeatherName(), "SAMPLE CITY");
    // The file holds the station's standard time: clock time, on the meridian of its zone.
    double latitude = 0, longitude = 0, meridian = 0;
    int clockTime = 0;
    doc.sun.GetParameters(latitude, clockTime, longitude, meridian);
    EXPECT_NEAR(latitude, 45.5 * kDegree, 1e-12);
    EXPECT_EQ(clockTime, 1);
    EXPECT_NEAR(longitude, 67.5 * kDegree, 1e-12);
    EXPECT_NEAR(meridian, 75 * kDegree, 1e-12);
    EXPECT_EQ(doc.StartDay, 121);
    EXPECT_EQ(doc.EndDay, 273);
    EXPECT_EQ(doc.NumDays, 153);
    EXPECT_EQ(doc.SeasonStart, 1);
    EXPECT_EQ(doc.SeasonEnd, 365);
    EXPECT_EQ(doc.InitialPoolTemp, 24);
    EXPECT_EQ(doc.MinPoolTemp, 24);
    EXPECT_EQ(doc.SunnyDayMinAirTemp, 21);
    EXPECT_EQ(doc.CloudyDayMinAirTemp, 24);
    EXPECT_EQ(doc.pool.GetSurfaceArea(), 40);
    EXPECT_DOUBLE_EQ(doc.pool.GetVolume(), 60);
    EXPECT_DOUBLE_EQ(doc.ShadedFraction, 0.2);

    double a, t, e, lw, ins, covered;
    doc.pool.GetBlanketParameters(a, t, e, lw, ins, covered);
    EXPECT_EQ(a, 0.3);
    EXPECT_EQ(ins, 0.02);
    EXPECT_EQ(covered, 0.95);
    double months[12];
    doc.blanketSeasonalProfile.GetValues(months);
    for (int m = 0; m < 12; ++m) EXPECT_EQ(months[m], m == 5 ? 1 : 0);

    double weekday[24], weekend[24];
    doc.activityProfile.GetValues(weekday, weekend);
    for (int h = 0; h < 24; ++h) {
        EXPECT_EQ(weekday[h], h >= 9 && h < 20 ? 1 : 0) << h;
        EXPECT_EQ(weekend[h], h >= 8 && h < 21 ? 1 : 0) << h;
    }

    EXPECT_EQ(doc.UseAuxHeater, 1);
    EXPECT_EQ(doc.HeaterType, HeaterKind::Fuel);
    double setPoint, capacity, efficiency;
    doc.gasHeater.GetParameters(setPoint, capacity, efficiency);
    EXPECT_EQ(setPoint, 24);
    EXPECT_EQ(capacity, 30000);
    EXPECT_EQ(efficiency, 0.8);

    EXPECT_EQ(doc.UseSolar, 1);
    EXPECT_EQ(doc.UseExchanger, 0);
    EXPECT_EQ(doc.Collector, CollectorKind::Unglazed);
    int series, banks, mode, count1, count2;
    double groups, area, ca, cb, cc, cd, ce, wind, minWind, testFlow;
    const double* const* t1;
    const double* const* t2;
    doc.unglazedCollector.GetParameters(series, groups, banks, area, ca, cb, cc, cd, ce, wind,
                                        minWind, testFlow, mode, count1, t1, count2, t2);
    EXPECT_EQ(series, 1);
    EXPECT_EQ(groups, 6);
    EXPECT_EQ(banks, 2);
    EXPECT_EQ(area, 3);
    EXPECT_EQ(ca, 0.82);
    EXPECT_EQ(cc, 14);
    EXPECT_EQ(minWind, 1.2);
    EXPECT_EQ(wind, 0.5);  // the template's
    // 0.1 kg/s on the 2.5 m2 tested is 0.12 kg/s on a 3 m2 collector.
    EXPECT_DOUBLE_EQ(testFlow, 0.12);
    double flow, power, fraction;
    doc.collectorPump.GetParameters(flow, power, fraction);
    EXPECT_EQ(flow, 1.2);
    double slope, azimuth;
    doc.tracker.GetParameters(mode, slope, azimuth);
    EXPECT_NEAR(slope, 30 * kDegree, 1e-12);
    EXPECT_NEAR(azimuth, 0, 1e-12);
    double on, off, high;
    int limit;
    doc.controller.GetParameters(on, off, high, limit);
    EXPECT_EQ(high, 29);

    // The project saved reads back as the document holds it.
    EXPECT_EQ(doc.GetPathName(), (data_ / "Tidewarm.tdw").string());
    std::unique_ptr<CTidewarmDoc> saved = LoadProjectFile((data_ / "Tidewarm.tdw").string());
    ASSERT_TRUE(saved);
    std::ostringstream held, read;
    EXPECT_EQ(doc.WriteProject(held), 0);
    EXPECT_EQ(saved->WriteProject(read), 0);
    EXPECT_EQ(held.str(), read.str());
}

// A station name written in Windows-1252 reaches the project, and its file, in UTF-8.
TEST_F(LoadBatchInputTest, AWindows1252StationNameIsSavedInUtf8) {
    synthetic::WeatherYear year;
    year.days = 2;
    year.stationName =
        "Qu\xE9"
        "bec \x80";
    ASSERT_TRUE(synthetic::WriteZefirFile(weather_, year));
    Write(input_);
    CTidewarmDoc doc;
    ASSERT_EQ(doc.LoadBatchInput(), 1);
    EXPECT_EQ(doc.GetWeatherName(), "Québec €");
    std::istringstream saved(test::ReadFile(data_ / "Tidewarm.tdw"));
    std::string line;
    for (int i = 0; i < 5; ++i) std::getline(saved, line);
    EXPECT_EQ(line, "Québec €");
}

TEST_F(LoadBatchInputTest, WithoutCollectorsTheTemplateKeepsItsCollectorLoop) {
    input_.collectorSelector = 0;
    input_.heaterSelector = 0;
    input_.poolType = PoolType::PublicIndoor;
    Write(input_);
    CTidewarmDoc doc;
    ASSERT_EQ(doc.LoadBatchInput(), 1);
    CTidewarmDoc model;
    std::ifstream file(std::string(TIDEWARM_BIN_DIR) + "/pubin.tpl");
    ASSERT_EQ(model.ReadProject(file), 0);
    EXPECT_EQ(doc.UseSolar, 0);
    EXPECT_EQ(doc.UseExchanger, 0);  // the template's exchanger only comes with collectors
    EXPECT_EQ(model.UseExchanger, 1);
    EXPECT_EQ(doc.UseAuxHeater, 0);
    EXPECT_EQ(doc.IndoorPool, 1);
    EXPECT_DOUBLE_EQ(doc.pool.GetVolume(), 76);
    EXPECT_EQ(doc.Collector, model.Collector);
    std::ostringstream kept, expected;
    doc.glazedCollector.WriteParameters(kept);
    doc.collectorPump.WriteParameters(kept);
    doc.tracker.WriteParameters(kept);
    doc.gasHeater.WriteParameters(kept);
    model.glazedCollector.WriteParameters(expected);
    model.collectorPump.WriteParameters(expected);
    model.tracker.WriteParameters(expected);
    model.gasHeater.WriteParameters(expected);
    EXPECT_EQ(kept.str(), expected.str());
}

TEST_F(LoadBatchInputTest, HeatPumpAndAWholeYearSeason) {
    input_.heater = {2, 12000, 4.5, 2048};  // any type but 0 is a heat pump
    input_.opensMonth = 6;
    input_.opensDay = 15;
    input_.closesMonth = 6;
    input_.closesDay = 14;
    Write(input_);
    CTidewarmDoc doc;
    ASSERT_EQ(doc.LoadBatchInput(), 1);
    EXPECT_EQ(doc.NumDays, 365);
    EXPECT_EQ(doc.HeaterType, HeaterKind::HeatPump);
    double maxOutlet, capacity, cop, months[12];
    doc.heatPump.GetParameters(maxOutlet, capacity, cop);
    EXPECT_EQ(maxOutlet, 24);
    EXPECT_EQ(capacity, 12000);
    EXPECT_EQ(cop, 4.5);
    doc.heaterProfile.GetValues(months);
    for (int m = 0; m < 12; ++m) EXPECT_EQ(months[m], m == 0 ? 1 : 0);
}

TEST_F(LoadBatchInputTest, EachFailureIsShownAndNothingIsSaved) {
    CTidewarmDoc doc;
    EXPECT_EQ(doc.LoadBatchInput(), 0);  // no batch input at all
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], "Cannot open file 'Tidewarm.tmp'.");

    input_.weatherFile = (data_ / "Climate" / "Missing.zfw").string();
    Write(input_);
    messages_.shown.clear();
    EXPECT_EQ(doc.LoadBatchInput(), 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], "Cannot open weather file " + input_.weatherFile + ".");

    input_.weatherFile = weather_;
    input_.opensMonth = 2;
    input_.opensDay = 30;
    Write(input_);
    messages_.shown.clear();
    EXPECT_EQ(doc.LoadBatchInput(), 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], "Invalid opening or closing date in file 'Tidewarm.tmp'.");

    input_ = test::SampleBatchInput(weather_);
    input_.poolType = PoolType::ResidentialAboveGround;
    Write(input_);
    const fs::path programs = fs::current_path() / "programs";
    fs::create_directories(programs);
    g_strProgramFolder = programs.string();
    messages_.shown.clear();
    EXPECT_EQ(doc.LoadBatchInput(), 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], "Cannot open template file resabgr.tpl");

    test::WriteFile(programs / "resabgr.tpl", "Tidewarm 30000 20002\n1 0\n");
    messages_.shown.clear();
    EXPECT_EQ(doc.LoadBatchInput(), 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], "I/O Error. Cannot read from file.\nFile resabgr.tpl, line 3.");

    g_strProgramFolder = TIDEWARM_BIN_DIR;
    test::WriteFile(data_ / "Tidewarm.tmp", "17\nx\ny\n1\n1\n");
    messages_.shown.clear();
    EXPECT_EQ(doc.LoadBatchInput(), 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0],
              "Cannot read parameters from file 'Tidewarm.tmp'.\n"
              "Line 6 is missing or does not hold a valid value.");
    EXPECT_FALSE(fs::exists(data_ / "Tidewarm.tdw"));
}

// A template holding a value that its dialog refuses fails the batch run, naming its line.
TEST_F(LoadBatchInputTest, ATemplateValueOutOfItsDialogsRangeFailsTheRunNamingItsLine) {
    const fs::path programs = fs::current_path() / "programs";
    fs::create_directories(programs);
    g_strProgramFolder = programs.string();
    std::istringstream shipped(test::ReadFile(fs::path(TIDEWARM_RESOURCES_DIR) / "pubout.tpl"));
    std::string text, line;
    for (int number = 1; std::getline(shipped, line); ++number) {
        if (number == 27) {  // the fuel-fired heater: set point, capacity, efficiency
            ASSERT_EQ(line.rfind("26 ", 0), 0u);
            line.replace(0, 2, "200");
        }
        text += line + "\n";
    }
    test::WriteFile(programs / "pubout.tpl", text);
    input_.poolType = PoolType::PublicOutdoor;
    Write(input_);
    CTidewarmDoc doc;
    EXPECT_EQ(doc.RunBatch(), 1);
    EXPECT_EQ(messages_.shown,
              (std::vector<std::string>{"File pubout.tpl, line 27: the value 200 is refused. "
                                        "Please enter a number between 0 and 50.",
                                        "I/O Error. Cannot read from file.\n"
                                        "File pubout.tpl, line 27."}));
    EXPECT_FALSE(fs::exists(data_ / "Tidewarm.tdw"));
    EXPECT_FALSE(fs::exists(data_ / "Tidewarm.mly"));
}

TEST_F(LoadBatchInputTest, TemplateIsReadBeforeTheValuesAfterThePoolType) {
    // The pool type chooses the template; a template that cannot be had is reported before any
    // fault in the lines that follow the pool type.
    const fs::path programs = fs::current_path() / "programs";
    fs::create_directories(programs);
    g_strProgramFolder = programs.string();
    test::WriteFile(data_ / "Tidewarm.tmp", "17\nx\ny\n2\n1\n");
    CTidewarmDoc doc;
    EXPECT_EQ(doc.LoadBatchInput(), 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], "Cannot open template file pubout.tpl");

    test::WriteFile(programs / "pubout.tpl", "Tidewarm 30000 20002\n1 0\n");
    input_.poolType = PoolType::PublicOutdoor;
    input_.opensMonth = 13;
    Write(input_);
    messages_.shown.clear();
    EXPECT_EQ(doc.LoadBatchInput(), 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], "I/O Error. Cannot read from file.\nFile pubout.tpl, line 3.");

    // A pool type that cannot be read or is out of range is reported before any template.
    test::WriteFile(data_ / "Tidewarm.tmp", "17\nx\ny\n4\n1\n");
    messages_.shown.clear();
    EXPECT_EQ(doc.LoadBatchInput(), 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], "Invalid pool type. Cannot continue.");
    EXPECT_FALSE(fs::exists(data_ / "Tidewarm.tdw"));
}

// A faster flow raises the collectors' heat removal factor: over a season of real weather the
// array collects no less, even where its running rise falls below the controller's off difference.
TEST_F(LoadBatchInputTest, CollectedEnergyDoesNotFallAsTheFlowRisesOnRealWeather) {
    // Greensboro, North Carolina: a typical year.
    const auto city = ImportWeatherFile(TIDEWARM_RESOURCES_DIR "/weather/723170TYA.CSV",
                                        data_.string(), "Greensboro", false);
    ASSERT_TRUE(std::holds_alternative<ImportedCity>(city));
    // A residential pool from June to September with glazed collectors facing south at 45
    // degrees and a heat pump; the season's collected energy, J.
    auto collected = [&](double collectors, double areaPerCollector, double totalFlow) {
        BatchInput input = input_;
        input.weatherFile = std::get<ImportedCity>(city).path;
        input.referenceRun = 0;
        input.opensMonth = 6;
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
        Write(input);
        CTidewarmDoc doc;
        EXPECT_EQ(doc.RunBatch(), 0);
        const simulation_test::ResultTable monthly =
            simulation_test::ReadResults(data_ / "Tidewarm.mly");
        return monthly.rows.empty() ? 0 : monthly.At(monthly.rows.size() - 1, "QColl");
    };
    double slower = 0;
    for (double flow : {0.3, 0.6, 1.5, 3.0}) {
        const double atThisFlow = collected(10, 2.96, flow);
        EXPECT_GE(atThisFlow, slower) << flow << " kg/s";
        slower = atThisFlow;
    }
    EXPECT_GT(slower, 0);
    // A small array at seven times its test flow still collects.
    EXPECT_GT(collected(5, 2.0, 1.5), 0);
}

}  // namespace

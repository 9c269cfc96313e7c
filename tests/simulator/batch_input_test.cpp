#include "batch_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

#include "application.h"
#include "batch_file.h"
#include "document.h"
#include "helpers.h"
#include "message_capture.h"
#include "weather_files.h"

namespace fs = std::filesystem;

namespace {

constexpr double kDegree = std::numbers::pi / 180;

BatchInputResult Read(const std::string& text, BatchInput& input) {
    std::istringstream in(text);
    return ReadBatchInput(in, input);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

TEST(BatchInputReader, FullFileWithCrLfReadsEveryValue) {
    const BatchInput written = test::SampleBatchInput("/data/Climate/Montreal.zfw");
    const std::string text = test::BatchInputText(written, "\r\n");
    EXPECT_EQ(Lines(text).size(), 48u);
    BatchInput read;
    ASSERT_EQ(Read(text, read).error, BatchInputError::kNone);
    EXPECT_EQ(read.poolType, 0);
    EXPECT_EQ(read.referenceRun, 1);
    EXPECT_EQ(read.weatherFile, "/data/Climate/Montreal.zfw");
    EXPECT_EQ(read.opensMonth, 5);
    EXPECT_EQ(read.closesDay, 30);
    EXPECT_EQ(read.poolArea, 40);
    EXPECT_EQ(read.maxPoolTemp, 29);
    EXPECT_EQ(read.weekendClose, 21);
    ASSERT_NE(read.collectorSelector, 0);
    EXPECT_EQ(read.collector.type, 1);
    EXPECT_EQ(read.collector.d, 3.5);
    EXPECT_EQ(read.collector.banks, 2);
    EXPECT_EQ(read.collector.totalFlow, 1.2);
    ASSERT_NE(read.heaterSelector, 0);
    EXPECT_EQ(read.heater.capacity, 30000);
    EXPECT_EQ(read.heater.monthMask, 4095);
    ASSERT_NE(read.blanketSelector, 0);
    EXPECT_EQ(read.blanket.insulation, 0.02);
    EXPECT_EQ(read.blanket.monthMask, 64);
}

TEST(BatchInputReader, WithoutEquipmentTwentyFourLinesAndTheNoBlanketValues) {
    BatchInput written = test::SampleBatchInput("w.zfw");
    written.collectorSelector = written.heaterSelector = written.blanketSelector = 0;
    const std::string text = test::BatchInputText(written);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[21] + lines[22] + lines[23], "000");
    BatchInput read;
    ASSERT_EQ(Read(text, read).error, BatchInputError::kNone);
    EXPECT_EQ(read.collectorSelector + read.heaterSelector + read.blanketSelector, 0);
    const BatchBlanket& b = read.blanket;
    EXPECT_EQ(b.absorptivity, 1);
    EXPECT_EQ(b.transmissivity, 0);
    EXPECT_EQ(b.emissivity, 0.95);
    EXPECT_EQ(b.longWaveTransmissivity, 0);
    EXPECT_EQ(b.insulation, 0.2);
    EXPECT_EQ(b.monthMask, 0);
}

TEST(BatchInputReader, AFileCutShortAtAnyLineNamesTheMissingLine) {
    const std::vector<std::string> lines =
        Lines(test::BatchInputText(test::SampleBatchInput("w.zfw")));
    for (std::size_t kept = 0; kept < lines.size(); ++kept) {
        BatchInput read;
        const BatchInputResult result =
            Read(Join(std::vector<std::string>(lines.begin(), lines.begin() + kept)), read);
        EXPECT_EQ(result.error, BatchInputError::kUnreadableLine) << kept << " lines";
        EXPECT_EQ(result.line, static_cast<int>(kept) + 1);
    }
}

TEST(BatchInputReader, ValuesThatAreNotOfTheirKindAreRefused) {
    const std::vector<std::string> lines =
        Lines(test::BatchInputText(test::SampleBatchInput("w.zfw")));
    struct Case {
        int line;
        const char* text;
    };
    // Line 7 holds an integer, 11 a real; blanks around a value are allowed.
    for (const Case& c : {Case{7, "5.5"}, Case{7, ""}, Case{7, "5 6"}, Case{11, "40 m2"},
                          Case{11, "nan"}, Case{11, "inf"}, Case{4, "x"}, Case{22, "yes"}}) {
        std::vector<std::string> broken = lines;
        broken[c.line - 1] = c.text;
        BatchInput read;
        const BatchInputResult result = Read(Join(broken), read);
        EXPECT_EQ(result.error, BatchInputError::kUnreadableLine) << c.text;
        EXPECT_EQ(result.line, c.line) << c.text;
    }
    std::vector<std::string> padded = lines;
    padded[10] = "  40.5 ";
    BatchInput read;
    ASSERT_EQ(Read(Join(padded), read).error, BatchInputError::kNone);
    EXPECT_EQ(read.poolArea, 40.5);
}

TEST(BatchInputReader, InvalidPoolTypeDateTestAreaAndLongPath) {
    auto result = [](auto change) {
        BatchInput input = test::SampleBatchInput("w.zfw");
        change(input);
        BatchInput read;
        return Read(test::BatchInputText(input), read);
    };
    EXPECT_EQ(result([](BatchInput& in) { in.poolType = 4; }).error, BatchInputError::kPoolType);
    EXPECT_EQ(result([](BatchInput& in) { in.poolType = -1; }).error, BatchInputError::kPoolType);
    EXPECT_EQ(result([](BatchInput& in) { in.poolType = 3; }).error, BatchInputError::kNone);
    EXPECT_EQ(result([](BatchInput& in) {
                  in.opensDay = 31;
                  in.opensMonth = 4;
              }).error,
              BatchInputError::kSeasonDate);
    EXPECT_EQ(result([](BatchInput& in) {
                  in.closesMonth = 2;
                  in.closesDay = 29;
              }).error,
              BatchInputError::kSeasonDate);
    EXPECT_EQ(result([](BatchInput& in) { in.closesMonth = 13; }).error,
              BatchInputError::kSeasonDate);
    EXPECT_EQ(result([](BatchInput& in) { in.opensDay = 0; }).error, BatchInputError::kSeasonDate);
    EXPECT_EQ(result([](BatchInput& in) { in.collector.testArea = 0; }).error,
              BatchInputError::kValueOutOfRange);
    EXPECT_EQ(result([](BatchInput& in) { in.collector.testFlowRate = 0; }).error,
              BatchInputError::kValueOutOfRange);
    // Without collectors there is no test area to refuse.
    EXPECT_EQ(result([](BatchInput& in) {
                  in.collectorSelector = 0;
                  in.collector.testArea = 0;
              }).error,
              BatchInputError::kNone);
    // The weather path may be as long as a path the platform opens (a home folder of 4000
    // characters), as long as a file name the project file holds.
    const std::string folder = "/" + std::string(4080, 'c') + "/";
    EXPECT_EQ(result([&](BatchInput& in) { in.weatherFile = folder + "a.zfw"; }).error,
              BatchInputError::kNone);
    const BatchInputResult tooLong =
        result([&](BatchInput& in) { in.weatherFile = folder + std::string(11, 'a') + ".zfw"; });
    EXPECT_EQ(tooLong.error, BatchInputError::kWeatherPathLength);
    EXPECT_EQ(tooLong.line, 6);
    EXPECT_EQ(BatchInputProblem(tooLong, 0),
              "Line 6 of Tidewarm.tmp: the weather file path is longer than 4095 bytes.");
    const BatchInputResult empty = result([](BatchInput& in) { in.weatherFile = "   "; });
    EXPECT_EQ(BatchInputProblem(empty, 0), "Line 6 of Tidewarm.tmp: no weather file is given.");
    BatchInput padded = test::SampleBatchInput("  /data/w.zfw \t");
    BatchInput read;
    ASSERT_EQ(Read(test::BatchInputText(padded), read).error, BatchInputError::kNone);
    EXPECT_EQ(read.weatherFile, "/data/w.zfw");
}

// Values a run cannot use are refused with their line, the value as written and the range in
// the file's units, before anything is loaded.
TEST(BatchInputReader, NonsenseIsRefusedWithLineValueAndRange) {
    struct Case {
        void (*change)(BatchInput&);
        int line;
        std::string message;
    };
    const Case cases[] = {
        {[](BatchInput& in) { in.shading = 150; }, 12,
         "shading \"150\" is outside the allowed range (0 to 100 %)."},
        {[](BatchInput& in) { in.minPoolTemp = -5; }, 15,
         "minimum pool temperature \"-5\" is outside the allowed range (0 to 50 C)."},
        {[](BatchInput& in) { in.maxPoolTemp = 20; }, 16,
         "maximum pool temperature \"20\" is outside the allowed range (24 to 50 C)."},
        {[](BatchInput& in) { in.weekdayClose = 25; }, 18,
         "closing hour \"25\" is outside the allowed range (9 to 24 h)."},
        {[](BatchInput& in) { in.weekendClose = 7; }, 20,
         "closing hour \"7\" is outside the allowed range (8 to 24 h)."},
        {[](BatchInput& in) { in.activityLevel = 3; }, 21,
         "activity level \"3\" is outside the allowed range (0 to 2)."},
        {[](BatchInput& in) { in.collector.a = 1.5; }, 26,
         "collector coefficient A \"1.5\" is outside the allowed range (0 to 1)."},
        {[](BatchInput& in) { in.collector.orientation = 16; }, 34,
         "orientation \"16\" is outside the allowed range (0 to 15)."},
        {[](BatchInput& in) { in.collector.totalFlow = 0; }, 36,
         "total flow \"0\" is outside the allowed range (above 0, up to 1e+10 kg/s)."},
        {[](BatchInput& in) { in.heater.capacity = -5; }, 39,
         "heater capacity \"-5\" is outside the allowed range (above 0, up to 1e+10 W)."},
        {[](BatchInput& in) { in.heater.efficiency = 5; }, 40,
         "heater efficiency \"5\" is outside the allowed range (above 0, up to 1)."},
        {[](BatchInput& in) { in.heater.monthMask = 4096; }, 41,
         "month mask \"4096\" is outside the allowed range (0 to 4095)."},
        // A blanket lets through no more of a band than it does not absorb.
        {[](BatchInput& in) { in.blanket.transmissivity = 0.75; }, 44,
         "blanket property \"0.75\" is outside the allowed range (0 to 0.7)."},
        {[](BatchInput& in) { in.blanket.longWaveTransmissivity = 0.2; }, 46,
         "blanket property \"0.2\" is outside the allowed range (0 to 0.1)."},
    };
    for (const Case& c : cases) {
        BatchInput input = test::SampleBatchInput("w.zfw");
        input.heater.type = 0;
        c.change(input);
        BatchInput read;
        const BatchInputResult result = Read(test::BatchInputText(input), read);
        EXPECT_EQ(result.error, BatchInputError::kValueOutOfRange) << c.message;
        EXPECT_EQ(result.line, c.line) << c.message;
        EXPECT_EQ(BatchInputProblem(result, 0),
                  "Line " + std::to_string(c.line) + " of Tidewarm.tmp: " + c.message);
    }
    // A heat pump's coefficient of performance is not a fraction.
    BatchInput pump = test::SampleBatchInput("w.zfw");
    pump.heater.type = 1;
    pump.heater.efficiency = 3.5;
    BatchInput read;
    EXPECT_EQ(Read(test::BatchInputText(pump), read).error, BatchInputError::kNone);
    // Decimal fractions adding up to 1 are taken, though 1 - 0.9 falls short of 0.1 in binary.
    BatchInput whole = test::SampleBatchInput("w.zfw");
    whole.blanket.emissivity = 0.9;
    whole.blanket.longWaveTransmissivity = 0.1;
    EXPECT_EQ(Read(test::BatchInputText(whole), read).error, BatchInputError::kNone);
}

TEST(BatchRules, OrientationIndexToAzimuth) {
    EXPECT_NEAR(OrientationToAzimuth(0), 90 * kDegree, 1e-12);
    EXPECT_NEAR(OrientationToAzimuth(4), 0, 1e-12);
    EXPECT_NEAR(OrientationToAzimuth(8), -90 * kDegree, 1e-12);
    EXPECT_NEAR(OrientationToAzimuth(12), -180 * kDegree, 1e-12);
    EXPECT_NEAR(OrientationToAzimuth(13), 157.5 * kDegree, 1e-12);
    EXPECT_NEAR(OrientationToAzimuth(15), 112.5 * kDegree, 1e-12);
}

TEST(BatchRules, VolumeFromAreaAndPoolType) {
    EXPECT_DOUBLE_EQ(PoolVolume(kPublicIndoor, 100), 190);
    for (int type : {kResidentialInGround, kResidentialAboveGround, kPublicOutdoor})
        EXPECT_DOUBLE_EQ(PoolVolume(type, 100), 150);
}

TEST(BatchRules, MonthMasksJanuaryInBitEleven) {
    double flags[12];
    MonthMaskToFlags(flags, 2048);
    EXPECT_EQ(flags[0], 1);
    for (int m = 1; m < 12; ++m) EXPECT_EQ(flags[m], 0);
    MonthMaskToFlags(flags, 1);
    EXPECT_EQ(flags[11], 1);
    for (int m = 0; m < 11; ++m) EXPECT_EQ(flags[m], 0);
    MonthMaskToFlags(flags, 4095 + 4096);  // higher bits ignored
    for (double f : flags) EXPECT_EQ(f, 1);
    MonthMaskToFlags(flags, 64);  // June
    for (int m = 0; m < 12; ++m) EXPECT_EQ(flags[m], m == 5 ? 1 : 0);
}

TEST(BatchRules, SeasonDaysWrapOverTheNewYear) {
    EXPECT_EQ(SeasonDays(DayOfYear(5, 1, 0), DayOfYear(9, 30, 0)), 153);
    EXPECT_EQ(SeasonDays(DayOfYear(11, 1, 0), DayOfYear(3, 31, 0)), 151);
    EXPECT_EQ(SeasonDays(100, 100), 1);
    EXPECT_EQ(SeasonDays(1, 365), 365);
    EXPECT_EQ(SeasonDays(DayOfYear(6, 15, 0), DayOfYear(6, 14, 0)), 365);
}

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
    EXPECT_NEAR(doc.sun.GetLatitude(), 45.5 * kDegree, 1e-12);
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
    EXPECT_EQ(doc.HeaterType, kHeaterFuel);
    double setPoint, capacity, efficiency;
    doc.gasHeater.GetParameters(setPoint, capacity, efficiency);
    EXPECT_EQ(setPoint, 24);
    EXPECT_EQ(capacity, 30000);
    EXPECT_EQ(efficiency, 0.8);

    EXPECT_EQ(doc.UseSolar, 1);
    EXPECT_EQ(doc.UseExchanger, 0);
    EXPECT_EQ(doc.Collector, kCollectorUnglazed);
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
    doc.WriteProject(held);
    saved->WriteProject(read);
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
    input_.poolType = kPublicIndoor;
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
    EXPECT_EQ(doc.HeaterType, kHeaterHeatPump);
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
    input_.poolType = kResidentialAboveGround;
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
    EXPECT_EQ(messages_.shown[0], "I/O Error. Cannot read from file.");

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
    input_.poolType = kPublicOutdoor;
    Write(input_);
    CTidewarmDoc doc;
    EXPECT_EQ(doc.RunBatch(), 1);
    EXPECT_EQ(messages_.shown,
              (std::vector<std::string>{"File pubout.tpl, line 27: the value 200 is refused. "
                                        "Please enter a number between 0 and 50.",
                                        "I/O Error. Cannot read from file."}));
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
    input_.poolType = kPublicOutdoor;
    input_.opensMonth = 13;
    Write(input_);
    messages_.shown.clear();
    EXPECT_EQ(doc.LoadBatchInput(), 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], "I/O Error. Cannot read from file.");

    // A pool type that cannot be read or is out of range is reported before any template.
    test::WriteFile(data_ / "Tidewarm.tmp", "17\nx\ny\n4\n1\n");
    messages_.shown.clear();
    EXPECT_EQ(doc.LoadBatchInput(), 0);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], "Invalid pool type. Cannot continue.");
    EXPECT_FALSE(fs::exists(data_ / "Tidewarm.tdw"));
}

}  // namespace

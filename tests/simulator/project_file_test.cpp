#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <sstream>

#include "component_fixture.h"
#include "document.h"
#include "message_capture.h"
#include "project_values.h"
#include "result_columns.h"

namespace {

class ProjectFileTest : public test::ComponentTest {
  protected:
    test::MessageCapture messages;
};

std::string Written(CTidewarmDoc& doc) {
    std::ostringstream out;
    EXPECT_EQ(doc.WriteProject(out), 0);
    return out.str();
}

int ReadText(CTidewarmDoc& doc, const std::string& text) {
    std::istringstream in(text);
    return doc.ReadProject(in);
}

std::string FlagsOf(CTidewarmDoc& doc) {
    int flags[kHourlyColumnCount];
    doc.hourlyWriter.GetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    std::string text;
    for (int flag : flags) text += flag ? '1' : '0';
    return text;
}

TEST_F(ProjectFileTest, NewProjectWrittenReadAndWrittenAgainIsTheSame) {
    CTidewarmDoc doc;
    const std::string first = Written(doc);
    EXPECT_EQ(first.substr(0, first.find('\n')), "Tidewarm 30000 20002");
    CTidewarmDoc copy;
    test::FillProject(copy);  // everything read must replace what was there
    ASSERT_EQ(ReadText(copy, first), 0);
    EXPECT_EQ(Written(copy), first);
    test::ExpectSameProject(doc, copy);
    EXPECT_EQ(copy.pool.GetEvaporationModel(), 1);
    EXPECT_EQ(FlagsOf(copy), std::string("111") + std::string(43, '0'));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFileTest, EveryStoredValueReadsBack) {
    CTidewarmDoc doc;
    test::FillProject(doc);
    const std::string first = Written(doc);
    CTidewarmDoc copy;
    ASSERT_EQ(ReadText(copy, first), 0);
    EXPECT_EQ(Written(copy), first);
    test::ExpectSameProject(doc, copy);
    // Hourly columns 0 to 2 are always written, whatever the file says.
    EXPECT_EQ(FlagsOf(copy).substr(0, 3), "111");
}

TEST_F(ProjectFileTest, FileLayoutLineByLine) {
    CTidewarmDoc doc;
    std::istringstream in(Written(doc));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    EXPECT_EQ(lines[1], "1 0 1 0 0 0");
    EXPECT_EQ(lines[2], "1 365 365 0 7 2 0.0001 100 0 0 0");
    EXPECT_EQ(lines[3], "0");
    EXPECT_EQ(lines[4], "");         // location name
    EXPECT_EQ(lines[5], "");         // no weather file
    EXPECT_EQ(lines[9], "0 0 0 0");  // sun
    EXPECT_EQ(lines[10], "45 0 0");  // tracker, degrees
    EXPECT_EQ(lines.back(), std::string("111") + std::string(43, '0'));
    EXPECT_EQ(lines.size(), 50u);
}

TEST_F(ProjectFileTest, NewerFormatRefusedWithItsMessage) {
    CTidewarmDoc doc;
    std::string text = Written(doc);
    text.replace(0, text.find('\n'), "Tidewarm 30001 20002");
    CTidewarmDoc copy;
    copy.StartDay = 77;
    EXPECT_EQ(ReadText(copy, text), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "File is from newer version of Tidewarm. Cannot load file.");
    EXPECT_EQ(copy.StartDay, 77);
}

TEST_F(ProjectFileTest, SimulatedDaysOutsideTheYearRefusedWithTheirMessage) {
    CTidewarmDoc doc;
    const std::string text = Written(doc);
    const std::size_t line3 = text.find('\n', text.find('\n') + 1) + 1;
    const auto withDays = [&](const std::string& days) {
        std::string changed = text;
        changed.replace(line3, std::string("1 365").size(), days);
        return changed;
    };
    for (const char* days : {"-2147483648 365", "0 365", "1 366", "366 1", "1 0"}) {
        CTidewarmDoc copy;
        messages.shown.clear();
        EXPECT_EQ(ReadText(copy, withDays(days)), 1) << days;
        ASSERT_EQ(messages.shown.size(), 1u) << days;
        EXPECT_EQ(messages.shown[0].rfind("The first and last simulated days must lie between 1 "
                                          "and 365; the file gives ",
                                          0),
                  0u);
        EXPECT_EQ(copy.StartDay, 1) << days;
        EXPECT_EQ(copy.EndDay, 365) << days;
    }
    CTidewarmDoc copy;
    messages.shown.clear();
    EXPECT_EQ(ReadText(copy, withDays("365 1")), 0);
    EXPECT_EQ(copy.StartDay, 365);
    EXPECT_EQ(copy.EndDay, 1);
    EXPECT_TRUE(messages.shown.empty());
    // A period so long that the run's hour count would overflow.
    ASSERT_EQ(text.compare(line3, 10, "1 365 365 "), 0);
    std::string endless = text;
    endless.replace(line3, 10, "1 365 2147483647 ");
    EXPECT_EQ(ReadText(copy, endless), 1);
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{
                  "The file gives 2147483647 days to simulate; at most 32167 can be simulated."});
}

TEST_F(ProjectFileTest, OtherHeaderWordRefusedWithoutMessage) {
    CTidewarmDoc doc;
    std::string text = Written(doc);
    EXPECT_EQ(ReadText(doc, "Tideward 30000 20002\n" + text.substr(text.find('\n') + 1)), 1);
    EXPECT_EQ(ReadText(doc, "Tide\n"), 1);
    EXPECT_EQ(ReadText(doc, ""), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFileTest, LocationNameLimitOnBothSides) {
    CTidewarmDoc doc;
    const std::string longest(117, 'x');
    doc.SetWeatherName(longest);
    CTidewarmDoc copy;
    ASSERT_EQ(ReadText(copy, Written(doc)), 0);
    EXPECT_EQ(copy.GetWeatherName(), longest);

    // A longer name given to the document is cut, so what is saved reads back.
    doc.SetWeatherName(std::string(116, 'y') + "é" + "zzz");  // é is two bytes
    EXPECT_EQ(doc.GetWeatherName(), std::string(116, 'y'));
    doc.SetWeatherName("two\nlines");
    EXPECT_EQ(doc.GetWeatherName(), "two");
    ASSERT_EQ(ReadText(copy, Written(doc)), 0);
    EXPECT_EQ(copy.GetWeatherName(), "two");

    // A file with a longer name (not written by this program) fails.
    std::string text = Written(doc);
    const std::size_t start = text.find("two\n");
    text.replace(start, 3, std::string(118, 'x'));
    EXPECT_EQ(ReadText(copy, text), 1);
}

TEST_F(ProjectFileTest, UnknownWeatherSourceKeepsTheSourceHeld) {
    CTidewarmDoc doc;
    std::string text = Written(doc);
    const std::size_t third = text.find('\n', text.find('\n', text.find('\n') + 1) + 1) + 1;
    text[third] = '5';
    CTidewarmDoc copy;
    copy.WeatherSource = kWeatherText;
    ASSERT_EQ(ReadText(copy, text), 0);
    EXPECT_EQ(copy.WeatherSource, kWeatherText);
}

TEST_F(ProjectFileTest, CrLfLineEndsRead) {
    CTidewarmDoc doc;
    test::FillProject(doc);
    std::string text = Written(doc), crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    CTidewarmDoc copy;
    ASSERT_EQ(ReadText(copy, crlf), 0);
    test::ExpectSameProject(doc, copy);
}

// ---------------------------------------------------------------------------------------------
// Older files, written by hand after the layout of their version.

// The flag characters of an older file: the columns present, '1' for those in `on`.
std::string OldFlags(std::set<int> absent, std::set<int> on) {
    std::string text;
    for (int column = 0; column < kHourlyColumnCount; ++column)
        if (!absent.count(column)) text += on.count(column) ? '1' : '0';
    return text;
}

std::string Hours(double day, double night) {
    std::string line;
    for (int h = 1; h <= 24; ++h)
        line +=
            (h > 6 && h < 19 ? std::to_string(day) : std::to_string(night)) + (h < 24 ? " " : "\n");
    return line;
}

// A file of format version 10100.
std::string File10100(const std::string& header) {
    return header + "\n" +
           "1 0 1 0 1\n"                          // five switches
           "121 273 153 1 7 2 0.001 50\n"         // eight run values
           "0\n"                                  // TMY reader
           "OLD TOWN\n"                           // location
           "old.tmy\n"                            // TMY reader's file
           "\n"                                   // text reader: no file
           "alternate.txt\n"                      // alternate input (no binary reader yet)
           "45.5 0 0 0\n"                         // sun
           "30 -15 0\n"                           // tracker
           "1\n"                                  // tilter
           "0.05 40 0.5\n"                        // collector pump
           "0.1 6\n0.12 11\n0.1 7\n0.12 12\n"     // pipes
           "1\n"                                  // unglazed collector
           "1 2 3.5 0.7 0.01 4 0.02 0 0.03\n"     // glazed: no bank count
           "2 0 1 60 0.8\n"                       // one table of two rows
           "3 4 2.5 0.9 0.05 10 2 0 0.025 0.5\n"  // unglazed: no banks, no minimum wind
           "0\n"                                  // no table
           "0.03 20 0.4\n"                        // exchanger pump
           "0.7\n"                                // heat exchanger
           "26 20000\n"                           // heater: set point and capacity
           "0 0 0 0 1 1 1 1 1 0 0 0\n"            // heater months
           "120 80 0.1 0.85 4 0.02\n"             // pool: no absorptance, no soil values
           "0.3 0.6 0.9 0.05 0.9 0\n"             // blanket: no long-wave transmissivity
           "6 4 0.07 0.065 0.2\n"
           "152 244\n" +  // season
           Hours(1, 0) +
           Hours(2, 0) +                  // activity
           "1 1 1 1 0 0 0 0 1 1 1 1\n" +  // blanket months
           Hours(0, 1) + Hours(0, 1) +    // blanket hours
           "0\n"                          // blanket follows the profiles
           "6 1.5 28\n"                   // controller: no limit mode
           "0.01\n0.02\n"                 // promoters
           "3900 0.3 12 14 0 18\n"        // no deep soil temperature
           "25 0.6 0.2\n" +
           OldFlags({kHourlyQSide, kHourlyVWindPool}, {kHourlyQMakeup, kHourlyTSky, 45}) + "\n";
}

TEST_F(ProjectFileTest, Version10100) {
    const std::string text = File10100("Tidewarm 10100 10100");
    ASSERT_EQ(OldFlags({kHourlyQSide, kHourlyVWindPool}, {}).size(), 44u);
    CTidewarmDoc doc;
    doc.DeepSoilTemp = 5;
    doc.HeaterOffOutOfSeason = 1;
    ASSERT_EQ(ReadText(doc, text), 0);
    EXPECT_EQ(doc.UseSolar, 1);
    EXPECT_EQ(doc.HourlyOutput, 1);
    EXPECT_EQ(doc.DoEconomics, 0);
    EXPECT_EQ(doc.MaxIterations, 50);
    EXPECT_EQ(doc.PrintParameters, 0);
    EXPECT_EQ(doc.GetWeatherName(), "OLD TOWN");
    EXPECT_STREQ(doc.tmyReader.GetFileName(), "old.tmy");
    EXPECT_EQ(doc.textWeatherReader.GetFileName(), nullptr);
    EXPECT_EQ(doc.binaryWeatherReader.GetFileName(), nullptr);
    EXPECT_STREQ(doc.alternateReader.GetFileName(), "alternate.txt");
    EXPECT_NEAR(doc.sun.GetLatitude(), 45.5 * kRadiansPerDegree, 1e-12);
    EXPECT_EQ(doc.Collector, kCollectorUnglazed);

    int series, banks;
    double groups;
    doc.glazedCollector.GetUseParameters(series, groups, banks);
    EXPECT_EQ(banks, 1);
    CollectorTestParameters glazed = doc.glazedCollector.GetTestParameters();
    EXPECT_EQ(glazed.collectorArea, 3.5);
    EXPECT_EQ(glazed.testFlowRate, 0.03);
    EXPECT_EQ(glazed.modifierMode, 1);
    ASSERT_EQ(glazed.count1, 2);
    EXPECT_EQ(glazed.table1[0][1], 60);
    EXPECT_EQ(glazed.table1[1][1], 0.8);
    EXPECT_EQ(glazed.count2, 0);
    double windFactor, minimumWind;
    doc.unglazedCollector.GetUseParameters(series, groups, banks, windFactor, minimumWind);
    EXPECT_EQ(series, 3);
    EXPECT_EQ(banks, 1);
    EXPECT_EQ(windFactor, 0.5);
    EXPECT_EQ(minimumWind, 0);  // the default
    EXPECT_EQ(doc.unglazedCollector.GetTestParameters().testFlowRate, 0.025);

    EXPECT_EQ(doc.RoofType, 0);
    EXPECT_EQ(doc.HeaterType, kHeaterFuel);
    double setPoint, inputCapacity, efficiency;
    doc.gasHeater.GetParameters(setPoint, inputCapacity, efficiency);
    EXPECT_EQ(setPoint, 26);
    EXPECT_EQ(efficiency, 0.8);
    EXPECT_DOUBLE_EQ(inputCapacity, 25000);
    EXPECT_DOUBLE_EQ(doc.gasHeater.GetCapacity(), 20000);
    double maxOutlet, ratedCapacity, cop;
    doc.heatPump.GetParameters(maxOutlet, ratedCapacity, cop);
    EXPECT_EQ(ratedCapacity, 10000);  // not in the file: the default
    EXPECT_EQ(doc.HeaterOffOutOfSeason, 0);

    double v, a, exposed, emissivity, absorptance, floor, resistivity, diffusivity, wind;
    int model;
    doc.pool.GetDesignParameters(v, a, exposed, emissivity, absorptance, floor, resistivity,
                                 diffusivity, model, wind);
    EXPECT_EQ(v, 120);
    EXPECT_EQ(floor, 4);
    EXPECT_EQ(absorptance, 0.5);  // defaults of the pool
    EXPECT_EQ(resistivity, 1.25);
    EXPECT_EQ(diffusivity, 5e-7);
    EXPECT_EQ(model, 1);  // forced to the fixed coefficients
    EXPECT_EQ(wind, 0.2);
    EXPECT_NEAR(doc.pool.GetOtherWaterLoss(), 0.02, 0);
    double blanket[6];
    doc.pool.GetBlanketParameters(blanket[0], blanket[1], blanket[2], blanket[3], blanket[4],
                                  blanket[5]);
    EXPECT_EQ(blanket[2], 0.9);
    EXPECT_EQ(blanket[3], 0);
    EXPECT_EQ(blanket[4], 0.05);
    double coefficients[4];
    doc.pool.GetSurfaceCoefficients(coefficients);
    EXPECT_EQ(coefficients[0], 6);

    EXPECT_EQ(doc.SeasonStart, 152);
    EXPECT_EQ(doc.SeasonEnd, 244);
    EXPECT_EQ(doc.CloudyDayMinAirTemp, 26);
    EXPECT_EQ(doc.MinPoolTemp, 20);
    EXPECT_EQ(doc.BlanketAlways, 0);
    double on, off, limit;
    int mode;
    doc.controller.GetParameters(on, off, limit, mode);
    EXPECT_EQ(limit, 28);
    EXPECT_EQ(mode, DeltaTController::kLimitColdSide);
    EXPECT_EQ(doc.economicData.systemLife, 10);
    EXPECT_EQ(doc.poolPromoter.GetTolerance(), 0.02);
    EXPECT_EQ(doc.CollectorFluidCp, 3900);
    EXPECT_EQ(doc.InitialPoolTemp, 18);
    EXPECT_EQ(doc.DeepSoilTemp, 10);
    EXPECT_EQ(doc.IndoorRelHum, 0.6);
    std::string flags(kHourlyColumnCount, '0');
    for (int column :
         {0, 1, 2, static_cast<int>(kHourlyQMakeup), static_cast<int>(kHourlyTSky), 45})
        flags[column] = '1';
    EXPECT_EQ(FlagsOf(doc), flags);
}

TEST_F(ProjectFileTest, ComponentLinesFollowTheFormatVersion) {
    // The component version in the header does not matter: a 10100 file whose second number
    // says 20002 lines up the same way.
    CTidewarmDoc byFormat, byComponent;
    ASSERT_EQ(ReadText(byFormat, File10100("Tidewarm 10100 10100")), 0);
    ASSERT_EQ(ReadText(byComponent, File10100("Tidewarm 10100 20002")), 0);
    test::ExpectSameProject(byFormat, byComponent);
}

// A file of format version 20003 with the old heater line of the given efficiency.
std::string File20003(const std::string& efficiency) {
    return std::string("Tidewarm 20003 20002\n") +
           "1 1 1 1 1 1\n"                   // six switches
           "1 365 365 0 7 2 0.0001 100 1\n"  // nine run values
           "1\n"                             // text weather reader
           "NEWER TOWN\n"
           "\n"
           "table.csv\n"  // text reader; no binary reader before 20100
           "\n"
           "45.5 1 73.5 75\n"
           "45 0 0\n"
           "0\n"
           "0.02 10 0.5\n"
           "0.08 5\n0.08 10\n0.08 5\n0.08 10\n"
           "0\n"
           "2 1 3 5 0.75 0 5 0 0 0.02\n"  // glazed with banks
           "2 2 0 1 80 0.5 1 0 1\n"       // two tables
           "2 1 1 5 0.75 0 5 0 0 0.02 1 0.5\n"
           "0 0 0\n"
           "2\n"                 // roof type
           "0.02 10 0.5\n0.8\n"  // exchanger pump and exchanger
           "1\n"                 // heat pump
           "27 30000\n" +
           efficiency +
           "\n"            // heater: old line with efficiency
           "28 12000 5\n"  // heat pump
           "1 1 1 1 1 1 1 1 1 1 1 1\n"
           "1\n"  // heater off out of season
           "150 100 0 0.9 0.4 5 1.25 5e-07 0.0115740740740741\n"
           "0.2 0.7 0.95 0.1 0.01 0.95 0\n"
           "5.68 3.81 0.0647 0.0642 0.15\n"
           "135 273\n" +
           Hours(2, 0) + Hours(2, 0) + "1 1 1 1 1 1 1 1 1 1 1 1\n" + Hours(0, 1) + Hours(0, 1) +
           "1\n"
           "5 2 30 1\n"  // controller with limit mode
           "12 250 1200 90 10\n20 0.08 0.07 0.04 0.06\n8 0.12\n"
           "0.0001\n0.0001\n"
           "4200 0.5 10 10 0 10\n"
           "20 0.8 0.1\n" +
           OldFlags({kHourlyQSide}, {kHourlyVWindPool}) + "\n";
}

TEST_F(ProjectFileTest, Version20003) {
    ASSERT_EQ(OldFlags({kHourlyQSide}, {}).size(), 45u);
    CTidewarmDoc doc;
    doc.DeepSoilTemp = 5;
    ASSERT_EQ(ReadText(doc, File20003("0.75")), 0);
    EXPECT_EQ(doc.DoEconomics, 1);
    EXPECT_EQ(doc.PrintParameters, 1);
    EXPECT_EQ(doc.SwimmableCriterion, 0);
    EXPECT_EQ(doc.WeatherSource, kWeatherText);
    EXPECT_STREQ(doc.textWeatherReader.GetFileName(), "table.csv");
    int clock;
    double latitude, longitude, meridian;
    doc.sun.GetParameters(latitude, clock, longitude, meridian);
    EXPECT_EQ(clock, 1);
    EXPECT_NEAR(meridian, 75 * kRadiansPerDegree, 1e-12);
    int series, banks;
    double groups;
    doc.glazedCollector.GetUseParameters(series, groups, banks);
    EXPECT_EQ(banks, 3);
    CollectorTestParameters glazed = doc.glazedCollector.GetTestParameters();
    EXPECT_EQ(glazed.modifierMode, 2);
    EXPECT_EQ(glazed.count1, 2);
    EXPECT_EQ(glazed.count2, 1);
    double windFactor, minimumWind;
    doc.unglazedCollector.GetUseParameters(series, groups, banks, windFactor, minimumWind);
    EXPECT_EQ(minimumWind, 0.5);
    EXPECT_EQ(doc.RoofType, 2);
    EXPECT_EQ(doc.HeaterType, kHeaterHeatPump);
    double setPoint, inputCapacity, efficiency;
    doc.gasHeater.GetParameters(setPoint, inputCapacity, efficiency);
    EXPECT_EQ(efficiency, 0.75);
    EXPECT_DOUBLE_EQ(inputCapacity, 40000);
    double maxOutlet, ratedCapacity, cop;
    doc.heatPump.GetParameters(maxOutlet, ratedCapacity, cop);
    EXPECT_EQ(ratedCapacity, 12000);
    EXPECT_EQ(cop, 5);
    EXPECT_EQ(doc.HeaterOffOutOfSeason, 1);
    double v, a, exposed, emissivity, absorptance, floor, resistivity, diffusivity, wind;
    int model;
    doc.pool.GetDesignParameters(v, a, exposed, emissivity, absorptance, floor, resistivity,
                                 diffusivity, model, wind);
    EXPECT_EQ(absorptance, 0.4);
    EXPECT_EQ(model, 1);
    double blanket[6];
    doc.pool.GetBlanketParameters(blanket[0], blanket[1], blanket[2], blanket[3], blanket[4],
                                  blanket[5]);
    EXPECT_EQ(blanket[3], 0.1);
    double on, off, limit;
    int mode;
    doc.controller.GetParameters(on, off, limit, mode);
    EXPECT_EQ(mode, DeltaTController::kLimitHotSide);
    EXPECT_EQ(doc.economicData.systemLife, 12);
    EXPECT_EQ(doc.economicData.electricityCost, 0.12);
    EXPECT_EQ(doc.CloudyDayMinAirTemp, 26);  // thresholds came in 20102
    EXPECT_EQ(doc.DeepSoilTemp, 10);
    std::string flags = std::string("111") + std::string(43, '0');
    flags[kHourlyVWindPool] = '1';
    EXPECT_EQ(FlagsOf(doc), flags);
}

TEST_F(ProjectFileTest, OldHeaterLineWithoutEfficiencyIsRefusedByTheHeater) {
    CTidewarmDoc doc;
    ASSERT_EQ(ReadText(doc, File20003("0")), 0);
    double setPoint, inputCapacity, efficiency;
    doc.gasHeater.GetParameters(setPoint, inputCapacity, efficiency);
    EXPECT_EQ(efficiency, 0);
    EXPECT_TRUE(std::isfinite(inputCapacity));
    EXPECT_EQ(doc.gasHeater.Check(), kFatal);
    EXPECT_NE(std::string(ErrorMessageBuffer()).find("efficiency"), std::string::npos);
}

// ---------------------------------------------------------------------------------------------
// Files

TEST_F(ProjectFileTest, SavedFileLoadsBackUnmodified) {
    CTidewarmDoc doc;
    test::FillProject(doc);
    doc.SetModifiedFlag(1);
    ASSERT_EQ(SaveProjectFile(doc, "pool.tdw"), 0);
    EXPECT_EQ(doc.IsModified(), 0);
    EXPECT_EQ(doc.ResultsOutOfDate(), 1);  // saving does not change it
    EXPECT_FALSE(std::filesystem::exists("pool.tdw.part"));
    std::unique_ptr<CTidewarmDoc> loaded = LoadProjectFile("pool.tdw");
    ASSERT_NE(loaded, nullptr);
    test::ExpectSameProject(doc, *loaded);
    EXPECT_EQ(loaded->IsModified(), 0);
    EXPECT_EQ(loaded->ResultsOutOfDate(), 1);  // no report
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectFileTest, ReportNotOlderThanProjectIsUpToDate) {
    CTidewarmDoc doc;
    ASSERT_EQ(SaveProjectFile(doc, "pool.tdw"), 0);
    test::WriteFile("pool.lis", "report\n");
    const auto now = std::filesystem::last_write_time("pool.tdw");
    std::filesystem::last_write_time("pool.lis", now);
    auto loaded = LoadProjectFile("pool.tdw");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ResultsOutOfDate(), 0);
    std::filesystem::last_write_time("pool.lis", now - std::chrono::seconds(5));
    loaded = LoadProjectFile("pool.tdw");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->ResultsOutOfDate(), 1);
    EXPECT_EQ(ReportFileName("dir.x/pool.tdw"), "dir.x/pool.lis");
    EXPECT_EQ(ReportFileName("pool"), "pool.lis");
}

TEST_F(ProjectFileTest, TruncatedOrCorruptFileLeavesTheOpenDocumentAlone) {
    CTidewarmDoc saved;
    test::FillProject(saved);
    const std::string text = Written(saved);
    auto open = std::make_unique<CTidewarmDoc>();
    open->StartDay = 99;
    CTidewarmDoc* before = open.get();

    for (std::size_t cut : {text.size() / 3, text.size() / 2, text.size() - 30}) {
        test::WriteFile("pool.tdw", text.substr(0, cut));
        messages.shown.clear();
        std::unique_ptr<CTidewarmDoc> loaded = LoadProjectFile("pool.tdw");
        EXPECT_EQ(loaded, nullptr) << cut;
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], "I/O Error. Cannot read from file.");
    }
    std::string corrupt = text;
    corrupt.replace(corrupt.find("\n121 273") + 1, 3, "abc");
    test::WriteFile("pool.tdw", corrupt);
    EXPECT_EQ(LoadProjectFile("pool.tdw"), nullptr);
    EXPECT_EQ(open.get(), before);
    EXPECT_EQ(open->StartDay, 99);
    EXPECT_EQ(open->UseSolar, 1);

    messages.shown.clear();
    EXPECT_EQ(LoadProjectFile("missing.tdw"), nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Cannot open file.");
}

TEST_F(ProjectFileTest, FailedSaveKeepsThePreviousFile) {
    CTidewarmDoc doc;
    doc.SetModifiedFlag(1);
    EXPECT_EQ(SaveProjectFile(doc, "no such folder/pool.tdw"), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              "Cannot open file.\nno such folder/pool.tdw: No such file or directory");
    EXPECT_EQ(doc.IsModified(), 1);

    // The target cannot be replaced (a folder that holds a file): the write is not put in place.
    std::filesystem::create_directory("pool.tdw");
    test::WriteFile("pool.tdw/keep", "x");
    messages.shown.clear();
    EXPECT_EQ(SaveProjectFile(doc, "pool.tdw"), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind("I/O Error. File not saved.\npool.tdw: ", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_directory("pool.tdw"));
    EXPECT_FALSE(std::filesystem::exists("pool.tdw.part"));
    EXPECT_EQ(doc.IsModified(), 1);
}

}  // namespace

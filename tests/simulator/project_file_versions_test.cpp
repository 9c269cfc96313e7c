// Project files of older versions, written by hand after the layout of their version.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "project_file_support.h"

namespace {

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
    EXPECT_EQ(doc.Collector, CollectorKind::Unglazed);

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
    EXPECT_EQ(doc.HeaterType, HeaterKind::Fuel);
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

TEST_F(ProjectFileTest, ComponentRecordsFollowTheComponentVersion) {
    // The controller's limit mode came with component version 20000. A file of the present
    // format whose component version is older has its controller read without it (the value on
    // the line is skipped, the mode is the cold side); only the component version decides.
    CTidewarmDoc doc;
    doc.controller.SetParameters(5, 2, 30, DeltaTController::kLimitHotSide);
    const std::string text = Written(doc);
    const std::string body = text.substr(text.find('\n') + 1);
    const auto limitModeRead = [&body](const std::string& header) {
        CTidewarmDoc read;
        EXPECT_EQ(ReadText(read, header + "\n" + body), 0) << header;
        double on, off, limit;
        int mode = -1;
        read.controller.GetParameters(on, off, limit, mode);
        EXPECT_EQ(limit, 30) << header;
        return mode;
    };
    EXPECT_EQ(limitModeRead("Tidewarm 30000 20002"), DeltaTController::kLimitHotSide);
    EXPECT_EQ(limitModeRead("Tidewarm 30000 19999"), DeltaTController::kLimitColdSide);
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
    EXPECT_EQ(doc.HeaterType, HeaterKind::HeatPump);
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

}  // namespace

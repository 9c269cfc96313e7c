#include "document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "result_columns.h"

namespace {

TEST(Document, NewProjectDefaults) {
    CTidewarmDoc doc;
    EXPECT_EQ(doc.UseSolar, 1);
    EXPECT_EQ(doc.UseAuxHeater, 1);
    for (int flag : {doc.UseExchanger, doc.UseAlternateInput, doc.HourlyOutput, doc.DoEconomics,
                     doc.UseWeekends, doc.PrintParameters, doc.SwimmableCriterion, doc.ReferenceRun,
                     doc.IndoorPool, doc.HeaterOffOutOfSeason})
        EXPECT_EQ(flag, 0);
    EXPECT_EQ(doc.StartDay, 1);
    EXPECT_EQ(doc.EndDay, 365);
    EXPECT_EQ(doc.NumDays, 365);
    EXPECT_EQ(doc.WeatherSource, kWeatherTMY);
    EXPECT_EQ(doc.SelectedWeatherReader(), &doc.tmyReader);
    EXPECT_EQ(doc.Collector, CollectorKind::Glazed);
    EXPECT_EQ(doc.SelectedCollector(), &doc.glazedCollector);
    EXPECT_EQ(doc.HeaterType, HeaterKind::Fuel);
    EXPECT_EQ(doc.GetWeatherName(), "");
    EXPECT_EQ(doc.Tolerance, 0.0001);
    EXPECT_EQ(doc.MaxIterations, 100);
    EXPECT_EQ(doc.SeasonStart, 135);
    EXPECT_EQ(doc.SeasonEnd, 273);
    EXPECT_EQ(doc.BlanketAlways, 1);
    EXPECT_EQ(doc.IndoorRelHum, 0.8);
    EXPECT_EQ(doc.GroundAlbedo, 0.2);
    EXPECT_EQ(doc.PoolWaterCp, 4200);

    int life;
    double v[11];
    doc.economicData.GetData(life, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9],
                             v[10]);
    EXPECT_EQ(life, 10);
    const double expected[11] = {200, 1000, 100, 0, 0, 0.1, 0.1, 0.05, 0.05, 1, 0.1};
    for (int i = 0; i < 11; ++i) EXPECT_EQ(v[i], expected[i]) << i;

    int mode;
    double slope, azimuth;
    doc.tracker.GetParameters(mode, slope, azimuth);
    EXPECT_EQ(mode, kTrackFixed);
    EXPECT_DOUBLE_EQ(slope, std::numbers::pi / 4);
    double setPoint, inputCapacity, efficiency;
    doc.gasHeater.GetParameters(setPoint, inputCapacity, efficiency);
    EXPECT_EQ(setPoint, 20);
    EXPECT_EQ(inputCapacity, 10000);
    EXPECT_EQ(efficiency, 0.8);
    double on, off, limit;
    doc.controller.GetParameters(on, off, limit, mode);
    EXPECT_EQ(on, 5);
    EXPECT_EQ(off, 2);
    EXPECT_EQ(limit, 30);
    double weekday[24], weekend[24];
    doc.activityProfile.GetValues(weekday, weekend);
    for (int h = 1; h <= 24; ++h) {
        EXPECT_EQ(weekday[h - 1], h >= 7 && h <= 18 ? 2 : 0) << h;
        EXPECT_EQ(weekend[h - 1], weekday[h - 1]);
    }
    doc.blanketDailyProfile.GetValues(weekday, weekend);
    for (int h = 1; h <= 24; ++h) EXPECT_EQ(weekday[h - 1], h >= 7 && h <= 18 ? 0 : 1) << h;
    EXPECT_EQ(doc.monthlySummary.GetCount(), kMonthlyColumnCount);
    EXPECT_EQ(doc.annualSummary.GetCount(), kMonthlyColumnCount);
    EXPECT_EQ(doc.hourlySummary.GetCount(), kHourlyColumnCount);
    EXPECT_EQ(doc.hourlyWriter.GetColumnCount(), kHourlyColumnCount);
    EXPECT_EQ(doc.hourlyWriter.GetSeparator(), ',');
    EXPECT_EQ(doc.monthlyWriter.GetColumnCount(), kMonthlyColumnCount);
    int flags[kMonthlyColumnCount];
    doc.monthlyWriter.GetColumnFlags(flags, 0, kMonthlyColumnCount - 1);
    for (int flag : flags) EXPECT_EQ(flag, 1);
    EXPECT_EQ(doc.CollectorOn, 0);
    EXPECT_EQ(doc.HeaterOn, 0);
    EXPECT_EQ(doc.IsModified(), 0);
    EXPECT_EQ(doc.ResultsOutOfDate(), 1);
}

TEST(Document, HeatPumpDefaultsRateAtEightyFahrenheit) {
    CTidewarmDoc doc;
    double maxOutlet, capacity, cop;
    doc.heatPump.GetParameters(maxOutlet, capacity, cop);
    EXPECT_EQ(maxOutlet, 20);
    EXPECT_EQ(capacity, 10000);
    EXPECT_EQ(cop, 6);
}

TEST(Document, SetDefaultsUndoesEdits) {
    CTidewarmDoc doc;
    doc.UseSolar = 0;
    doc.SetWeatherName("X");
    doc.WeatherSource = kWeatherBinary;
    doc.economicData.systemLife = 3;
    doc.CollectorOn = 1;
    doc.tmyReader.SetFileName("a.tmy");
    doc.SetDefaults();
    EXPECT_EQ(doc.UseSolar, 1);
    EXPECT_EQ(doc.GetWeatherName(), "");
    EXPECT_EQ(doc.WeatherSource, kWeatherTMY);
    EXPECT_EQ(doc.economicData.systemLife, 10);
    EXPECT_EQ(doc.CollectorOn, 0);
    EXPECT_EQ(doc.tmyReader.GetFileName(), nullptr);
}

TEST(Document, ModifiedMarkPutsResultsOutOfDateButClearingDoesNot) {
    CTidewarmDoc doc;
    std::vector<int> view;
    doc.onResultsOutOfDate = [&view](int outOfDate) { view.push_back(outOfDate); };
    doc.SetResultsOutOfDate(0);
    doc.SetModifiedFlag(0);
    EXPECT_EQ(doc.ResultsOutOfDate(), 0);
    doc.SetModifiedFlag(1);
    EXPECT_EQ(doc.IsModified(), 1);
    EXPECT_EQ(doc.ResultsOutOfDate(), 1);
    doc.SetModifiedFlag(0);
    EXPECT_EQ(doc.IsModified(), 0);
    EXPECT_EQ(doc.ResultsOutOfDate(), 1);
    doc.SetResultsOutOfDate(7);
    EXPECT_EQ(view, (std::vector<int>{0, 1, 1}));
}

TEST(Document, SelectionOutOfRangeSelectsNothing) {
    CTidewarmDoc doc;
    doc.WeatherSource = 3;
    doc.Collector = static_cast<CollectorKind>(2);
    EXPECT_EQ(doc.SelectedWeatherReader(), nullptr);
    EXPECT_EQ(doc.SelectedCollector(), nullptr);
    doc.WeatherSource = kWeatherBinary;
    doc.Collector = CollectorKind::Unglazed;
    EXPECT_EQ(doc.SelectedWeatherReader(), &doc.binaryWeatherReader);
    EXPECT_EQ(doc.SelectedCollector(), &doc.unglazedCollector);
}

TEST(ResultColumns, NamesInColumnOrder) {
    EXPECT_STREQ(kMonthlyColumnNames[kMonthlyTPool], "TPool");
    EXPECT_STREQ(kMonthlyColumnNames[kMonthlyUsableDays], "UsableDays");
    EXPECT_STREQ(kHourlyColumnNames[kHourlyQSide], "QSide");
    EXPECT_STREQ(kHourlyColumnNames[kHourlyVWindPool], "VWindPool");
    EXPECT_STREQ(kHourlyColumnNames[kHourlyTSoilPool], "TSoilPool");
    for (const char* name : kHourlyColumnNames) EXPECT_NE(name, nullptr);
}

}  // namespace

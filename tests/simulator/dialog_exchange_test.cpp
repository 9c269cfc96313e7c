#include "dialog_exchange.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <sstream>

#include "dialog_test_support.h"
#include "message_capture.h"
#include "numerics.h"
#include "project_values.h"
#include "result_columns.h"
#include "small_dialogs.h"

namespace {

// What a command does when the user presses OK without touching anything.
template <class Dialog>
void UnchangedOk(CTidewarmDoc& doc, Dialog& dialog) {
    ASSERT_TRUE(Fill(doc, dialog));
    ExchangeStatus status = SaveDialog(dialog, test::ShownTexts(dialog));
    ASSERT_TRUE(status) << status.message;
    ASSERT_TRUE(CopyBack(dialog, doc));
}

template <class Dialog>
void UnchangedOk(CTidewarmDoc& doc) {
    Dialog dialog;
    UnchangedOk(doc, dialog);
}

void RunEveryDialog(CTidewarmDoc& doc) {
    UnchangedOk<CPoolConfigDlg>(doc);
    UnchangedOk<CWeatherDlg>(doc);
    UnchangedOk<CAlternateDlg>(doc);
    UnchangedOk<CSimulationDlg>(doc);
    UnchangedOk<CCollectorTestDlg>(doc);
    UnchangedOk<CCollectorUseDlg>(doc);
    UnchangedOk<CPipesDlg>(doc);
    UnchangedOk<CHeatExchangerDlg>(doc);
    UnchangedOk<CPoolDesignDlg>(doc);
    UnchangedOk<CPoolUseDlg>(doc);
    UnchangedOk<CBlanketDlg>(doc);
    UnchangedOk<CAuxHeaterDlg>(doc);
    UnchangedOk<CEconomicsDlg>(doc);
    UnchangedOk<CHlyPrintEnergiesDlg>(doc);
    UnchangedOk<CHlyPrintPoolDlg>(doc);
    UnchangedOk<CHlyPrintWeatherDlg>(doc);
    UnchangedOk<CHlyPrintCollectorDlg>(doc);
    UnchangedOk<CHlyPrintControlsDlg>(doc);
}

double Modifier(const CollectorTestParameters& test, double angle) {
    return InterpolateTable(test.count1, test.table1[0], test.table1[1], angle);
}

}  // namespace

class DialogExchange : public test::DialogTest {
  protected:
    test::MessageCapture messages;
};

TEST_F(DialogExchange, UnchangedOkOfEveryDialogKeepsANewProject) {
    CTidewarmDoc doc, expected;
    RunEveryDialog(doc);
    // The weather reader had no file: it still has none, whatever the dialog showed.
    EXPECT_EQ(doc.tmyReader.GetFileName(), nullptr);
    // Named normalisations: ten modifier points, the pool's soil values of the dialog.
    const CollectorTestParameters test = doc.glazedCollector.GetTestParameters();
    EXPECT_EQ(test.modifierMode, 0);
    expected.glazedCollector.SetTestParameters(test);
    expected.pool.SetDesignParameters(0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    double v, a, ex, em, ab, r, s, d, w;
    int model;
    doc.pool.GetDesignParameters(v, a, ex, em, ab, r, s, d, model, w);
    EXPECT_EQ(s, kSoilResistivity);
    EXPECT_EQ(d, kSoilDiffusivity);
    EXPECT_EQ(model, 1);
    expected.pool.SetDesignParameters(v, a, ex, em, ab, r, s, d, model, w);
    test::ExpectSameProject(expected, doc);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DialogExchange, UnchangedOkOfEveryDialogKeepsAFullProject) {
    CTidewarmDoc doc, expected;
    test::FillProject(doc);
    test::FillProject(expected);
    const CollectorTestParameters before = doc.unglazedCollector.GetTestParameters();
    const int beforeCount = before.count1;
    double beforeModifiers[19];
    for (int i = 0; i < 19; ++i) beforeModifiers[i] = Modifier(before, 5.0 * i);

    RunEveryDialog(doc);

    // The normalisations the commands make:
    // the exchanger needs the solar loop;
    expected.UseExchanger = 0;
    // both collector arrays get the arrangement of the one shown;
    expected.glazedCollector.SetUseParameters(1, 6, 3);
    // the controller's limit is on the cold side;
    expected.controller.SetParameters(6.5, 1.5, 32, 0);
    // both inside pipes take the outlet's coefficient, both outside pipes too;
    expected.inletPipeInside.SetParameters(0.13, 6.5);
    expected.inletPipeOutside.SetParameters(0.14, 11.5);
    // a pool on soil gets the dialog's soil values;
    expected.pool.SetDesignParameters(210, 120, 0.15, 0.85, 0.45, 4.5, kSoilResistivity,
                                      kSoilDiffusivity, 1, 0.25);
    // a modifier table of fewer than ten points goes on along its last segment: ten points
    // that give the same modifier at every angle.
    const CollectorTestParameters after = doc.unglazedCollector.GetTestParameters();
    ASSERT_EQ(beforeCount, 4);
    EXPECT_EQ(after.count1, 10);
    for (int i = 0; i < 19; ++i)
        EXPECT_NEAR(Modifier(after, 5.0 * i), beforeModifiers[i], 1e-12) << 5.0 * i;
    EXPECT_EQ(after.table1[0][9], 90);
    expected.unglazedCollector.SetTestParameters(after);
    test::ExpectSameProject(expected, doc);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DialogExchange, UnchangedOkKeepsEveryDigitAlsoOfValuesShownInOtherUnits) {
    // Values whose conversion to the dialog's units and back does not give them exactly.
    CTidewarmDoc doc;
    test::FillProject(doc);
    doc.sun.SetParameters(0.6849775832740397, 1, 0.6849775832740397, 0.6849775832740397);
    doc.tracker.SetParameters(0, 0.6849775832740397, 0.6849775832740397);
    doc.IndoorRelHum = 0.45561240859680463;
    doc.pool.SetOtherWaterLoss(0.012145298130490024);
    doc.HeaterType = HeaterKind::Fuel;
    doc.gasHeater.SetParameters(27, 30000, 0.45561240859680463);
    EconomicData& e = doc.economicData;
    e.SetData(e.systemLife, e.costPerCollector, e.installationCost, e.maintenanceCost,
              e.resaleValue, e.downPayment, 0.45561240859680463, 0.45561240859680463,
              0.45561240859680463, 0.45561240859680463, e.primaryEnergyCost, e.electricityCost);
    doc.Tolerance = 0.000123456789012345;
    // Twice: the normalisations of the first OK are kept by the second.
    RunEveryDialog(doc);
    std::ostringstream once;
    ASSERT_EQ(doc.WriteProject(once), 0);
    RunEveryDialog(doc);
    std::ostringstream twice;
    ASSERT_EQ(doc.WriteProject(twice), 0);
    EXPECT_EQ(twice.str(), once.str());
    double latitude, longitude, meridian, slope, azimuth, efficiency, setPoint, capacity;
    int clock, mode;
    doc.sun.GetParameters(latitude, clock, longitude, meridian);
    EXPECT_EQ(latitude, 0.6849775832740397);
    EXPECT_EQ(longitude, 0.6849775832740397);
    EXPECT_EQ(meridian, 0.6849775832740397);
    doc.tracker.GetParameters(mode, slope, azimuth);
    EXPECT_EQ(slope, 0.6849775832740397);
    EXPECT_EQ(azimuth, 0.6849775832740397);
    EXPECT_EQ(doc.IndoorRelHum, 0.45561240859680463);
    EXPECT_EQ(doc.pool.GetOtherWaterLoss(), 0.012145298130490024);
    doc.gasHeater.GetParameters(setPoint, capacity, efficiency);
    EXPECT_EQ(efficiency, 0.45561240859680463);
    EXPECT_EQ(doc.economicData.discountRate, 0.45561240859680463);
    EXPECT_EQ(doc.economicData.fuelInflationRate, 0.45561240859680463);
    EXPECT_EQ(doc.Tolerance, 0.000123456789012345);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DialogExchange, UnitsShownAndStored) {
    CTidewarmDoc doc;
    CCollectorUseDlg use;
    EXPECT_TRUE(Fill(doc, use));
    EXPECT_NEAR(use.slope, 45, 1e-12);
    use.slope = 30;
    use.azimuth = -90;
    EXPECT_TRUE(CopyBack(use, doc));
    int mode;
    double slope, azimuth;
    doc.tracker.GetParameters(mode, slope, azimuth);
    EXPECT_NEAR(slope, std::numbers::pi / 6, 1e-15);
    EXPECT_NEAR(azimuth, -std::numbers::pi / 2, 1e-15);

    CPoolUseDlg poolUse;
    EXPECT_TRUE(Fill(doc, poolUse));
    poolUse.spillage = 1;
    EXPECT_TRUE(CopyBack(poolUse, doc));
    EXPECT_DOUBLE_EQ(doc.pool.GetOtherWaterLoss(), 1 / 86.4);
    EXPECT_TRUE(Fill(doc, poolUse));
    EXPECT_DOUBLE_EQ(poolUse.spillage, 1);

    CPoolDesignDlg design;
    EXPECT_TRUE(Fill(doc, design));
    EXPECT_DOUBLE_EQ(design.indoorRelHum, 80);
    design.indoorRelHum = 55;
    EXPECT_TRUE(CopyBack(design, doc));
    EXPECT_DOUBLE_EQ(doc.IndoorRelHum, 0.55);

    CEconomicsDlg economics;
    EXPECT_TRUE(Fill(doc, economics));
    EXPECT_DOUBLE_EQ(economics.interestRate, 10);
    EXPECT_DOUBLE_EQ(economics.inflationRate, 5);
    economics.discountRate = 7;
    EXPECT_TRUE(CopyBack(economics, doc));
    EXPECT_DOUBLE_EQ(doc.economicData.discountRate, 0.07);

    CWeatherDlg weather;
    EXPECT_TRUE(Fill(doc, weather));
    EXPECT_EQ(weather.fileName, "(no selection)");
    weather.SelectFormat(CWeatherDlg::kZefirBinary);
    weather.fileName = "quebec.zfw";
    weather.latitude = 46.8;
    weather.stationLongitude = 71.2;
    weather.meridianLongitude = 75;
    EXPECT_TRUE(CopyBack(weather, doc));
    EXPECT_EQ(doc.WeatherSource, kWeatherBinary);
    EXPECT_STREQ(doc.binaryWeatherReader.GetFileName(), "quebec.zfw");
    double latitude, longitude, meridian;
    int clock;
    doc.sun.GetParameters(latitude, clock, longitude, meridian);
    EXPECT_NEAR(latitude, 46.8 * std::numbers::pi / 180, 1e-15);
    EXPECT_EQ(clock, 1);
    EXPECT_NEAR(meridian, 75 * std::numbers::pi / 180, 1e-15);
    // Back to the TMY file: solar time, no longitudes.
    weather.SelectFormat(CWeatherDlg::kKorvexTmy);
    EXPECT_TRUE(CopyBack(weather, doc));
    doc.sun.GetParameters(latitude, clock, longitude, meridian);
    EXPECT_EQ(clock, 0);
    EXPECT_EQ(longitude, 0);
    EXPECT_EQ(meridian, 0);
}

TEST_F(DialogExchange, HeaterEfficiencyInPercentForTheFuelHeaterOnly) {
    CTidewarmDoc doc;
    CAuxHeaterDlg heater;
    EXPECT_TRUE(Fill(doc, heater));
    EXPECT_DOUBLE_EQ(heater.efficiency, 80);
    heater.efficiency = 90;
    EXPECT_TRUE(CopyBack(heater, doc));
    double setPoint, capacity, efficiency;
    doc.gasHeater.GetParameters(setPoint, capacity, efficiency);
    EXPECT_DOUBLE_EQ(efficiency, 0.9);

    doc.HeaterType = HeaterKind::HeatPump;
    EXPECT_TRUE(Fill(doc, heater));
    EXPECT_EQ(heater.efficiency, 6);
    heater.efficiency = 4.5;
    EXPECT_TRUE(CopyBack(heater, doc));
    doc.heatPump.GetParameters(setPoint, capacity, efficiency);
    EXPECT_EQ(efficiency, 4.5);
    doc.gasHeater.GetParameters(setPoint, capacity, efficiency);
    EXPECT_DOUBLE_EQ(efficiency, 0.9) << "the other heater is left alone";

    doc.HeaterType = static_cast<HeaterKind>(2);
    EXPECT_TRUE(Fill(doc, heater));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Internal error - Invalid auxiliary heater type.");
    EXPECT_TRUE(CopyBack(heater, doc));
    EXPECT_EQ(messages.shown.size(), 2u);
}

// The project line "26 15000 5" of a heat pump stays as it is when the user switches the type
// from the fuel heater to the heat pump and presses OK; a capacity typed then is the heat pump's.
TEST_F(DialogExchange, HeaterTypeSwitchKeepsEachHeatersStoredValues) {
    CTidewarmDoc doc;
    doc.HeaterType = HeaterKind::Fuel;
    doc.gasHeater.SetParameters(27, 30000, 0.45561240859680463);
    doc.heatPump.SetParameters(26, 15000, 5);
    const auto stored = [](auto& heater) {
        std::array<double, 3> values{};
        heater.GetParameters(values[0], values[1], values[2]);
        return values;
    };
    CAuxHeaterDlg heater;
    ASSERT_TRUE(Fill(doc, heater));
    ASSERT_TRUE(heater.OnTypeChange(static_cast<int>(HeaterKind::HeatPump)));
    EXPECT_EQ(heater.capacity, 15000);
    EXPECT_EQ(heater.setPoint, 26);
    ExchangeStatus status = SaveDialog(heater, test::ShownTexts(heater));
    ASSERT_TRUE(status) << status.message;
    ASSERT_TRUE(CopyBack(heater, doc));
    EXPECT_EQ(doc.HeaterType, HeaterKind::HeatPump);
    EXPECT_EQ(stored(doc.heatPump), (std::array<double, 3>{26, 15000, 5}));
    EXPECT_EQ(stored(doc.gasHeater), (std::array<double, 3>{27, 30000, 0.45561240859680463}));

    ASSERT_TRUE(Fill(doc, heater));
    heater.capacity = 16000;
    ASSERT_TRUE(heater.OnTypeChange(static_cast<int>(HeaterKind::Fuel)));
    EXPECT_EQ(heater.capacity, 30000);
    ASSERT_TRUE(CopyBack(heater, doc));
    EXPECT_EQ(stored(doc.heatPump), (std::array<double, 3>{26, 16000, 5}));
    EXPECT_EQ(stored(doc.gasHeater), (std::array<double, 3>{27, 30000, 0.45561240859680463}));
}

TEST_F(DialogExchange, PoolSitsOnSoilWhenItHasASoilResistivity) {
    CTidewarmDoc doc;
    CPoolDesignDlg design;
    EXPECT_TRUE(Fill(doc, design));
    design.sitsAbove = CPoolDesignDlg::kMechanicalRoom;
    EXPECT_TRUE(CopyBack(design, doc));
    EXPECT_TRUE(Fill(doc, design));
    EXPECT_EQ(design.sitsAbove, CPoolDesignDlg::kMechanicalRoom);
    design.sitsAbove = CPoolDesignDlg::kSoil;
    EXPECT_TRUE(CopyBack(design, doc));
    double v, a, ex, em, ab, r, s, d, w;
    int model;
    doc.pool.GetDesignParameters(v, a, ex, em, ab, r, s, d, model, w);
    EXPECT_EQ(s, 1.25);
    EXPECT_EQ(d, 5e-7);
    EXPECT_TRUE(Fill(doc, design));
    EXPECT_EQ(design.sitsAbove, CPoolDesignDlg::kSoil);
}

TEST_F(DialogExchange, ConfigurationStoresDependentSwitchesOnlyWithTheirMaster) {
    CTidewarmDoc doc;
    CPoolConfigDlg config;
    doc.UseSolar = 0;
    doc.UseExchanger = 1;
    EXPECT_TRUE(Fill(doc, config));
    EXPECT_EQ(config.useExchanger, 0) << "shown only with the solar loop";
    config.useExchanger = 1;
    config.referenceRun = 1;
    config.swimmableCriterion = 0;
    EXPECT_TRUE(CopyBack(config, doc));
    EXPECT_EQ(doc.UseExchanger, 0);
    EXPECT_EQ(doc.ReferenceRun, 0);
    config.useSolar = 1;
    config.swimmableCriterion = 1;
    EXPECT_TRUE(CopyBack(config, doc));
    EXPECT_EQ(doc.UseExchanger, 1);
    EXPECT_EQ(doc.ReferenceRun, 1);
}

TEST_F(DialogExchange, CollectorTypeSelectsTheArray) {
    CTidewarmDoc doc;
    CCollectorTestDlg test;
    EXPECT_TRUE(Fill(doc, test));
    EXPECT_EQ(test.collectorType, "Glazed");
    EXPECT_EQ(test.angles[9], 90);
    EXPECT_EQ(test.modifiers[4], 1);
    test.collectorType = "Unglazed";
    test.area = 3;
    test.modifierMode = CCollectorTestDlg::kModifierProfile;
    ASSERT_TRUE(CopyBack(test, doc));
    EXPECT_EQ(doc.Collector, CollectorKind::Unglazed);
    const CollectorTestParameters unglazed = doc.unglazedCollector.GetTestParameters();
    EXPECT_EQ(unglazed.collectorArea, 3);
    EXPECT_EQ(unglazed.count1, 10);
    EXPECT_EQ(unglazed.count2, 0);
    EXPECT_EQ(doc.glazedCollector.GetTestParameters().collectorArea, 5);

    test.collectorType = "Tubes";
    EXPECT_FALSE(CopyBack(test, doc));
    EXPECT_EQ(doc.Collector, CollectorKind::Unglazed);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], "Unknown Collector Type");

    doc.Collector = static_cast<CollectorKind>(7);
    EXPECT_FALSE(Fill(doc, test));
    CCollectorUseDlg use;
    EXPECT_TRUE(Fill(doc, use)) << "the rest is still filled";
    EXPECT_NEAR(use.slope, 45, 1e-12);
    EXPECT_EQ(messages.shown.size(), 3u);
}

TEST_F(DialogExchange, GlazedCollectorUseKeepsTheUnglazedWindValues) {
    CTidewarmDoc doc;
    doc.unglazedCollector.SetUseParameters(2, 1, 1, 0.7, 0.4);
    CCollectorUseDlg use;
    EXPECT_TRUE(Fill(doc, use));
    EXPECT_EQ(use.unglazed, 0);
    EXPECT_EQ(use.windCorrection, 1);
    EXPECT_EQ(use.windThreshold, 0);
    use.inSeries = 4;
    EXPECT_TRUE(CopyBack(use, doc));
    int series, banks;
    double groups, wind, threshold;
    doc.unglazedCollector.GetUseParameters(series, groups, banks, wind, threshold);
    EXPECT_EQ(series, 4);
    EXPECT_EQ(wind, 0.7);
    EXPECT_EQ(threshold, 0.4);
}

TEST_F(DialogExchange, PipesShareTheOutletCoefficients) {
    CTidewarmDoc doc;
    doc.inletPipeInside.SetParameters(0.5, 3);
    doc.outletPipeInside.SetParameters(0.2, 4);
    CPipesDlg pipes;
    EXPECT_TRUE(Fill(doc, pipes));
    EXPECT_EQ(pipes.lossInside, 0.2);
    EXPECT_EQ(pipes.inletInside, 3);
    EXPECT_TRUE(CopyBack(pipes, doc));
    double coefficient, length;
    doc.inletPipeInside.GetParameters(coefficient, length);
    EXPECT_EQ(coefficient, 0.2);
    EXPECT_EQ(length, 3);
}

TEST_F(DialogExchange, SeasonDaysClampedBeforeTheyAreStored) {
    CTidewarmDoc doc;
    CPoolUseDlg use;
    EXPECT_TRUE(Fill(doc, use));
    EXPECT_EQ(use.startMonth, 5);
    EXPECT_EQ(use.startDay, 15);
    ASSERT_TRUE(SaveDialog(use, test::Texts({{CPoolUseDlg::kEndDay, "31"}})));  // September
    EXPECT_TRUE(CopyBack(use, doc));
    EXPECT_EQ(doc.SeasonEnd, 273);
    EXPECT_EQ(doc.SeasonStart, 135);
}

TEST_F(DialogExchange, HourlyFlagsOfOneRangeOnly) {
    CTidewarmDoc doc;
    CHlyPrintPoolDlg pool;
    EXPECT_TRUE(Fill(doc, pool));
    pool.flags.assign(pool.flags.size(), 1);
    EXPECT_TRUE(CopyBack(pool, doc));
    int flags[kHourlyColumnCount];
    doc.hourlyWriter.GetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    for (int i = 0; i < kHourlyColumnCount; ++i) EXPECT_EQ(flags[i], i < 3 || i >= 42 ? 1 : 0) << i;
}

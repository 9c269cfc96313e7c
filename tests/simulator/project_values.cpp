#include "project_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "component_fixture.h"
#include "result_columns.h"

namespace test {

void FillProject(CTidewarmDoc& doc) {
    doc.UseSolar = 0;
    doc.UseExchanger = 1;
    doc.UseAuxHeater = 0;
    doc.UseAlternateInput = 1;
    doc.HourlyOutput = 1;
    doc.DoEconomics = 1;
    doc.StartDay = 121;
    doc.EndDay = 273;
    doc.NumDays = 153;
    doc.UseWeekends = 1;
    doc.WeekLength = 5;
    doc.WeekendLength = 1;
    doc.Tolerance = 0.00025;
    doc.MaxIterations = 40;
    doc.PrintParameters = 1;
    doc.SwimmableCriterion = 1;
    doc.ReferenceRun = 1;
    doc.WeatherSource = kWeatherBinary;
    doc.SetWeatherName("Trois-Rivières, Québec");
    doc.alternateReader.SetFile("alternate input.txt");
    doc.tmyReader.SetFileName("/data/Climate/montreal.tmy");
    doc.textWeatherReader.SetFile("weather table.csv");
    doc.binaryWeatherReader.SetFileName("Climate/quebec.zfw");
    doc.sun.SetParameters(46.35 * kRadiansPerDegree, 1, 72.55 * kRadiansPerDegree,
                          75 * kRadiansPerDegree);
    doc.tracker.SetParameters(kTrackFixed, 30 * kRadiansPerDegree, -22.5 * kRadiansPerDegree);
    doc.tilter.SetModel(kSkyHayDavies);
    doc.collectorPump.SetParameters(0.125, 45.5, 0.4);
    doc.inletPipeInside.SetParameters(0.11, 6.5);
    doc.inletPipeOutside.SetParameters(0.12, 11.5);
    doc.outletPipeInside.SetParameters(0.13, 7.5);
    doc.outletPipeOutside.SetParameters(0.14, 12.5);
    doc.Collector = CollectorKind::Unglazed;
    const double angles[] = {0, 30, 60, 80}, modifiers[] = {1, 0.98, 0.9, 0.55};
    const double* table[] = {angles, modifiers};
    const double angles2[] = {0, 70}, modifiers2[] = {1, 0.75};
    const double* table2[] = {angles2, modifiers2};
    doc.glazedCollector.SetParameters(3, 2, 2, 2.5, 0.72, 0.005, 4.5, 0.01, 1.5, 0.03, 2, 4, table,
                                      2, table2);
    doc.unglazedCollector.SetParameters(1, 6, 3, 3.25, 0.85, 0.04, 12.5, 2.25, 0.5, 0.75, 1.2,
                                        0.045, 1, 4, table, 0, nullptr);
    doc.RoofType = 2;
    doc.exchangerPump.SetParameters(0.3, 60, 0.25);
    doc.heatExchanger.SetEffectiveness(0.65);
    doc.HeaterType = HeaterKind::HeatPump;
    doc.gasHeater.SetParameters(27.5, 32000, 0.82);
    doc.heatPump.SetParameters(29, 15500, 4.5);
    const double months[12] = {0, 0, 0, 0.5, 1, 1, 1, 1, 0.5, 0, 0, 0};
    doc.heaterProfile.SetValues(months);
    doc.HeaterOffOutOfSeason = 1;
    doc.pool.SetDesignParameters(210, 120, 0.15, 0.85, 0.45, 4.5, 1.5, 6e-7, 1, 0.25);
    doc.pool.SetOtherWaterLoss(0.0125);
    doc.pool.SetBlanketParameters(0.15, 0.65, 0.9, 0.05, 0.02, 0.85);
    doc.SeasonStart = 300;
    doc.SeasonEnd = 60;
    double weekday[24], weekend[24];
    for (int h = 0; h < 24; ++h) {
        weekday[h] = h % 3;
        weekend[h] = (h + 1) % 3;
    }
    doc.activityProfile.SetValues(weekday, weekend);
    doc.CloudyDayMinAirTemp = 27.5;
    doc.SunnyDayMinAirTemp = 21.5;
    doc.MinPoolTemp = 24.5;
    const double blanketMonths[12] = {1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 1};
    doc.blanketSeasonalProfile.SetValues(blanketMonths);
    doc.blanketDailyProfile.SetValues(weekend, weekday);
    doc.BlanketAlways = 0;
    doc.controller.SetParameters(6.5, 1.5, 32, DeltaTController::kLimitHotSide);
    doc.economicData.SetData(15, 350.5, 1500, 120, 250, 500, 0.075, 0.065, 0.035, 0.045, 12.5,
                             0.085);
    doc.collectorPromoter.SetTolerance(0.005);
    doc.poolPromoter.SetTolerance(0.0025);
    doc.CollectorFluidCp = 3850;
    doc.ShadedFraction = 0.35;
    doc.MainsTemp = 12.5;
    doc.PipeSurroundTemp = 15.5;
    doc.IndoorPool = 1;
    doc.InitialPoolTemp = 16.5;
    doc.DeepSoilTemp = 8.5;
    doc.IndoorAirTemp = 27.5;
    doc.IndoorRelHum = 0.65;
    doc.IndoorAirSpeed = 0.15;
    int flags[kHourlyColumnCount];
    for (int i = 0; i < kHourlyColumnCount; ++i) flags[i] = i < kHourlyAlwaysWritten || i % 4 == 1;
    doc.hourlyWriter.SetColumnFlags(flags, 0, kHourlyColumnCount - 1);
}

namespace {

std::string FileName(const FileIO& reader) {
    const char* name = reader.GetFileName();
    return name ? name : "(none)";
}

std::string Flags(const CTidewarmDoc& doc) {
    int flags[kHourlyColumnCount];
    const_cast<ASCIIFileWriter&>(doc.hourlyWriter).GetColumnFlags(flags, 0, kHourlyColumnCount - 1);
    std::string text;
    for (int flag : flags) text += flag ? '1' : '0';
    return text;
}

// The project file keeps 15 significant digits: numbers agree to that precision.
void ExpectSameNumbers(const std::string& expected, const std::string& actual, int type) {
    std::istringstream e(expected), a(actual);
    double x, y;
    int count = 0;
    while (e >> x) {
        ASSERT_TRUE(a >> y) << "type " << type;
        EXPECT_NEAR(x, y, 1e-14 * std::fabs(x)) << "type " << type << " value " << count;
        ++count;
    }
    EXPECT_FALSE(a >> y) << "type " << type;
}

}  // namespace

void ExpectSameProject(const CTidewarmDoc& e, const CTidewarmDoc& a) {
#define SAME(member) EXPECT_EQ(e.member, a.member) << #member
    SAME(UseSolar);
    SAME(UseExchanger);
    SAME(UseAuxHeater);
    SAME(UseAlternateInput);
    SAME(HourlyOutput);
    SAME(DoEconomics);
    SAME(StartDay);
    SAME(EndDay);
    SAME(NumDays);
    SAME(UseWeekends);
    SAME(WeekLength);
    SAME(WeekendLength);
    SAME(Tolerance);
    SAME(MaxIterations);
    SAME(PrintParameters);
    SAME(SwimmableCriterion);
    SAME(ReferenceRun);
    SAME(WeatherSource);
    SAME(GetWeatherName());
    SAME(Collector);
    SAME(RoofType);
    SAME(HeaterType);
    SAME(HeaterOffOutOfSeason);
    SAME(SeasonStart);
    SAME(SeasonEnd);
    SAME(CloudyDayMinAirTemp);
    SAME(SunnyDayMinAirTemp);
    SAME(MinPoolTemp);
    SAME(BlanketAlways);
    SAME(CollectorFluidCp);
    SAME(ShadedFraction);
    SAME(MainsTemp);
    SAME(PipeSurroundTemp);
    SAME(IndoorPool);
    SAME(InitialPoolTemp);
    SAME(DeepSoilTemp);
    SAME(IndoorAirTemp);
    SAME(IndoorRelHum);
    SAME(IndoorAirSpeed);
    SAME(economicData.systemLife);
    SAME(economicData.costPerCollector);
    SAME(economicData.installationCost);
    SAME(economicData.maintenanceCost);
    SAME(economicData.resaleValue);
    SAME(economicData.downPayment);
    SAME(economicData.interestRate);
    SAME(economicData.discountRate);
    SAME(economicData.inflationRate);
    SAME(economicData.fuelInflationRate);
    SAME(economicData.primaryEnergyCost);
    SAME(economicData.electricityCost);
#undef SAME
    EXPECT_EQ(FileName(e.alternateReader), FileName(a.alternateReader));
    EXPECT_EQ(FileName(e.tmyReader), FileName(a.tmyReader));
    EXPECT_EQ(FileName(e.textWeatherReader), FileName(a.textWeatherReader));
    EXPECT_EQ(FileName(e.binaryWeatherReader), FileName(a.binaryWeatherReader));

    double el, elon, emer, al, alon, amer;
    int eclock, aclock;
    e.sun.GetParameters(el, eclock, elon, emer);
    a.sun.GetParameters(al, aclock, alon, amer);
    EXPECT_NEAR(el, al, 1e-12);
    EXPECT_EQ(eclock, aclock);
    EXPECT_NEAR(elon, alon, 1e-12);
    EXPECT_NEAR(emer, amer, 1e-12);
    int emode, amode;
    double eslope, eazimuth, aslope, aazimuth;
    e.tracker.GetParameters(emode, eslope, eazimuth);
    a.tracker.GetParameters(amode, aslope, aazimuth);
    EXPECT_EQ(emode, amode);
    EXPECT_NEAR(eslope, aslope, 1e-12);
    EXPECT_NEAR(eazimuth, aazimuth, 1e-12);

    const std::pair<const SolarBase*, const SolarBase*> records[] = {
        {&e.tilter, &a.tilter},
        {&e.collectorPump, &a.collectorPump},
        {&e.inletPipeInside, &a.inletPipeInside},
        {&e.inletPipeOutside, &a.inletPipeOutside},
        {&e.outletPipeInside, &a.outletPipeInside},
        {&e.outletPipeOutside, &a.outletPipeOutside},
        {&e.glazedCollector, &a.glazedCollector},
        {&e.unglazedCollector, &a.unglazedCollector},
        {&e.exchangerPump, &a.exchangerPump},
        {&e.heatExchanger, &a.heatExchanger},
        {&e.gasHeater, &a.gasHeater},
        {&e.heatPump, &a.heatPump},
        {&e.heaterProfile, &a.heaterProfile},
        {&e.pool, &a.pool},
        {&e.activityProfile, &a.activityProfile},
        {&e.blanketSeasonalProfile, &a.blanketSeasonalProfile},
        {&e.blanketDailyProfile, &a.blanketDailyProfile},
        {&e.controller, &a.controller},
        {&e.collectorPromoter, &a.collectorPromoter},
        {&e.poolPromoter, &a.poolPromoter},
    };
    for (const auto& [expected, actual] : records)
        ExpectSameNumbers(ParameterLine(*expected), ParameterLine(*actual), expected->GetTypeId());
    EXPECT_EQ(Flags(e), Flags(a));
}

}  // namespace test

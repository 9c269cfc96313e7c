#include "model_classes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "component_fixture.h"
#include "psychrometrics.h"
#include "weather_files.h"

namespace {

using test::ComponentTest;

// Water at 10 degC entering the heater, set point 40 degC.
struct HeaterRig {
    double inlet = 10, flow = 0.1, cp = 4200;
    int on = 1;
    GasHeater heater;
    explicit HeaterRig(double inputCapacity, double efficiency) {
        heater.SetInputs(&inlet, &flow, &cp, &on);
        heater.SetParameters(40, inputCapacity, efficiency);
    }
};

class GasHeaterTest : public ComponentTest {};

TEST_F(GasHeaterTest, DeliversAtMostInputTimesEfficiency) {
    HeaterRig rig(30000, 0.8);
    EXPECT_DOUBLE_EQ(rig.heater.GetCapacity(), 24000);
    rig.flow = 1.0;  // 1 kg/s x 30 K x 4200 J/kg K = 126000 W would reach the set point
    ASSERT_EQ(rig.heater.Compute(), kOk);
    EXPECT_DOUBLE_EQ(rig.heater.heat, 24000);
    EXPECT_DOUBLE_EQ(rig.heater.fuelUse, 30000);
    EXPECT_DOUBLE_EQ(rig.heater.partLoadRatio, 1);
}

TEST_F(GasHeaterTest, FuelIsHeatOverEfficiency) {
    HeaterRig rig(30000, 0.8);
    // 12000 W reach the set point: flow x 30 K x 4200 = 12000.
    rig.flow = 12000.0 / (30 * 4200);
    ASSERT_EQ(rig.heater.Compute(), kOk);
    EXPECT_NEAR(rig.heater.heat, 12000, 1e-9);
    EXPECT_NEAR(rig.heater.fuelUse, 15000, 1e-9);
    EXPECT_DOUBLE_EQ(rig.heater.outletTemperature, 40);
}

TEST_F(GasHeaterTest, EfficiencyNotAboveZeroIsRefused) {
    for (double efficiency : {0.0, -0.5}) {
        HeaterRig rig(30000, efficiency);
        EXPECT_EQ(rig.heater.GetStatus(), kNotReady);
        EXPECT_EQ(rig.heater.Check(), kFatal);
        EXPECT_NE(std::strstr(ErrorMessageBuffer(), "efficiency"), nullptr) << ErrorMessageBuffer();
        EXPECT_EQ(rig.heater.GetTypeId(), kTypeAuxiliaryHeater);
        // A refused heater is never stepped, so nothing is divided by its efficiency.
        EXPECT_EQ(rig.heater.Compute(), kNotReady);
        EXPECT_EQ(rig.heater.fuelUse, 0);
    }
}

TEST_F(GasHeaterTest, ParameterLineRoundTrip) {
    HeaterRig rig(31234.5, 0.85);
    std::istringstream in(test::ParameterLine(rig.heater));
    HeaterRig copy(1, 1);
    EXPECT_EQ(copy.heater.ReadParameters(in, 30000), 0);
    double setPoint, inputCapacity, efficiency;
    copy.heater.GetParameters(setPoint, inputCapacity, efficiency);
    EXPECT_EQ(setPoint, 40);
    EXPECT_EQ(inputCapacity, 31234.5);
    EXPECT_EQ(efficiency, 0.85);
    EXPECT_DOUBLE_EQ(copy.heater.GetCapacity(), 31234.5 * 0.85);
}

TEST(MorningGainFactor, EighthPerHourBeforeHalfPastTwelveNeverNegative) {
    EXPECT_DOUBLE_EQ(MyUnglazedCollector::MorningGainFactor(8.5), 0.5);
    EXPECT_DOUBLE_EQ(MyUnglazedCollector::MorningGainFactor(10.5), 0.75);
    EXPECT_DOUBLE_EQ(MyUnglazedCollector::MorningGainFactor(4.5), 0.0);
    EXPECT_DOUBLE_EQ(MyUnglazedCollector::MorningGainFactor(2.5), 0.0);
    EXPECT_DOUBLE_EQ(MyUnglazedCollector::MorningGainFactor(0.5), 0.0);
    EXPECT_DOUBLE_EQ(MyUnglazedCollector::MorningGainFactor(12.5), 1.0);
    EXPECT_DOUBLE_EQ(MyUnglazedCollector::MorningGainFactor(23.5), 1.0);
}

// One unglazed collector, no wind, sky at the air temperature: S = H, a = A, u = C.
struct UnglazedRig {
    double irradiance = 800, incidence = 0, inlet = 20, ambient = 20, sky = 20, wind = 0;
    double flow = 0.05, cp = 4200, slope = 0, additionalLoss = 0, hour = 13.5;
    MyUnglazedCollector collector;
    UnglazedRig() {
        collector.SetParameters(1, 1, 1, 2, 0.8, 0.1, 10, 0, 0, 1, 0, 0.05, 0, 0, nullptr, 0,
                                nullptr);
        collector.SetInputs(&irradiance, &incidence, nullptr, &inlet, &ambient, &sky, &wind, &flow,
                            &cp, &slope, &additionalLoss, &hour);
    }
};

class UnglazedTest : public ComponentTest {};

TEST_F(UnglazedTest, MorningGainReducedAfterTheString) {
    UnglazedRig rig;
    ASSERT_EQ(rig.collector.GetStatus(), kReady);
    ASSERT_EQ(rig.collector.Compute(), kOk);
    const double afternoon = rig.collector.usefulGain;
    ASSERT_GT(afternoon, 0);
    rig.hour = 8.5;
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_NEAR(rig.collector.usefulGain, afternoon / 2, 1e-9 * afternoon);
    // The outlet carries the reduced gain.
    EXPECT_NEAR(rig.collector.outletTemperature, 20 + afternoon / 2 / 0.05 / 4200, 1e-9);
    rig.hour = 3.5;
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_EQ(rig.collector.usefulGain, 0);
    EXPECT_DOUBLE_EQ(rig.collector.outletTemperature, 20);
}

TEST_F(UnglazedTest, StagnationTemperatureIsTheMeanFluidOutputAtAnyFlow) {
    UnglazedRig rig;
    const double stagnation = 20 + (0.8 * 800 - 0) / 10;  // Tamb + (A S - E) / C
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_DOUBLE_EQ(rig.collector.meanFluidTemperature, stagnation);
    rig.flow = 0;
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_DOUBLE_EQ(rig.collector.outletTemperature, stagnation);
    EXPECT_EQ(rig.collector.usefulGain, 0);
}

TEST_F(UnglazedTest, StrongWindAbsorbsNothingInsteadOfFailing) {
    UnglazedRig rig;
    rig.wind = 10;  // A - B V = 0.8 - 1 < 0
    ASSERT_EQ(rig.collector.Compute(), kOk);
    // Nothing absorbed: the water at the air temperature neither gains nor loses.
    EXPECT_NEAR(rig.collector.usefulGain, 0, 1e-9);
    rig.inlet = 30;
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_LT(rig.collector.usefulGain, 0);
}

TEST_F(UnglazedTest, AnyModifierTableIsUsedBelowGrazingIncidence) {
    UnglazedRig rig;
    const double angles[] = {0, 90}, modifiers[] = {1, 0};
    const double* table[] = {angles, modifiers};
    // Mode 0, which the library collector ignores the table with.
    rig.collector.SetParameters(1, 1, 1, 2, 0.8, 0.1, 10, 0, 0, 1, 0, 0.05, 0, 2, table, 0,
                                nullptr);
    rig.incidence = 45 * kRadiansPerDegree;
    rig.flow = 0;
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_NEAR(rig.collector.outletTemperature, 20 + 0.8 * 800 * 0.5 / 10, 1e-9);
    // Past grazing incidence (the sun behind the plane, at night) the table, extrapolated below
    // 0, is not looked up; inside 0..90 degrees a negative value from it is still refused.
    rig.incidence = 120 * kRadiansPerDegree;
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_NEAR(rig.collector.outletTemperature, 20 + 0.8 * 800 / 10, 1e-9);
    const double falling[] = {0.5, -0.5};
    const double* negative[] = {angles, falling};
    rig.collector.SetParameters(1, 1, 1, 2, 0.8, 0.1, 10, 0, 0, 1, 0, 0.05, 1, 2, negative, 0,
                                nullptr);
    rig.incidence = 80 * kRadiansPerDegree;
    EXPECT_EQ(rig.collector.Compute(), kDomain);

    MyUnglazedCollector unwired;
    EXPECT_EQ(unwired.Check(), kFatal);
    EXPECT_EQ(unwired.GetTypeId(), kTypeUnglazedCollector);
}

TEST_F(UnglazedTest, UseAndTestGroupsAreSetApart) {
    UnglazedRig rig;
    ASSERT_EQ(rig.collector.SetUseParameters(3, 2, 4, 0.5, 1.2), kOk);
    CollectorTestParameters test = rig.collector.GetTestParameters();
    test.a = 0.7;
    test.testFlowRate = 0.04;
    ASSERT_EQ(rig.collector.SetTestParameters(test), kOk);
    int series, banks;
    double groups, windFactor, minimumWind;
    rig.collector.GetUseParameters(series, groups, banks, windFactor, minimumWind);
    EXPECT_EQ(series, 3);
    EXPECT_EQ(groups, 2);
    EXPECT_EQ(banks, 4);
    EXPECT_EQ(windFactor, 0.5);
    EXPECT_EQ(minimumWind, 1.2);
    EXPECT_EQ(rig.collector.GetTestParameters().a, 0.7);
    EXPECT_EQ(rig.collector.GetTestParameters().collectorArea, 2);
}

TEST(GlazedGroups, UseAndTestGroupsAreSetApart) {
    MyGlazedCollector collector;
    collector.SetParameters(2, 1, 1, 5, 0.75, 0, 5, 0, 0, 0.02, 0, 0, nullptr, 0, nullptr);
    collector.SetUseParameters(4, 3, 2);
    CollectorTestParameters test = collector.GetTestParameters();
    EXPECT_EQ(test.collectorArea, 5);
    test.c = 4.5;
    collector.SetTestParameters(test);
    int series, banks;
    double groups;
    collector.GetUseParameters(series, groups, banks);
    EXPECT_EQ(series, 4);
    EXPECT_EQ(groups, 3);
    EXPECT_EQ(banks, 2);
    EXPECT_EQ(collector.GetTestParameters().c, 4.5);
}

TEST(PoolGroups, EvaporationModelSetsOrKeepsTheCoefficients) {
    MySwimmingPool pool;
    double coefficients[4];
    pool.SetDesignParameters(150, 100, 0, 0.9, 0.5, 5, 1.25, 5e-7, 1, 0.15);
    pool.GetSurfaceCoefficients(coefficients);
    EXPECT_EQ(coefficients[0], 5.678);
    EXPECT_EQ(coefficients[1], 3.813);
    EXPECT_EQ(coefficients[2], 0.0647);
    EXPECT_EQ(coefficients[3], 0.0642);
    pool.SetDesignParameters(150, 100, 0, 0.9, 0.5, 5, 1.25, 5e-7, 0, 0.15);
    pool.GetSurfaceCoefficients(coefficients);
    for (double c : coefficients) EXPECT_EQ(c, 0);
    pool.SetDesignParameters(150, 100, 0, 0.9, 0.5, 5, 1.25, 5e-7, 1, 0.15);
    pool.SetDesignParameters(120, 80, 0.2, 0.8, 0.6, 4, 1, 6e-7, 2, 0.3);
    pool.GetSurfaceCoefficients(coefficients);
    EXPECT_EQ(coefficients[0], 5.678);
    EXPECT_EQ(coefficients[3], 0.0642);
    double v, a, exposed, emissivity, absorptance, floor, resistivity, diffusivity, wind;
    int model;
    pool.GetDesignParameters(v, a, exposed, emissivity, absorptance, floor, resistivity,
                             diffusivity, model, wind);
    EXPECT_EQ(v, 120);
    EXPECT_EQ(a, 80);
    EXPECT_EQ(exposed, 0.2);
    EXPECT_EQ(emissivity, 0.8);
    EXPECT_EQ(absorptance, 0.6);
    EXPECT_EQ(floor, 4);
    EXPECT_EQ(resistivity, 1);
    EXPECT_EQ(diffusivity, 6e-7);
    EXPECT_EQ(model, 2);
    EXPECT_EQ(wind, 0.3);
}

TEST(PoolGroups, BlanketAndWaterLoss) {
    MySwimmingPool pool;
    pool.SetOtherWaterLoss(1 / 86.4);
    EXPECT_NEAR(pool.GetOtherWaterLoss() * 86.4, 1, 1e-12);
    const double set[6] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6};
    pool.SetBlanketParameters(set[0], set[1], set[2], set[3], set[4], set[5]);
    double values[6];
    pool.GetBlanketParameters(values[0], values[1], values[2], values[3], values[4], values[5]);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(values[i], set[i]);
    EXPECT_EQ(pool.GetStatus(), kNotReady);  // inputs not connected yet
}

class ZefirHumidityTest : public ComponentTest {};

TEST_F(ZefirHumidityTest, HumidityFromRatioClampedAtSaturation) {
    synthetic::WeatherYear year;
    year.days = 2;
    year.hourly = [](int day, int) {
        synthetic::HourlyWeather w;
        w.airTemperature = 20;
        w.relativeHumidity = day == 1 ? 1.4 : 0.5;  // day 1 above saturation
        return w;
    };
    ASSERT_TRUE(synthetic::WriteZefirFile("weather.zfw", year));
    int day = 1, hour = 12;
    MyZEFIRFileReader reader;
    reader.SetInputs(&day, &hour);
    reader.SetFileName("weather.zfw");
    ASSERT_EQ(reader.Compute(), kOk);
    ASSERT_GT(reader.humidityRatio, SatHumidityRatio(20, 101325));
    EXPECT_EQ(reader.relativeHumidity, 1.0);
    day = 2;
    ASSERT_EQ(reader.Compute(), kOk);
    EXPECT_NEAR(reader.relativeHumidity, 0.5, 0.002);  // humidity ratio stored to 1e-6
    reader.Reset();
    EXPECT_EQ(reader.relativeHumidity, 0);
}

}  // namespace

#include "heaters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "component_fixture.h"

namespace {

using HeatersTest = test::ComponentTest;

// ---- Auxiliary heater ----

struct HeaterRig {
    double inlet = 20;
    double flow = 0.5;
    double cp = 4000;  // 2000 W/K
    int on = 1;
    AuxiliaryHeater heater;
    HeaterRig() { heater.SetInputs(&inlet, &flow, &cp, &on); }
};

TEST_F(HeatersTest, HeaterWithSpareCapacityReachesTheSetPointExactly) {
    HeaterRig rig;
    ASSERT_EQ(rig.heater.SetParameters(27, 20000), kOk);
    ASSERT_EQ(rig.heater.Compute(), kOk);
    EXPECT_EQ(rig.heater.outletTemperature, 27);
    EXPECT_DOUBLE_EQ(rig.heater.heat, 2000 * 7);
    EXPECT_DOUBLE_EQ(rig.heater.partLoadRatio, 0.7);
}

TEST_F(HeatersTest, HeaterShortOfCapacityRunsFull) {
    HeaterRig rig;
    ASSERT_EQ(rig.heater.SetParameters(27, 5000), kOk);
    ASSERT_EQ(rig.heater.Compute(), kOk);
    EXPECT_EQ(rig.heater.heat, 5000);
    EXPECT_DOUBLE_EQ(rig.heater.outletTemperature, 22.5);
    EXPECT_EQ(rig.heater.partLoadRatio, 1);
}

TEST_F(HeatersTest, HeaterNeverExceedsCapacityNorSetPoint) {
    HeaterRig rig;
    for (double capacity : {0.0, 1000.0, 14000.0, 50000.0}) {
        for (double inlet : {5.0, 19.9, 26.99, 27.0, 30.0}) {
            ASSERT_EQ(rig.heater.SetParameters(27, capacity), kOk);
            rig.inlet = inlet;
            ASSERT_EQ(rig.heater.Compute(), kOk);
            const double out = rig.heater.outletTemperature;
            EXPECT_LE(rig.heater.heat, capacity + 1e-9);
            EXPECT_GE(rig.heater.heat, 0);
            EXPECT_LE(out, std::max(27.0, inlet));
            EXPECT_NEAR(rig.heater.heat, rig.flow * rig.cp * (out - inlet), 1e-6);
            EXPECT_GE(rig.heater.partLoadRatio, 0);
            EXPECT_LE(rig.heater.partLoadRatio, 1);
        }
    }
}

TEST_F(HeatersTest, HeaterIdlesAtSetPointWhenOffOrWithoutWater) {
    HeaterRig rig;
    ASSERT_EQ(rig.heater.SetParameters(27, 20000), kOk);
    rig.inlet = 27;  // at the set point, although on
    ASSERT_EQ(rig.heater.Compute(), kOk);
    EXPECT_EQ(rig.heater.heat, 0);
    EXPECT_EQ(rig.heater.partLoadRatio, 0);
    EXPECT_EQ(rig.heater.outletTemperature, 27);

    rig.inlet = 15;
    rig.on = 0;
    ASSERT_EQ(rig.heater.Compute(), kOk);
    EXPECT_EQ(rig.heater.heat, 0);
    EXPECT_EQ(rig.heater.outletTemperature, 15);

    rig.on = 1;
    ASSERT_EQ(rig.heater.Compute(), kOk);
    ASSERT_GT(rig.heater.heat, 0);
    const double outlet = rig.heater.outletTemperature;
    rig.flow = 0;  // the outlet keeps its value, the heat stops
    rig.inlet = 10;
    ASSERT_EQ(rig.heater.Compute(), kOk);
    EXPECT_EQ(rig.heater.heat, 0);
    EXPECT_EQ(rig.heater.partLoadRatio, 0);
    EXPECT_EQ(rig.heater.outletTemperature, outlet);
}

TEST_F(HeatersTest, HeaterWithoutCapacityHasNoPartLoad) {
    HeaterRig rig;
    ASSERT_EQ(rig.heater.SetParameters(27, 0), kOk);
    ASSERT_EQ(rig.heater.Compute(), kOk);
    EXPECT_EQ(rig.heater.heat, 0);
    EXPECT_EQ(rig.heater.partLoadRatio, 0);
    EXPECT_FALSE(std::isnan(rig.heater.partLoadRatio));
    EXPECT_EQ(rig.heater.outletTemperature, 20);
}

TEST_F(HeatersTest, HeaterChecksAndDomainErrors) {
    AuxiliaryHeater unwired;
    EXPECT_EQ(unwired.SetParameters(27, 1000), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "An input of the heater is not connected");
    EXPECT_EQ(unwired.Compute(), kFatal);

    HeaterRig rig;
    ASSERT_EQ(rig.heater.SetParameters(27, 1000), kOk);
    rig.flow = -1;
    EXPECT_EQ(rig.heater.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "Negative water flow: -1 kg/s");
    rig.flow = 1;
    rig.cp = 0;
    EXPECT_EQ(rig.heater.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "Specific heat not positive: 0 J/kg K");
}

TEST_F(HeatersTest, HeaterParameterLineRoundTrip) {
    HeaterRig rig;
    ASSERT_EQ(rig.heater.SetParameters(26.5, 1.0 / 7), kOk);
    HeaterRig back;
    std::istringstream in(test::ParameterLine(rig.heater) + "x\n");
    EXPECT_EQ(back.heater.ReadParameters(in, 30000), 0);
    double setPoint, capacity;
    back.heater.GetParameters(setPoint, capacity);
    EXPECT_EQ(setPoint, 26.5);
    EXPECT_EQ(capacity, 1.0 / 7);
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "x");
}

// ---- Heat-pump curves ----

TEST(HeatPumpCurves, EqualOneAtTheRatingPoint) {
    for (double air : {-5.0, 10.0, 26.667, 35.0}) {
        for (double water : {15.0, 26.667, 40.0}) {
            EXPECT_NEAR(HeatPumpCapacityCurve(air, air, water, water), 1.0, 1e-15);
            EXPECT_NEAR(HeatPumpCOPCurve(air, air, water, water), 1.0, 1e-15);
        }
    }
}

TEST(HeatPumpCurves, ValuesAwayFromTheRatingPoint) {
    // ra = 283.15 / 299.817, rw = 300.15 / 299.817:
    // capacity = exp(-28.86 (ra - 1)^2) (ra^2 / rw)^2.564, COP = exp(-3.19 (2 rw - ra - 1)
    // - 16.2 (ra - 1)^2).
    EXPECT_NEAR(HeatPumpCapacityCurve(10, 26.667, 27, 26.667), 0.6802253684844805, 1e-12);
    EXPECT_NEAR(HeatPumpCOPCurve(10, 26.667, 27, 26.667), 0.7909795845429858, 1e-12);
    // Warm air and cool water help both.
    EXPECT_NEAR(HeatPumpCapacityCurve(35, 26.667, 20, 26.667), 1.1923736031117613, 1e-12);
    EXPECT_NEAR(HeatPumpCOPCurve(35, 26.667, 20, 26.667), 1.243610441971707, 1e-12);
}

// ---- Air-to-water heat pump ----

constexpr double kRating = 26.667;

struct HeatPumpRig {
    double air = kRating;
    double water = kRating;
    double flow = 0.5;
    double cp = 4180;  // 2090 W/K
    int on = 1;
    AirToWaterHeatPump pump;
    HeatPumpRig(double maximumOutlet = 40) {
        pump.SetParameters(maximumOutlet, 10000, 6);
        pump.SetCurves(kRating, kRating, 0, 40, 0, 40.556, HeatPumpCapacityCurve, HeatPumpCOPCurve);
        pump.SetInputs(&air, &water, &flow, &cp, &on);
    }
};

TEST_F(HeatersTest, HeatPumpAtRatingRunsAtRatedValues) {
    HeatPumpRig rig;
    ASSERT_EQ(rig.pump.GetStatus(), kReady);
    ASSERT_EQ(rig.pump.Compute(), kOk);
    EXPECT_NEAR(rig.pump.capacity, 10000, 1e-9);
    EXPECT_NEAR(rig.pump.cop, 6, 1e-12);
    // The need (40 - 26.667) x 2090 W/K exceeds the capacity: the pump runs full.
    EXPECT_NEAR(rig.pump.heat, 10000, 1e-9);
    EXPECT_NEAR(rig.pump.outletTemperature, kRating + 10000 / 2090.0, 1e-9);
    EXPECT_NEAR(rig.pump.partLoadRatio, 1, 1e-12);
    EXPECT_EQ(rig.pump.outOfRange, 0);
}

TEST_F(HeatersTest, HeatPumpStopsAtItsMaximumOutlet) {
    HeatPumpRig rig(28);
    ASSERT_EQ(rig.pump.Compute(), kOk);
    const double needed = (28 - kRating) * 2090;
    EXPECT_EQ(rig.pump.outletTemperature, 28);
    EXPECT_NEAR(rig.pump.heat, needed, 1e-9);
    EXPECT_NEAR(rig.pump.partLoadRatio, needed / 10000, 1e-12);
    EXPECT_NEAR(rig.pump.heat, rig.flow * rig.cp * (rig.pump.outletTemperature - rig.water), 1e-9);

    // Inlet at the maximum outlet temperature: the pump is off, with no capacity and no COP.
    rig.water = 28;
    ASSERT_EQ(rig.pump.Compute(), kOk);
    EXPECT_EQ(rig.pump.capacity, 0);
    EXPECT_EQ(rig.pump.cop, 0);
    EXPECT_EQ(rig.pump.heat, 0);
    EXPECT_EQ(rig.pump.outletTemperature, 28);
}

TEST_F(HeatersTest, HeatPumpOutOfRangeFlagsOneStepOnly) {
    HeatPumpRig rig;
    rig.air = -3;
    ASSERT_EQ(rig.pump.Compute(), kOk);
    EXPECT_EQ(rig.pump.outOfRange, 1);
    EXPECT_EQ(rig.pump.heat, 0);
    EXPECT_EQ(rig.pump.capacity, 0);
    EXPECT_EQ(rig.pump.outletTemperature, rig.water);

    rig.air = 20;
    ASSERT_EQ(rig.pump.Compute(), kOk);
    EXPECT_EQ(rig.pump.outOfRange, 0);
    EXPECT_GT(rig.pump.heat, 0);

    // Water above its range but below the maximum outlet of 41 degC.
    HeatPumpRig warm(41);
    warm.water = 40.6;
    ASSERT_EQ(warm.pump.Compute(), kOk);
    EXPECT_EQ(warm.pump.outOfRange, 1);
    EXPECT_EQ(warm.pump.outletTemperature, 40.6);
}

TEST_F(HeatersTest, HeatPumpIdlesWhenOffOrWithoutWater) {
    HeatPumpRig rig;
    rig.on = 0;
    ASSERT_EQ(rig.pump.Compute(), kOk);
    EXPECT_EQ(rig.pump.heat, 0);
    EXPECT_EQ(rig.pump.outletTemperature, rig.water);

    rig.on = 1;
    ASSERT_EQ(rig.pump.Compute(), kOk);
    const double outlet = rig.pump.outletTemperature;
    rig.flow = 0;
    rig.water = 10;
    ASSERT_EQ(rig.pump.Compute(), kOk);
    EXPECT_EQ(rig.pump.heat, 0);
    EXPECT_EQ(rig.pump.capacity, 0);
    EXPECT_EQ(rig.pump.outletTemperature, outlet);
}

double NegativeCurve(double, double, double, double) {
    return -0.5;
}

TEST_F(HeatersTest, HeatPumpChecks) {
    HeatPumpRig rig;
    auto setCurves = [&](double airMin, double airMax, double waterMin, double waterMax,
                         HeatPumpCurve capacity, HeatPumpCurve cop) {
        return rig.pump.SetCurves(kRating, kRating, airMin, airMax, waterMin, waterMax, capacity,
                                  cop);
    };
    EXPECT_EQ(setCurves(10, 10, 0, 40, HeatPumpCapacityCurve, HeatPumpCOPCurve), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Empty air temperature range: 10 to 10 °C");
    EXPECT_EQ(setCurves(0, 40, 30, 20, HeatPumpCapacityCurve, HeatPumpCOPCurve), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Empty water temperature range: 30 to 20 °C");
    EXPECT_EQ(setCurves(0, 40, 0, 40, nullptr, HeatPumpCOPCurve), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "No capacity curve");
    EXPECT_EQ(setCurves(0, 40, 0, 40, HeatPumpCapacityCurve, nullptr), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "No coefficient-of-performance curve");
    ASSERT_EQ(setCurves(0, 40, 0, 40, HeatPumpCapacityCurve, HeatPumpCOPCurve), kOk);

    EXPECT_EQ(rig.pump.SetParameters(40, 0, 6), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Rated capacity not positive: 0 W");
    EXPECT_EQ(rig.pump.SetParameters(40, 1000, 0), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Rated coefficient of performance not positive: 0");
    EXPECT_EQ(rig.pump.Compute(), kFatal);

    AirToWaterHeatPump unwired;
    EXPECT_EQ(unwired.Check(), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "An input of the heat pump is not connected");
}

TEST_F(HeatersTest, HeatPumpDomainErrors) {
    HeatPumpRig rig;
    rig.flow = -1;
    EXPECT_EQ(rig.pump.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "Negative water flow: -1 kg/s");
    rig.flow = 0.5;
    rig.cp = -4180;
    EXPECT_EQ(rig.pump.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "Specific heat not positive: -4180 J/kg K");
    rig.cp = 4180;

    rig.water = 20;
    rig.air = 25;
    ASSERT_EQ(rig.pump.SetCurves(kRating, kRating, 0, 40, 0, 40, NegativeCurve, HeatPumpCOPCurve),
              kOk);
    EXPECT_EQ(rig.pump.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "Negative capacity -5000 W at air 25 °C and water 20 °C");
    ASSERT_EQ(
        rig.pump.SetCurves(kRating, kRating, 0, 40, 0, 40, HeatPumpCapacityCurve, NegativeCurve),
        kOk);
    EXPECT_EQ(rig.pump.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Negative coefficient of performance -3 at air 25 °C and water 20 °C");
}

TEST_F(HeatersTest, HeatPumpParameterLineRoundTrip) {
    HeatPumpRig rig;
    ASSERT_EQ(rig.pump.SetParameters(29.5, 12345.678, 5.25), kOk);
    const std::string line = test::ParameterLine(rig.pump);
    EXPECT_EQ(line, "29.5 12345.678 5.25\n");  // the curves are not part of the line

    HeatPumpRig back;
    std::istringstream in(line);
    EXPECT_EQ(back.pump.ReadParameters(in, 30000), 0);
    double maximumOutlet, capacity, cop;
    back.pump.GetParameters(maximumOutlet, capacity, cop);
    EXPECT_EQ(maximumOutlet, 29.5);
    EXPECT_EQ(capacity, 12345.678);
    EXPECT_EQ(cop, 5.25);
    EXPECT_EQ(back.pump.GetStatus(), kReady);
}

}  // namespace

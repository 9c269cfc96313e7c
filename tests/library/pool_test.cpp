#include "pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <sstream>

#include "component_fixture.h"

namespace {

using SwimmingPoolMessages = test::ComponentTest;

constexpr double kPi = std::numbers::pi;
constexpr double kSigma = 5.67e-8;

double Kelvin(double celsius) {
    return celsius + 273.15;
}

// The pool with its parameters reachable from the tests.
class TestPool : public SwimmingPool {
  public:
    using SwimmingPool::blanketAbsorptivity_;
    using SwimmingPool::blanketEmissivity_;
    using SwimmingPool::blanketInsulation_;
    using SwimmingPool::blanketLwTransmissivity_;
    using SwimmingPool::blanketTransmissivity_;
    using SwimmingPool::convectionConstant_;
    using SwimmingPool::convectionWind_;
    using SwimmingPool::coveredFraction_;
    using SwimmingPool::evaporationConstant_;
    using SwimmingPool::evaporationModel_;
    using SwimmingPool::evaporationWind_;
    using SwimmingPool::exposedWallFraction_;
    using SwimmingPool::floorResistance_;
    using SwimmingPool::otherWaterLoss_;
    using SwimmingPool::soilDiffusivity_;
    using SwimmingPool::soilResistivity_;
    using SwimmingPool::surfaceArea_;
    using SwimmingPool::volume_;
    using SwimmingPool::wallAbsorptance_;
    using SwimmingPool::wallEmissivity_;
    using SwimmingPool::windCorrectionFactor_;
};

// A pool wired to variables of its own; every temperature 20 degC, saturated air, no sun, no
// flows, no wind.
struct PoolRig {
    PoolRig() { Connect(); }
    int Connect() {
        return pool.SetInputs(&time, &tp, &cp, &beam, &diffuse, &tsky, &zenith, &shaded,
                              &groundReflectance, &ta, &rh, &wind, &ts, &tdg, &tm, &makeUpFlow, &tr,
                              &loopFlow, &cover, &activity);
    }
    // Computes once at a new time value.
    int Step() {
        time += 3600;
        return pool.Compute();
    }

    double time = 0, tp = 20, cp = 4186, beam = 0, diffuse = 0, tsky = 20, zenith = 0.5;
    double shaded = 0, groundReflectance = 0.2, ta = 20, rh = 1, wind = 0, ts = 20, tdg = 20;
    double tm = 20, makeUpFlow = 0, tr = 20, loopFlow = 0;
    int cover = 0, activity = 0;
    TestPool pool;
};

// Sets a busy hour: sun, wind, dry air, a cold sky, make-up water and a warm loop.
void SetBusyHour(PoolRig& rig) {
    rig.tp = 27;
    rig.ta = 18;
    rig.tsky = 5;
    rig.rh = 0.55;
    rig.wind = 4;
    rig.beam = 450;
    rig.diffuse = 120;
    rig.zenith = 0.7;
    rig.shaded = 0.1;
    rig.ts = 15;
    rig.tdg = 10;
    rig.tm = 12;
    rig.makeUpFlow = 0.02;
    rig.tr = 33;
    rig.loopFlow = 1.5;
    rig.activity = 2;
}

// Expects the message buffer to hold the pool's message `code` formatted with `value`.
void ExpectMessage(int code, double value) {
    const std::string shown = ErrorMessageBuffer();
    FormatErrorMessage(MessageNumber(kTypeSwimmingPool, code), {value});
    EXPECT_EQ(shown, ErrorMessageBuffer()) << std::hex << code;
}

void ExpectBalanceCloses(const SwimmingPool& p, double volume, double cp) {
    EXPECT_DOUBLE_EQ(p.totalGains, p.solarGain + p.loopGain);
    EXPECT_DOUBLE_EQ(p.totalLosses, p.evaporationLoss + p.convectionLoss + p.conductionLoss +
                                        p.radiationLoss + p.sideWallLoss + p.makeUpLoss);
    EXPECT_DOUBLE_EQ(p.evaporationLoss, p.evaporationRate * 2.454e6);
    EXPECT_NEAR(p.poolTemperatureDerivative * volume * 1000 * cp, p.totalGains - p.totalLosses,
                1e-12 * (p.totalGains + std::fabs(p.totalLosses)));
}

TEST(SwimmingPool, BalanceClosesForEveryModelAndCover) {
    for (int model : {1, 2}) {
        for (int cover : {0, 1}) {
            PoolRig rig;
            SetBusyHour(rig);
            rig.cover = cover;
            rig.pool.exposedWallFraction_ = 0.3;
            rig.pool.SetEvaporationModel(model);
            ASSERT_EQ(rig.pool.Check(), kOk);
            ASSERT_EQ(rig.Step(), kOk);
            SCOPED_TRACE(testing::Message() << "model " << model << " cover " << cover);
            ExpectBalanceCloses(rig.pool, 150, rig.cp);
            EXPECT_DOUBLE_EQ(rig.pool.waterLoss, rig.pool.evaporationRate + 1.0 / 86.4);
            // Every flow of this hour takes part.
            EXPECT_GT(rig.pool.solarGain, 0);
            EXPECT_DOUBLE_EQ(rig.pool.loopGain, 6 * 1.5 * rig.cp);
            EXPECT_DOUBLE_EQ(rig.pool.makeUpLoss, 15 * 0.02 * rig.cp);
            EXPECT_GT(rig.pool.sideWallLoss, 0);
            EXPECT_GT(rig.pool.evaporationLoss, 0);
            EXPECT_GT(rig.pool.convectionLoss, 0);
            EXPECT_GT(rig.pool.radiationLoss, 0);
            EXPECT_GT(rig.pool.conductionLoss, 0);
        }
    }
}

TEST(SwimmingPool, EquilibriumHasNoFlows) {
    for (int model : {1, 2}) {
        for (int cover : {0, 1}) {
            for (int activity : {0, 2}) {
                PoolRig rig;
                rig.cover = cover;
                rig.activity = activity;
                rig.wind = 3;
                rig.pool.exposedWallFraction_ = 0.4;
                rig.pool.otherWaterLoss_ = 0;
                rig.pool.SetEvaporationModel(model);
                ASSERT_EQ(rig.pool.Check(), kOk);
                for (int hour = 0; hour < 3; ++hour) {
                    ASSERT_EQ(rig.Step(), kOk);
                    const SwimmingPool& p = rig.pool;
                    EXPECT_EQ(p.evaporationRate, 0);
                    EXPECT_EQ(p.convectionLoss, 0);
                    EXPECT_EQ(p.conductionLoss, 0);
                    EXPECT_EQ(p.radiationLoss, 0);
                    EXPECT_EQ(p.makeUpLoss, 0);
                    EXPECT_EQ(p.solarGain, 0);
                    EXPECT_EQ(p.loopGain, 0);
                    EXPECT_NEAR(p.sideWallLoss, 0, 1e-9);
                    EXPECT_NEAR(p.poolTemperatureDerivative, 0, 1e-18);
                    EXPECT_EQ(p.soilTemperatureDerivative, 0);
                    EXPECT_EQ(p.waterLoss, 0);
                }
            }
        }
    }
}

// Evaporation from saturation pressures of the published psychrometric tables (PsychroLib):
// pws(30 degC) = 4246.03024359 Pa; pw(20 degC, 50 %) = 1169.40185004 Pa.
TEST(SwimmingPool, EvaporationWithFixedCoefficientsMatchesHandValue) {
    PoolRig rig;
    rig.tp = 30;
    rig.ta = 20;
    rig.rh = 0.5;
    ASSERT_EQ(rig.Step(), kOk);
    const double rate = (4246.03024359 - 1169.40185004) * 100 * 0.0647 / 2454000;
    EXPECT_NEAR(rig.pool.evaporationRate, rate, 1e-9 * rate);
    EXPECT_NEAR(rig.pool.evaporationLoss, rate * 2.454e6, 1e-9 * rate * 2.454e6);
    // Convection with the constant term: 5.68 W/m2 K x 10 K x 100 m2.
    EXPECT_NEAR(rig.pool.convectionLoss, 5680, 1e-9);
}

TEST(SwimmingPool, FullCoverStopsEvaporationAndInsulates) {
    PoolRig rig;
    rig.tp = 28;
    rig.ta = 18;
    rig.rh = 0.4;
    rig.cover = 1;
    rig.pool.coveredFraction_ = 1;
    ASSERT_EQ(rig.pool.Check(), kOk);
    ASSERT_EQ(rig.Step(), kOk);
    EXPECT_EQ(rig.pool.evaporationRate, 0);
    EXPECT_EQ(rig.pool.evaporationLoss, 0);
    // Film 5.68 W/m2 K in series with 0.01 m2 K/W of blanket, over 10 K and 100 m2.
    EXPECT_NEAR(rig.pool.convectionLoss, 1000 / (1 / 5.68 + 0.01), 1e-9);

    // Half covered: half the evaporation of the open pool.
    PoolRig open;
    open.tp = 28;
    open.ta = 18;
    open.rh = 0.4;
    ASSERT_EQ(open.Step(), kOk);
    rig.pool.coveredFraction_ = 0.5;
    ASSERT_EQ(rig.pool.Check(), kOk);
    ASSERT_EQ(rig.Step(), kOk);
    EXPECT_NEAR(rig.pool.evaporationRate, open.pool.evaporationRate / 2, 1e-15);
}

TEST(SwimmingPool, EvaporationAndConvectionGrowWithWind) {
    for (int model : {1, 2}) {
        PoolRig rig;
        rig.tp = 27;
        rig.ta = 24;
        rig.rh = 0.6;
        rig.pool.SetEvaporationModel(model);
        ASSERT_EQ(rig.pool.Check(), kOk);
        double lastEvaporation = 0, lastConvection = 0;
        for (double wind : {0.0, 2.0, 5.0, 10.0, 20.0, 40.0}) {
            rig.wind = wind;
            ASSERT_EQ(rig.Step(), kOk);
            SCOPED_TRACE(testing::Message() << "model " << model << " wind " << wind);
            EXPECT_GE(rig.pool.evaporationRate, lastEvaporation);
            EXPECT_GE(rig.pool.convectionLoss, lastConvection);
            if (wind >= 20) {  // forced convection dominates the correlations here
                EXPECT_GT(rig.pool.evaporationRate, lastEvaporation);
                EXPECT_GT(rig.pool.convectionLoss, lastConvection);
            }
            lastEvaporation = rig.pool.evaporationRate;
            lastConvection = rig.pool.convectionLoss;
        }
    }
}

// Free convection from a horizontal surface facing up (textbook correlations): a warmer pool
// uses 0.54 Ra^(1/4) up to Ra = 4.74e6 and 0.15 Ra^(1/3) above; a cooler pool 0.27 Ra^(1/4).
TEST(SwimmingPool, NaturalConvectionFromTheSurfaceFollowsTheTextbookRanges) {
    struct Case {
        double area, tp, ta, coefficient, exponent;
    };
    const Case cases[] = {
        {0.01, 30, 20, 0.54, 0.25},   // L = 0.1 m: Ra about 1e6
        {100, 30, 20, 0.15, 0.3333},  // L = 10 m: Ra about 1e12
        {100, 20, 30, 0.27, 0.25},
    };
    for (const Case& k : cases) {
        PoolRig rig;
        rig.tp = k.tp;
        rig.ta = k.ta;
        rig.pool.volume_ = k.area;
        rig.pool.surfaceArea_ = k.area;
        rig.pool.SetEvaporationModel(2);
        ASSERT_EQ(rig.pool.Check(), kOk);
        ASSERT_EQ(rig.Step(), kOk);
        const double side = std::sqrt(k.area);
        const double film = Kelvin((k.tp + k.ta) / 2);
        const double ra = side * side * side * 9.81 * 10 / film / 1.495e-5 / 2.12e-5;
        const double h = k.coefficient * std::pow(ra, k.exponent) * 0.026 / side;
        const double expected = (k.tp - k.ta) * h * k.area;
        EXPECT_NEAR(rig.pool.convectionLoss, expected, 1e-9 * std::fabs(expected)) << "Ra " << ra;
        if (k.area == 0.01) {
            EXPECT_LT(ra, 4.74e6);
        } else {
            EXPECT_GT(ra, 4.74e6);
        }
    }
}

TEST(SwimmingPool, RadiationWithAndWithoutCover) {
    PoolRig rig;
    rig.tp = 26;
    rig.tsky = 0;
    const double open = (std::pow(Kelvin(26), 4) - std::pow(Kelvin(0), 4)) * 100 * kSigma;
    ASSERT_EQ(rig.Step(), kOk);
    EXPECT_NEAR(rig.pool.radiationLoss, 0.95 * open, 1e-9 * open);

    rig.cover = 1;
    rig.pool.blanketEmissivity_ = 0.3;
    rig.pool.blanketLwTransmissivity_ = 0.2;
    ASSERT_EQ(rig.pool.Check(), kOk);
    ASSERT_EQ(rig.Step(), kOk);
    EXPECT_NEAR(rig.pool.radiationLoss, (0.3 + 0.2 * 0.95) * open, 1e-9 * open);

    // A transmitting blanket that also emits: never more than a black body.
    rig.pool.blanketEmissivity_ = 0.9;
    rig.pool.blanketLwTransmissivity_ = 0.5;
    ASSERT_EQ(rig.pool.Check(), kOk);
    ASSERT_EQ(rig.Step(), kOk);
    EXPECT_NEAR(rig.pool.radiationLoss, open, 1e-9 * open);
}

TEST(SwimmingPool, SolarGain) {
    // About 0.0595 for water at 60 degrees.
    EXPECT_NEAR(g_diffuseReflectanceWater, 0.0595, 5e-4);

    PoolRig rig;
    rig.beam = 800;
    rig.diffuse = 100;
    rig.zenith = 0;  // sun overhead
    ASSERT_EQ(rig.Step(), kOk);
    const double normal = std::pow(0.332 / 2.332, 2);
    const double expected =
        ((1 - g_diffuseReflectanceWater) * 100 + (1 - normal) * 800) * 100 * 0.93;
    ASSERT_TRUE(std::isfinite(rig.pool.solarGain));
    EXPECT_NEAR(rig.pool.solarGain, expected, 1e-6 * expected);

    // Blanket: f = 0.2/4 + 0.7 = 0.75 of the sun enters; a fifth of the pool is shaded.
    rig.cover = 1;
    rig.shaded = 0.2;
    ASSERT_EQ(rig.Step(), kOk);
    EXPECT_NEAR(rig.pool.solarGain, 0.8 * 900 * 0.75 * 100 * (1 - 0.25 * 0.07), 1e-9);
    // A blanket letting through more than everything is capped at all of it.
    rig.pool.blanketTransmissivity_ = 1.0;
    ASSERT_EQ(rig.pool.Check(), kOk);
    ASSERT_EQ(rig.Step(), kOk);
    EXPECT_NEAR(rig.pool.solarGain, 0.8 * 900 * 100, 1e-9);
}

TEST(SwimmingPool, SideWalls) {
    auto wallLoss = [](double exposed, double zenith, int activity) {
        PoolRig rig;
        SetBusyHour(rig);
        rig.zenith = zenith;
        rig.activity = activity;
        rig.pool.exposedWallFraction_ = exposed;
        EXPECT_EQ(rig.pool.Check(), kOk);
        EXPECT_EQ(rig.Step(), kOk);
        return rig.pool.sideWallLoss;
    };
    EXPECT_EQ(wallLoss(0, 0.5, 0), 0);
    // Overhead sun puts no beam on a vertical wall; neither does a sun on or below the horizon.
    const double noBeam = wallLoss(0.5, 0, 0);
    EXPECT_DOUBLE_EQ(wallLoss(0.5, kPi / 2, 0), noBeam);
    EXPECT_DOUBLE_EQ(wallLoss(0.5, 1.7, 0), noBeam);
    EXPECT_LT(wallLoss(0.5, 1.2, 0), noBeam);
    // Activity 3 acts as none.
    EXPECT_DOUBLE_EQ(wallLoss(0.5, 1.2, 3), wallLoss(0.5, 1.2, 0));
    EXPECT_NE(wallLoss(0.5, 1.2, 2), wallLoss(0.5, 1.2, 0));
}

TEST(SwimmingPool, IterationsAtOneTimeStartFromTheSameWallHistory) {
    PoolRig rig;
    SetBusyHour(rig);
    rig.pool.exposedWallFraction_ = 0.5;
    ASSERT_EQ(rig.pool.Check(), kOk);
    rig.time = 3600;
    ASSERT_EQ(rig.pool.Compute(), kOk);
    const double first = rig.pool.sideWallLoss;
    ASSERT_EQ(rig.pool.Compute(), kOk);
    const double second = rig.pool.sideWallLoss;
    ASSERT_EQ(rig.pool.Compute(), kOk);
    EXPECT_NE(first, second);  // the second call starts from the first call's walls
    EXPECT_EQ(rig.pool.sideWallLoss, second);
    rig.time = 7200;
    ASSERT_EQ(rig.pool.Compute(), kOk);
    const double next = rig.pool.sideWallLoss;
    ASSERT_EQ(rig.pool.Compute(), kOk);
    EXPECT_EQ(rig.pool.sideWallLoss, next);
}

TEST(SwimmingPool, Conduction) {
    // Floor 100 m2 and buried walls 4 x 10 m x 1.5 m: 160 m2.
    PoolRig rig;
    rig.tp = 26;
    rig.tdg = 10;
    rig.ts = 14;
    rig.pool.soilResistivity_ = 0;
    ASSERT_EQ(rig.pool.Check(), kOk);
    ASSERT_EQ(rig.Step(), kOk);
    EXPECT_NEAR(rig.pool.conductionLoss, 16 * 160 / 5.0, 1e-9);
    EXPECT_EQ(rig.pool.soilTemperatureDerivative, 0);

    // Soil of 1.25 m K/W over half the 90-day penetration depth (sqrt(5e-7 x 90 x 86400)).
    rig.pool.soilResistivity_ = 1.25;
    ASSERT_EQ(rig.pool.Check(), kOk);
    ASSERT_EQ(rig.Step(), kOk);
    const double depth = std::sqrt(3.888);
    const double loss = 12 * 160 / (1.25 * depth / 2 + 5);
    EXPECT_NEAR(rig.pool.conductionLoss, loss, 1e-9);
    const double face = 26 - 5 * loss / 160;
    EXPECT_NEAR(rig.pool.soilTemperatureDerivative,
                (face - 2 * 14 + 10) * 4 * 5e-7 / (depth * depth), 1e-18);
}

TEST_F(SwimmingPoolMessages, ComputeErrors) {
    PoolRig rig;
    SetBusyHour(rig);
    ASSERT_EQ(rig.Step(), kOk);
    const double derivative = rig.pool.poolTemperatureDerivative;

    struct Case {
        double* value;
        double bad;
        int code;
    };
    const Case cases[] = {{&rig.cp, 0, 0x101},    {&rig.rh, 1.01, 0x102},
                          {&rig.rh, -0.1, 0x102}, {&rig.shaded, 2, 0x103},
                          {&rig.wind, -1, 0x104}, {&rig.loopFlow, -0.1, 0x106}};
    for (const Case& k : cases) {
        const double good = *k.value;
        *k.value = k.bad;
        EXPECT_EQ(rig.Step(), kDomain) << std::hex << k.code;
        EXPECT_EQ(rig.pool.GetStatus(), kReady);
        EXPECT_EQ(rig.pool.totalLosses, 0);
        EXPECT_EQ(rig.pool.solarGain, 0);
        EXPECT_EQ(rig.pool.poolTemperatureDerivative, derivative);
        // Humidity is shown in per cent, the wind after its correction factor.
        double shown = k.bad;
        if (k.value == &rig.rh) shown *= 100;
        if (k.value == &rig.wind) shown *= 0.15;
        ExpectMessage(k.code, shown);
        *k.value = good;
    }
    rig.makeUpFlow = -1;  // not tested
    EXPECT_EQ(rig.Step(), kOk);

    // Time must increase; repeated calls at the present time are iterations.
    EXPECT_EQ(rig.pool.Compute(), kOk);
    rig.time -= 3600;
    EXPECT_EQ(rig.pool.Compute(), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Pool: time does not increase (present 25200 s, previous step 25200 s)");
    EXPECT_EQ(rig.pool.Compute(), kFatal);
    // Check restarts the history.
    EXPECT_EQ(rig.pool.Check(), kOk);
    EXPECT_EQ(rig.pool.Compute(), kOk);
}

TEST_F(SwimmingPoolMessages, CheckRefusesBadValuesInOrder) {
    SwimmingPool fresh;
    EXPECT_EQ(fresh.Compute(), kFatal);
    EXPECT_EQ(fresh.Check(), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Pool: an input is not connected");

    struct Case {
        double TestPool::*parameter;
        double bad;
        int code;
    };
    const Case cases[] = {
        {&TestPool::volume_, 0, 1},
        {&TestPool::surfaceArea_, -1, 2},
        {&TestPool::exposedWallFraction_, 1.1, 3},
        {&TestPool::wallEmissivity_, -0.1, 4},
        {&TestPool::wallAbsorptance_, 2, 15},
        {&TestPool::floorResistance_, -1, 5},
        {&TestPool::soilResistivity_, -1, 12},
        {&TestPool::soilDiffusivity_, 0, 13},
        {&TestPool::otherWaterLoss_, -1e-3, 6},
        {&TestPool::blanketAbsorptivity_, 1.5, 7},
        {&TestPool::blanketTransmissivity_, -0.5, 8},
        {&TestPool::blanketEmissivity_, 1.5, 264},
        {&TestPool::blanketLwTransmissivity_, 1.5, 265},
        {&TestPool::blanketInsulation_, -0.01, 9},
        {&TestPool::coveredFraction_, 1.01, 10},
        {&TestPool::windCorrectionFactor_, -0.15, 11},
    };
    for (const Case& k : cases) {
        PoolRig rig;
        rig.pool.*k.parameter = k.bad;
        EXPECT_EQ(rig.pool.Check(), kFatal) << k.code;
        EXPECT_EQ(rig.pool.GetStatus(), kNotReady);
        EXPECT_EQ(rig.pool.Compute(), kFatal);
        ExpectMessage(k.code, k.bad);
    }

    PoolRig rig;
    rig.pool.floorResistance_ = 0;
    rig.pool.soilResistivity_ = 0;
    rig.pool.volume_ = -1;  // the first failing test wins
    EXPECT_EQ(rig.pool.Check(), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Pool volume must be above 0 m3 (-1)");
    rig.pool.volume_ = 150;
    EXPECT_EQ(rig.pool.Check(), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Floor resistance and soil resistivity cannot both be 0");
    rig.pool.floorResistance_ = 0;
    rig.pool.soilResistivity_ = 1;
    EXPECT_EQ(rig.pool.Check(), kOk);

    EXPECT_EQ(rig.pool.SetSurfaceArea(0), kFatal);
    EXPECT_EQ(rig.pool.SetSurfaceArea(50), kOk);
    EXPECT_EQ(rig.pool.SetVolume(75), kOk);
    EXPECT_EQ(rig.pool.GetSurfaceArea(), 50);
    EXPECT_EQ(rig.pool.GetVolume(), 75);
    rig.pool.SetEvaporationModel(7);
    EXPECT_EQ(rig.pool.GetEvaporationModel(), 7);
    EXPECT_EQ(rig.pool.GetWindCorrectionFactor(), 0.15);
}

// Expects the 21 parameters in their order.
void ExpectParameters(const TestPool& p, const std::array<double, 21>& expected) {
    const double values[] = {p.volume_,
                             p.surfaceArea_,
                             p.exposedWallFraction_,
                             p.wallEmissivity_,
                             p.wallAbsorptance_,
                             p.floorResistance_,
                             p.soilResistivity_,
                             p.soilDiffusivity_,
                             p.otherWaterLoss_,
                             p.blanketAbsorptivity_,
                             p.blanketTransmissivity_,
                             p.blanketEmissivity_,
                             p.blanketLwTransmissivity_,
                             p.blanketInsulation_,
                             p.coveredFraction_,
                             double(p.evaporationModel_),
                             p.convectionConstant_,
                             p.convectionWind_,
                             p.evaporationConstant_,
                             p.evaporationWind_,
                             p.windCorrectionFactor_};
    for (int i = 0; i < 21; ++i) EXPECT_EQ(values[i], expected[i]) << "parameter " << i + 1;
}

void SetDistinctParameters(TestPool& p) {
    p.volume_ = 210.5;
    p.surfaceArea_ = 120.25;
    p.exposedWallFraction_ = 0.125;
    p.wallEmissivity_ = 0.85;
    p.wallAbsorptance_ = 0.65;
    p.floorResistance_ = 2.5;
    p.soilResistivity_ = 0.75;
    p.soilDiffusivity_ = 6.5e-7;
    p.otherWaterLoss_ = 0.003;
    p.blanketAbsorptivity_ = 0.15;
    p.blanketTransmissivity_ = 0.55;
    p.blanketEmissivity_ = 0.8;
    p.blanketLwTransmissivity_ = 0.1;
    p.blanketInsulation_ = 0.02;
    p.coveredFraction_ = 0.9;
    p.evaporationModel_ = 0;
    p.convectionConstant_ = 5.678;
    p.convectionWind_ = 3.813;
    p.evaporationConstant_ = 0.06;
    p.evaporationWind_ = 0.07;
    p.windCorrectionFactor_ = 0.3;
}

TEST(SwimmingPool, ParameterLinesRoundTrip) {
    PoolRig source;
    SetDistinctParameters(source.pool);
    const std::string written = test::ParameterLine(source.pool);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 3);

    std::istringstream in(written + "next\n");
    PoolRig copy;
    EXPECT_EQ(copy.pool.ReadParameters(in, 20002), 0);
    EXPECT_EQ(copy.pool.GetStatus(), kReady);
    // Every value lands where it came from.
    ExpectParameters(copy.pool,
                     {210.5, 120.25, 0.125, 0.85, 0.65, 2.5,   0.75,  6.5e-7, 0.003, 0.15, 0.55,
                      0.8,   0.1,    0.02,  0.9,  0,    5.678, 3.813, 0.06,   0.07,  0.3});
    std::string rest;
    in >> rest;
    EXPECT_EQ(rest, "next");

    // Extra values at a line's end are skipped; a truncated record fails.
    std::istringstream extra(
        "150 100 0 0.9 0.5 5 1.25 5e-7 0.01 99\r\n"
        "0.2 0.7 0.95 0 0.01 0.95 2 99\n5.68 3.81 0.0647 0.0642 0.2 99\n");
    EXPECT_EQ(copy.pool.ReadParameters(extra, 20002), 0);
    EXPECT_EQ(copy.pool.GetEvaporationModel(), 2);
    EXPECT_EQ(copy.pool.GetWindCorrectionFactor(), 0.2);
    std::istringstream truncated("150 100 0 0.9 0.5 5 1.25 5e-7 0.01\n0.2 0.7\n");
    EXPECT_EQ(copy.pool.ReadParameters(truncated, 20002), 1);
}

TEST(SwimmingPool, OlderParameterLines) {
    // The defaults stand for values an older file lacks; the blanket's long-wave transmissivity
    // is 0 before 10109, whatever it was.
    struct Case {
        int version;
        const char* lines;
        std::array<double, 21> expected;
    };
    const Case cases[] = {
        // Before 10101: no soil values, no wall absorptance.
        {10100,
         "200 80 0.2 0.8 4 0.02\n0.1 0.6 0.9 0.05 0.8 1\n6 4 0.07 0.06 0.1\n",
         {200, 80, 0.2,  0.8, 0.5, 4, 1.25, 5e-7, 0.02, 0.1, 0.6,
          0.9, 0,  0.05, 0.8, 1,   6, 4,    0.07, 0.06, 0.1}},
        // 10101 to 10105: the soil values.
        {10105,
         "200 80 0.2 0.8 4 2 7e-7 0.02\n0.1 0.6 0.9 0.05 0.8 1\n6 4 0.07 0.06 0.1\n",
         {200, 80, 0.2,  0.8, 0.5, 4, 2, 7e-7, 0.02, 0.1, 0.6,
          0.9, 0,  0.05, 0.8, 1,   6, 4, 0.07, 0.06, 0.1}},
        // 10106 to 10108: the wall absorptance.
        {10108,
         "200 80 0.2 0.8 0.7 4 2 7e-7 0.02\n0.1 0.6 0.9 0.05 0.8 1\n6 4 0.07 0.06 0.1\n",
         {200, 80, 0.2,  0.8, 0.7, 4, 2, 7e-7, 0.02, 0.1, 0.6,
          0.9, 0,  0.05, 0.8, 1,   6, 4, 0.07, 0.06, 0.1}},
        // From 10109: the long-wave transmissivity.
        {10109,
         "200 80 0.2 0.8 0.7 4 2 7e-7 0.02\n0.1 0.6 0.9 0.04 0.05 0.8 1\n6 4 0.07 0.06 0.1\n",
         {200, 80,   0.2,  0.8, 0.7, 4, 2, 7e-7, 0.02, 0.1, 0.6,
          0.9, 0.04, 0.05, 0.8, 1,   6, 4, 0.07, 0.06, 0.1}},
    };
    for (const Case& k : cases) {
        PoolRig rig;
        rig.pool.blanketLwTransmissivity_ = 0.3;
        std::istringstream in(k.lines);
        EXPECT_EQ(rig.pool.ReadParameters(in, k.version), 0);
        SCOPED_TRACE(k.version);
        ExpectParameters(rig.pool, k.expected);
    }
}

}  // namespace

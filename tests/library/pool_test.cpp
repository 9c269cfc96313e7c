#include "pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <sstream>

#include "component_fixture.h"
#include "pool_rig.h"

namespace {

constexpr double kSigma = 5.67e-8;

double Kelvin(double celsius) {
    return celsius + 273.15;
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
    EXPECT_DOUBLE_EQ(wallLoss(0.5, std::numbers::pi / 2, 0), noBeam);
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

}  // namespace

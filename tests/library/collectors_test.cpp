#include "collectors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <string>

#include "collector_rigs.h"
#include "component_fixture.h"
#include "reference_values.h"
#include "test_support.h"

namespace {

using GlazedCollectorMessages = test::ComponentTest;
using UnglazedCollectorMessages = test::ComponentTest;

constexpr double kSigma = 5.67e-8;

using test::Radians;

void ExpectEnergyBalance(const FlatPlateCollector& c, double flow, double cp, double tin) {
    EXPECT_NEAR(c.usefulGain, flow * cp * (c.outletTemperature - tin),
                1e-12 * std::fabs(c.usefulGain) + 1e-9);
    EXPECT_DOUBLE_EQ(c.meanFluidTemperature, (tin + c.outletTemperature) / 2);
}

TEST(GlazedCollector, OneCollectorAtTheTestFlowFollowsTheTestEquation) {
    GlazedRig rig;
    TestData t;
    t.b = 0.001;
    t.c = 4;
    t.d = 0.01;
    t.e = 5;
    ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
    ASSERT_EQ(rig.collector.Compute(), kOk);
    // dT = 10 K: 2 m2 x ((0.75 - 0.01) 800 - (4 + 0.1) 10 - 5) = 1092 W.
    EXPECT_NEAR(rig.collector.usefulGain, 1092, 1e-9);
    EXPECT_NEAR(rig.collector.outletTemperature, 30 + 1092 / (0.02 * 4200), 1e-12);
    EXPECT_DOUBLE_EQ(rig.collector.absorbedIrradiance, 800);
    EXPECT_DOUBLE_EQ(rig.collector.incidentEnergy, 1600);
    ExpectEnergyBalance(rig.collector, 0.02, 4200, 30);
}

TEST(UnglazedCollector, OneCollectorAtTheTestFlowFollowsTheTestEquation) {
    UnglazedRig rig;
    TestData t;
    t.a = 0.9;
    t.b = 0.05;
    t.c = 10;
    t.d = 3;
    ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
    ASSERT_EQ(rig.collector.Compute(), kOk);
    // V = 2 m/s, dT = 5 K: 2 m2 x ((0.9 - 0.1) 700 - (10 + 6) 5) = 960 W.
    EXPECT_NEAR(rig.collector.usefulGain, 960, 1e-9);
    ExpectEnergyBalance(rig.collector, 0.02, 4200, 25);

    // A minimum wind speed above the corrected wind: V = 3 m/s gives 2 (0.75 x 700 - 19 x 5).
    ASSERT_EQ(rig.set(1, 1, 1, t, 0.5, 3), kOk);
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_NEAR(rig.collector.usefulGain, 2 * (0.75 * 700 - 19 * 5), 1e-9);
}

TEST(UnglazedCollector, SkyLongWaveExchange) {
    UnglazedRig rig;
    ASSERT_EQ(rig.set(1, 1, 1, TestData()), kOk);
    rig.tsky = 0;
    const double exchange = (std::pow(273.15, 4) - std::pow(293.15, 4)) * kSigma;  // -103 W/m2
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_NEAR(rig.collector.absorbedIrradiance, 700 + exchange, 1e-9);
    rig.slope = std::numbers::pi / 2;  // a wall sees half the sky
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_NEAR(rig.collector.absorbedIrradiance, 700 + exchange / 2, 1e-9);
}

TEST(FlatPlateCollector, EnergyBalanceOfLargeArrays) {
    TestData t;
    t.b = 0.002;
    t.c = 4.5;
    t.d = 0.015;
    t.e = 3;
    for (int series : {1, 3}) {
        for (double groups : {1.0, 2.5, 6.0}) {
            for (int banks : {1, 4}) {
                for (double flow : {0.005, 0.3, 2.0}) {
                    SCOPED_TRACE(testing::Message()
                                 << series << " " << groups << " " << banks << " " << flow);
                    GlazedRig g;
                    g.flow = flow;
                    ASSERT_EQ(g.set(series, groups, banks, t), kOk);
                    ASSERT_EQ(g.collector.Compute(), kOk);
                    ExpectEnergyBalance(g.collector, flow, g.cp, g.tin);
                    EXPECT_DOUBLE_EQ(g.collector.incidentEnergy, 800 * 2 * series * groups * banks);
                    UnglazedRig u;
                    u.flow = flow;
                    ASSERT_EQ(u.set(series, groups, banks, t), kOk);
                    ASSERT_EQ(u.collector.Compute(), kOk);
                    ExpectEnergyBalance(u.collector, flow, u.cp, u.tin);
                }
            }
        }
    }
}

TEST(FlatPlateCollector, StringsBanksAndArrayFactor) {
    TestData t;  // a = 0.75, u = 5 W/m2 K, no other terms
    GlazedRig one;
    one.tin = one.tamb;
    ASSERT_EQ(one.set(1, 1, 1, t), kOk);
    ASSERT_EQ(one.collector.Compute(), kOk);
    const double single = one.collector.usefulGain;
    EXPECT_NEAR(single, 0.75 * 800 * 2, 1e-9);

    // Four strings in parallel at the same string flow: 4 x (0.55 / 4^(0.00534 x 4) + 0.45).
    GlazedRig four;
    four.tin = four.tamb;
    four.flow = 4 * 0.02;
    ASSERT_EQ(four.set(1, 4, 1, t), kOk);
    ASSERT_EQ(four.collector.Compute(), kOk);
    EXPECT_NEAR(four.collector.usefulGain / single, 4 * 0.98395258, 1e-7);

    // Two banks of them: twice that.
    GlazedRig banks;
    banks.tin = banks.tamb;
    banks.flow = 8 * 0.02;
    ASSERT_EQ(banks.set(1, 4, 2, t), kOk);
    ASSERT_EQ(banks.collector.Compute(), kOk);
    EXPECT_NEAR(banks.collector.usefulGain, 2 * four.collector.usefulGain, 1e-9);

    // Two in series: the second starts at the first's outlet.
    GlazedRig series;
    series.tin = series.tamb;
    ASSERT_EQ(series.set(2, 1, 1, t), kOk);
    ASSERT_EQ(series.collector.Compute(), kOk);
    const double rise = single / (0.02 * 4200);
    EXPECT_NEAR(series.collector.usefulGain, single + single - 5 * rise * 2, 1e-9);
}

TEST(FlatPlateCollector, FlowRateCorrection) {
    // At the inlet equal to ambient, the gain over a S area is the flow-rate correction.
    TestData t;
    auto correction = [&t](double flow) {
        GlazedRig rig;
        rig.tin = rig.tamb;
        rig.flow = flow;
        EXPECT_EQ(rig.set(1, 1, 1, t), kOk);
        EXPECT_EQ(rig.collector.Compute(), kOk);
        return rig.collector.usefulGain / (t.a * 800 * t.area);
    };
    EXPECT_NEAR(correction(0.02), 1.0, 1e-14);
    double last = 0;
    for (double flow : {0.001, 0.005, 0.01, 0.02, 0.04, 0.1, 1.0}) {
        const double r = correction(flow);
        EXPECT_GT(r, last) << flow;
        EXPECT_EQ(r < 1, flow < 0.02) << flow;
        last = r;
    }
    // Twice the test flow, from the collector equation: F'UL = -(m cp / A) ln(1 - U A / (m cp)).
    const double testCapacity = 0.02 * 4200;
    const double fPrimeUL = -(testCapacity / 2) * std::log(1 - 5 * 2 / testCapacity);
    auto x = [&](double capacity) {
        const double v = capacity / (2 * fPrimeUL);
        return v * (1 - std::exp(-1 / v));
    };
    EXPECT_NEAR(correction(0.04), x(2 * testCapacity) / x(testCapacity), 1e-12);

    // A collector without losses needs no correction.
    t.c = 0;
    EXPECT_EQ(correction(0.001), 1.0);
    EXPECT_EQ(correction(5.0), 1.0);
}

TEST(GlazedCollector, Stagnation) {
    GlazedRig rig;
    rig.flow = 0;
    TestData t;
    t.e = 20;
    ASSERT_EQ(rig.set(2, 3, 2, t), kOk);
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_EQ(rig.collector.usefulGain, 0);
    // Constant coefficients: T = Tamb + (A S - E) / C after one step.
    EXPECT_DOUBLE_EQ(rig.collector.outletTemperature, 20 + (0.75 * 800 - 20) / 5);
    EXPECT_EQ(rig.collector.meanFluidTemperature, rig.collector.outletTemperature);

    // Temperature-dependent coefficients: settles within 0.1 K of its equation's solution.
    t.b = 0.0005;
    t.d = 0.02;
    ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
    ASSERT_EQ(rig.collector.Compute(), kOk);
    const double stagnation = rig.collector.outletTemperature;
    const double dT = stagnation - 20;
    EXPECT_NEAR(stagnation, 20 + ((0.75 - 0.0005 * dT) * 800 - 20) / (5 + 0.02 * dT), 0.1);

    // No sun: never below ambient.
    rig.h = 0;
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_EQ(rig.collector.outletTemperature, 20);
    EXPECT_EQ(rig.collector.usefulGain, 0);
}

TEST_F(GlazedCollectorMessages, StagnationFailures) {
    GlazedRig rig;
    rig.flow = 0;
    TestData t;
    // dT(n+1) = (0.75 x 800 - 8 dT(n)) / 4 swings wider each step and never settles.
    t.b = 0.01;
    t.c = 4;
    ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
    EXPECT_EQ(rig.collector.Compute(), kDomain);
    EXPECT_EQ(rig.collector.GetStatus(), kReady);
    EXPECT_EQ(rig.collector.usefulGain, 0);
    const std::string shown = ErrorMessageBuffer();
    EXPECT_EQ(shown.rfind("Stagnation temperature of the glazed collector not found", 0), 0u)
        << shown;

    // No loss at all: the stagnation equation has no solution.
    t.b = 0;
    t.c = 0;
    ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
    EXPECT_EQ(rig.collector.Compute(), kDomain);
    EXPECT_EQ(std::string(ErrorMessageBuffer()),
              "Stagnation temperature of the glazed collector not found (last value 30 degC)");
    // A loss coefficient that vanishes at the inlet temperature: C + D (30 - 20) = 0.
    t.c = 5;
    t.d = -0.5;
    ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
    EXPECT_EQ(rig.collector.Compute(), kDomain);
}

TEST_F(UnglazedCollectorMessages, Stagnation) {
    UnglazedRig rig;
    rig.flow = 0;
    TestData t;
    t.b = 0.05;
    t.d = 2;
    t.e = 10;
    ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
    ASSERT_EQ(rig.collector.Compute(), kOk);
    EXPECT_EQ(rig.collector.usefulGain, 0);
    EXPECT_NEAR(rig.collector.outletTemperature, 20 + (0.65 * 700 - 10) / 9, 1e-12);
    EXPECT_EQ(rig.collector.meanFluidTemperature, rig.collector.outletTemperature);

    t.c = 6;
    t.d = -3;  // C + D V = 0 at 2 m/s
    ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
    EXPECT_EQ(rig.collector.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "No stagnation temperature: the collector loses nothing at wind 2 m/s");
}

TEST(FlatPlateCollector, IncidenceAngleModifiers) {
    const Table one({0, 30, 60, 90}, {1, 0.98, 0.9, 0});
    const Table transversal({0, 60}, {1, 0.8});
    auto absorbed = [&](int mode, double theta, const double* phi) {
        GlazedRig rig;
        rig.theta = theta;
        EXPECT_EQ(rig.set(1, 1, 1, TestData(), mode, &one, &transversal), kOk);
        EXPECT_EQ(rig.collector.SetInputs(&rig.h, &rig.theta, phi, &rig.tin, &rig.tamb, &rig.flow,
                                          &rig.cp),
                  kOk);
        EXPECT_EQ(rig.collector.Compute(), kOk);
        return rig.collector.absorbedIrradiance / rig.h;
    };
    EXPECT_EQ(absorbed(0, Radians(45), nullptr), 1.0);  // tables ignored
    EXPECT_EQ(absorbed(5, Radians(45), nullptr), 1.0);
    EXPECT_NEAR(absorbed(1, 0, nullptr), 1.0, 1e-15);  // normal incidence
    EXPECT_NEAR(absorbed(1, Radians(45), nullptr), 0.94, 1e-12);
    EXPECT_EQ(absorbed(1, std::numbers::pi / 2, nullptr), 1.0);  // grazing: no lookup
    EXPECT_EQ(absorbed(2, std::numbers::pi / 2, nullptr), 1.0);

    // Two tables: in the longitudinal plane only table 1 acts, across it only table 2.
    const double along = 0, across = std::numbers::pi / 2;
    EXPECT_NEAR(absorbed(2, Radians(45), &along), 0.94, 1e-12);
    EXPECT_NEAR(absorbed(2, Radians(45), &across), 1 - 0.2 * 45 / 60, 1e-12);
    EXPECT_NEAR(absorbed(2, Radians(45), nullptr), 0.94, 1e-12);  // not connected: 0
    // At 45 degrees in plane, both projected angles are atan(tan 30 / sqrt 2).
    const double diagonal = std::numbers::pi / 4;
    const double projected = std::atan(std::tan(Radians(30)) / std::sqrt(2.0)) / kRadiansPerDegree;
    EXPECT_NEAR(absorbed(2, Radians(30), &diagonal),
                (1 - 0.02 * projected / 30) * (1 - 0.2 * projected / 60), 1e-12);
}

}  // namespace

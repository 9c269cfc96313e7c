// The pool's refusals: errors while computing, its check of the parameters, and its parameter
// lines written and read back, of this version and the older ones.
#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "component_fixture.h"
#include "pool.h"
#include "pool_rig.h"

namespace {

using SwimmingPoolMessages = test::ComponentTest;

// Expects the message buffer to hold the pool's message `code` formatted with `value`.
void ExpectMessage(int code, double value) {
    const std::string shown = ErrorMessageBuffer();
    FormatErrorMessage(MessageNumber(kTypeSwimmingPool, code), {value});
    EXPECT_EQ(shown, ErrorMessageBuffer()) << std::hex << code;
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

#include "loop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "component_fixture.h"

namespace {

using LoopTest = test::ComponentTest;

// ---- Pump ----

struct PumpRig {
    double inlet = 25;
    double cp = 4000;
    int on = 1;
    Pump pump;
    PumpRig() { pump.SetInputs(&inlet, &cp, &on); }
};

TEST_F(LoopTest, PumpOnWarmsTheFluidByItsHeatShare) {
    PumpRig rig;
    ASSERT_EQ(rig.pump.SetParameters(0.5, 400, 0.25), kOk);
    ASSERT_EQ(rig.pump.Compute(), kOk);
    EXPECT_DOUBLE_EQ(rig.pump.flow, 0.5);
    EXPECT_DOUBLE_EQ(rig.pump.electricPower, 400);
    EXPECT_DOUBLE_EQ(rig.pump.heat, 100);
    // 100 W into 0.5 kg/s x 4000 J/kg K = 2000 W/K raises the fluid by 0.05 K.
    EXPECT_DOUBLE_EQ(rig.pump.outletTemperature, 25.05);
    EXPECT_NEAR(rig.pump.flow * rig.cp * (rig.pump.outletTemperature - rig.inlet), rig.pump.heat,
                1e-9);
}

TEST_F(LoopTest, PumpOffOrWithoutFlowHeatsNothing) {
    PumpRig rig;
    ASSERT_EQ(rig.pump.SetParameters(0.5, 400, 0.25), kOk);
    rig.on = 0;
    ASSERT_EQ(rig.pump.Compute(), kOk);
    EXPECT_EQ(rig.pump.flow, 0);
    EXPECT_EQ(rig.pump.electricPower, 0);
    EXPECT_EQ(rig.pump.heat, 0);
    EXPECT_EQ(rig.pump.outletTemperature, 25);

    // On with no rated flow: the power is drawn, nothing is heated.
    rig.on = 1;
    ASSERT_EQ(rig.pump.SetFlowRate(0), kOk);
    ASSERT_EQ(rig.pump.Compute(), kOk);
    EXPECT_EQ(rig.pump.electricPower, 400);
    EXPECT_EQ(rig.pump.heat, 0);
    EXPECT_EQ(rig.pump.outletTemperature, 25);
}

TEST_F(LoopTest, PumpChecksAndDomainErrors) {
    Pump unwired;
    EXPECT_EQ(unwired.Compute(), kFatal);
    EXPECT_EQ(unwired.Check(), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "An input of the pump is not connected");

    PumpRig rig;
    EXPECT_EQ(rig.pump.SetParameters(-1, 0, 0), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Negative rated flow: -1 kg/s");
    EXPECT_EQ(rig.pump.SetParameters(1, -2, 0), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Negative pump power: -2 W");
    EXPECT_EQ(rig.pump.SetParameters(1, 2, 1.5), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Fraction of the power heating the fluid 1.5 outside 0 to 1");
    EXPECT_EQ(rig.pump.Compute(), kFatal);
    EXPECT_EQ(rig.pump.SetParameters(1, 2, 1), kOk);

    rig.cp = 0;
    EXPECT_EQ(rig.pump.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "Specific heat not positive: 0 J/kg K");
    EXPECT_EQ(rig.pump.GetStatus(), kReady);
}

TEST_F(LoopTest, PumpParameterLineRoundTrip) {
    PumpRig rig;
    ASSERT_EQ(rig.pump.SetParameters(0.1, 1.0 / 3, 0.7), kOk);
    const std::string line = test::ParameterLine(rig.pump);

    PumpRig back;
    std::istringstream in(line + "next\n");
    EXPECT_EQ(back.pump.ReadParameters(in, 30000), 0);
    double flow, power, fraction;
    back.pump.GetParameters(flow, power, fraction);
    EXPECT_EQ(flow, 0.1);
    EXPECT_EQ(power, 1.0 / 3);
    EXPECT_EQ(fraction, 0.7);
    EXPECT_EQ(back.pump.GetStatus(), kReady);
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "next");

    std::istringstream shortLine("0.1 2\n");
    EXPECT_EQ(back.pump.ReadParameters(shortLine, 30000), 1);
}

// ---- Pipe ----

struct PipeRig {
    double inlet = 60;
    double surroundings = 10;
    double flow = 0.1;
    double cp = 4000;
    Pipe pipe;
    PipeRig() { pipe.SetInputs(&inlet, &surroundings, &flow, &cp); }
};

TEST_F(LoopTest, PipeLossMatchesTheExponentialProfile) {
    PipeRig rig;
    // 5 W/m K over 20 m = 100 W/K against 0.1 kg/s x 4000 J/kg K = 400 W/K.
    ASSERT_EQ(rig.pipe.SetParameters(5, 20), kOk);
    ASSERT_EQ(rig.pipe.Compute(), kOk);
    const double lostShare = 1 - std::exp(-0.25);
    EXPECT_NEAR(rig.pipe.outletTemperature, 60 - 50 * lostShare, 1e-12);
    EXPECT_NEAR(rig.pipe.outletTemperature, 48.94003915357024, 1e-10);
    // The loss is what the stream carries away between inlet and outlet ...
    EXPECT_NEAR(rig.pipe.heatLoss, rig.flow * rig.cp * (rig.inlet - rig.pipe.outletTemperature),
                1e-9);
    EXPECT_NEAR(rig.pipe.heatLoss, 4423.984338571902, 1e-8);
    // ... and never more than the conductance times the inlet excess.
    EXPECT_LT(rig.pipe.heatLoss, 100 * (60 - 10));

    // A pipe colder than its surroundings gains heat: a negative loss.
    rig.inlet = 0;
    ASSERT_EQ(rig.pipe.Compute(), kOk);
    EXPECT_NEAR(rig.pipe.heatLoss, -400 * 10 * lostShare, 1e-9);
}

TEST_F(LoopTest, PipeWithoutFlowKeepsItsOutlet) {
    PipeRig rig;
    ASSERT_EQ(rig.pipe.SetParameters(5, 20), kOk);
    ASSERT_EQ(rig.pipe.Compute(), kOk);
    const double previous = rig.pipe.outletTemperature;
    rig.flow = 0;
    rig.inlet = 90;
    ASSERT_EQ(rig.pipe.Compute(), kOk);
    EXPECT_EQ(rig.pipe.outletTemperature, previous);
    EXPECT_EQ(rig.pipe.heatLoss, 0);
}

TEST_F(LoopTest, PipeLimitsNeverGiveNaN) {
    PipeRig rig;
    // An endless pipe brings the fluid to its surroundings.
    ASSERT_EQ(rig.pipe.SetParameters(5, std::numeric_limits<double>::infinity()), kOk);
    ASSERT_EQ(rig.pipe.Compute(), kOk);
    EXPECT_EQ(rig.pipe.outletTemperature, 10);
    EXPECT_NEAR(rig.pipe.heatLoss, 400 * 50, 1e-9);

    // A fluid without heat capacity takes the surroundings' temperature and carries no heat.
    ASSERT_EQ(rig.pipe.SetParameters(5, 20), kOk);
    rig.cp = 0;
    ASSERT_EQ(rig.pipe.Compute(), kOk);
    EXPECT_EQ(rig.pipe.outletTemperature, 10);
    EXPECT_EQ(rig.pipe.heatLoss, 0);

    // No conductance and no heat capacity: nothing changes.
    ASSERT_EQ(rig.pipe.SetParameters(0, 20), kOk);
    ASSERT_EQ(rig.pipe.Compute(), kOk);
    EXPECT_EQ(rig.pipe.outletTemperature, 60);
    EXPECT_EQ(rig.pipe.heatLoss, 0);
    ASSERT_EQ(rig.pipe.SetParameters(0, std::numeric_limits<double>::infinity()), kOk);
    ASSERT_EQ(rig.pipe.Compute(), kOk);
    EXPECT_EQ(rig.pipe.outletTemperature, 60);

    // A perfectly insulated pipe with water.
    rig.cp = 4000;
    ASSERT_EQ(rig.pipe.SetParameters(5, 0), kOk);
    ASSERT_EQ(rig.pipe.Compute(), kOk);
    EXPECT_EQ(rig.pipe.outletTemperature, 60);
    EXPECT_EQ(rig.pipe.heatLoss, 0);
}

TEST_F(LoopTest, PipeChecksAndDomainErrors) {
    Pipe unwired;
    EXPECT_EQ(unwired.Compute(), kFatal);
    EXPECT_EQ(unwired.Check(), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "An input of the pipe is not connected");

    PipeRig rig;
    EXPECT_EQ(rig.pipe.SetParameters(1, -3), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Negative pipe length: -3 m");
    EXPECT_EQ(rig.pipe.SetParameters(-1, 3), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Negative loss coefficient: -1 W/m K");
    EXPECT_EQ(rig.pipe.Compute(), kFatal);
    ASSERT_EQ(rig.pipe.SetParameters(1, 3), kOk);

    rig.cp = -1;
    EXPECT_EQ(rig.pipe.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "Negative specific heat: -1 J/kg K");
    rig.cp = 4000;
    rig.flow = -0.2;
    EXPECT_EQ(rig.pipe.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "Negative flow: -0.2 kg/s");
    EXPECT_EQ(rig.pipe.heatLoss, 0);
}

TEST_F(LoopTest, PipeParameterLineRoundTrip) {
    PipeRig rig;
    ASSERT_EQ(rig.pipe.SetParameters(0.3, 12.125), kOk);
    const std::string line = test::ParameterLine(rig.pipe);
    EXPECT_EQ(line, "0.29999999999999999 12.125\n");

    PipeRig back;
    std::istringstream in(line);
    EXPECT_EQ(back.pipe.ReadParameters(in, 30000), 0);
    double coefficient, length;
    back.pipe.GetParameters(coefficient, length);
    EXPECT_EQ(coefficient, 0.3);
    EXPECT_EQ(length, 12.125);
}

// ---- Heat exchanger ----

struct ExchangerRig {
    double coldInlet = 20;
    double hotInlet = 80;
    double coldFlow = 1.0;
    double hotFlow = 0.5;
    double coldCp = 4180;
    double hotCp = 4000;
    HeatExchanger exchanger;
    ExchangerRig() {
        exchanger.SetInputs(&coldInlet, &hotInlet, &coldFlow, &hotFlow, &coldCp, &hotCp);
    }
};

TEST_F(LoopTest, ExchangerConservesEnergy) {
    ExchangerRig rig;
    ASSERT_EQ(rig.exchanger.SetEffectiveness(0.6), kOk);
    ASSERT_EQ(rig.exchanger.Compute(), kOk);
    // Cmin = 0.5 x 4000 = 2000 W/K (hot side); 0.6 x 2000 x 60 K = 72000 W.
    EXPECT_NEAR(rig.exchanger.heat, 72000, 1e-8);
    const double coldGain = rig.coldFlow * rig.coldCp * (rig.exchanger.coldOutletTemperature - 20);
    const double hotLoss = rig.hotFlow * rig.hotCp * (80 - rig.exchanger.hotOutletTemperature);
    EXPECT_NEAR(coldGain, 72000, 1e-8);
    EXPECT_NEAR(hotLoss, 72000, 1e-8);
    // The side with the smaller capacity rate moves by effectiveness x inlet difference.
    EXPECT_NEAR(rig.exchanger.hotOutletTemperature, 80 - 0.6 * 60, 1e-12);

    // Cold side limiting, and heat flowing the other way when the "hot" inlet is colder.
    rig.coldFlow = 0.2;  // 836 W/K
    rig.hotInlet = 10;
    ASSERT_EQ(rig.exchanger.Compute(), kOk);
    EXPECT_NEAR(rig.exchanger.heat, 0.6 * 836 * (10 - 20), 1e-9);
    EXPECT_NEAR(rig.exchanger.coldOutletTemperature, 20 - 0.6 * 10, 1e-12);
    EXPECT_NEAR(rig.hotFlow * rig.hotCp * (rig.exchanger.hotOutletTemperature - 10),
                -rig.exchanger.heat, 1e-9);
}

TEST_F(LoopTest, PerfectExchangerWithEqualRatesSwapsTemperatures) {
    ExchangerRig rig;
    rig.coldFlow = 0.5;
    rig.coldCp = 4000;
    ASSERT_EQ(rig.exchanger.SetEffectiveness(1), kOk);
    ASSERT_EQ(rig.exchanger.Compute(), kOk);
    EXPECT_DOUBLE_EQ(rig.exchanger.coldOutletTemperature, 80);
    EXPECT_DOUBLE_EQ(rig.exchanger.hotOutletTemperature, 20);
}

TEST_F(LoopTest, ExchangerWithAStoppedStreamTransfersNothing) {
    ExchangerRig rig;
    ASSERT_EQ(rig.exchanger.SetEffectiveness(0.6), kOk);
    ASSERT_EQ(rig.exchanger.Compute(), kOk);
    const double hotOutlet = rig.exchanger.hotOutletTemperature;
    rig.hotFlow = 0;
    rig.coldInlet = 25;
    ASSERT_EQ(rig.exchanger.Compute(), kOk);
    EXPECT_EQ(rig.exchanger.heat, 0);
    EXPECT_EQ(rig.exchanger.hotOutletTemperature, hotOutlet);  // held
    EXPECT_EQ(rig.exchanger.coldOutletTemperature, 25);        // passes through

    rig.hotFlow = 0.5;
    rig.coldFlow = 0;
    const double coldOutlet = rig.exchanger.coldOutletTemperature;
    ASSERT_EQ(rig.exchanger.Compute(), kOk);
    EXPECT_EQ(rig.exchanger.heat, 0);
    EXPECT_EQ(rig.exchanger.coldOutletTemperature, coldOutlet);
    EXPECT_EQ(rig.exchanger.hotOutletTemperature, 80);
}

TEST_F(LoopTest, ExchangerChecksAndDomainErrors) {
    HeatExchanger unwired;
    EXPECT_EQ(unwired.SetEffectiveness(0.5), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "An input of the heat exchanger is not connected");

    ExchangerRig rig;
    EXPECT_EQ(rig.exchanger.SetEffectiveness(1.01), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Effectiveness 1.01 outside 0 to 1");
    EXPECT_EQ(rig.exchanger.SetEffectiveness(-0.1), kFatal);
    EXPECT_EQ(rig.exchanger.SetEffectiveness(std::nan("")), kFatal);
    EXPECT_EQ(rig.exchanger.Compute(), kFatal);
    ASSERT_EQ(rig.exchanger.SetEffectiveness(0), kOk);

    struct Case {
        double* value;
        double bad;
        const char* message;
    } cases[] = {
        {&rig.coldCp, 0, "Cold-side specific heat not positive: 0 J/kg K"},
        {&rig.hotCp, -1, "Hot-side specific heat not positive: -1 J/kg K"},
        {&rig.coldFlow, -0.5, "Negative cold-side flow: -0.5 kg/s"},
        {&rig.hotFlow, -2, "Negative hot-side flow: -2 kg/s"},
    };
    for (const Case& c : cases) {
        const double good = *c.value;
        *c.value = c.bad;
        EXPECT_EQ(rig.exchanger.Compute(), kDomain) << c.message;
        EXPECT_STREQ(ErrorMessageBuffer(), c.message);
        EXPECT_EQ(rig.exchanger.heat, 0);
        *c.value = good;
    }
}

TEST_F(LoopTest, ExchangerParameterLineRoundTrip) {
    ExchangerRig rig;
    ASSERT_EQ(rig.exchanger.SetEffectiveness(0.85), kOk);
    ExchangerRig back;
    std::istringstream in(test::ParameterLine(rig.exchanger));
    EXPECT_EQ(back.exchanger.ReadParameters(in, 30000), 0);
    EXPECT_EQ(back.exchanger.GetEffectiveness(), 0.85);
    EXPECT_EQ(back.exchanger.GetStatus(), kReady);

    std::istringstream outOfRange("2\n");
    EXPECT_EQ(back.exchanger.ReadParameters(outOfRange, 30000), 0);  // the stream is fine ...
    EXPECT_EQ(back.exchanger.GetStatus(), kNotReady);                // ... the check is not
}

}  // namespace

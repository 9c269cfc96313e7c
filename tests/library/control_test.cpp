#include "control.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "component_fixture.h"

namespace {

using ControlTest = test::ComponentTest;

// ---- Temperature-difference controller ----

struct ControllerRig {
    double hot = 30;
    double cold = 25;
    DeltaTController controller;
    ControllerRig(double dTOn = 5, double dTOff = 2, double limit = 100, int mode = 0) {
        controller.SetInputs(&hot, &cold);
        controller.SetParameters(dTOn, dTOff, limit, mode);
    }
    int OnAt(double deltaT) {
        hot = cold + deltaT;
        EXPECT_EQ(controller.Compute(), kOk);
        return controller.on;
    }
};

TEST_F(ControlTest, ControllerDeadBandActsThroughTheLatchedState) {
    ControllerRig rig;
    SolarBase& asComponent = rig.controller;  // latched through the common end-of-step slot

    EXPECT_EQ(rig.OnAt(3), 0);  // previously off: dT on applies
    EXPECT_EQ(rig.OnAt(5), 1);  // on at exactly dT on
    // Not latched yet: the previous state is still off, so dT on still applies.
    EXPECT_EQ(rig.OnAt(3), 0);

    EXPECT_EQ(rig.OnAt(6), 1);
    asComponent.LatchState();
    EXPECT_EQ(rig.controller.previousOn, 1);
    EXPECT_EQ(rig.OnAt(3), 1);  // inside the dead band: stays on
    EXPECT_EQ(rig.OnAt(2), 1);  // at exactly dT off
    EXPECT_EQ(rig.OnAt(1.9), 0);
    asComponent.LatchState();
    EXPECT_EQ(rig.controller.previousOn, 0);
    EXPECT_EQ(rig.OnAt(3), 0);  // off again: needs dT on to restart
}

TEST_F(ControlTest, ControllerHighLimitModes) {
    // Mode 0: the cold side above the limit forces off whatever dT is.
    ControllerRig coldLimited(5, 2, 28, 0);
    coldLimited.cold = 28.5;
    EXPECT_EQ(coldLimited.OnAt(20), 0);
    coldLimited.cold = 28;  // at the limit is allowed
    EXPECT_EQ(coldLimited.OnAt(20), 1);

    // Mode 1: the hot side is limited, the cold side is not.
    ControllerRig hotLimited(5, 2, 40, 1);
    hotLimited.cold = 35;
    EXPECT_EQ(hotLimited.OnAt(5.5), 0);  // hot 40.5
    EXPECT_EQ(hotLimited.OnAt(5), 1);    // hot 40
    hotLimited.cold = 60;
    EXPECT_EQ(hotLimited.OnAt(-30), 0);  // below dT on
    ControllerRig hotLimitedColdWarm(5, 2, 40, 1);
    hotLimitedColdWarm.cold = 30;
    hotLimitedColdWarm.hot = 39;
    ASSERT_EQ(hotLimitedColdWarm.controller.Compute(), kOk);
    EXPECT_EQ(hotLimitedColdWarm.controller.on, 1);

    // Other modes: no limit.
    ControllerRig unlimited(5, 2, 0, 2);
    unlimited.cold = 90;
    EXPECT_EQ(unlimited.OnAt(10), 1);

    // SetHighLimit returns to mode 0.
    hotLimited.controller.SetHighLimit(30);
    double dTOn, dTOff, limit;
    int mode;
    hotLimited.controller.GetParameters(dTOn, dTOff, limit, mode);
    EXPECT_EQ(limit, 30);
    EXPECT_EQ(mode, DeltaTController::kLimitColdSide);
    hotLimited.cold = 31;
    EXPECT_EQ(hotLimited.OnAt(10), 0);
}

TEST_F(ControlTest, ControllerCheck) {
    DeltaTController unwired;
    EXPECT_EQ(unwired.Compute(), kFatal);
    double hot = 1;
    EXPECT_EQ(unwired.SetInputs(&hot, nullptr), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "The hot-side or cold-side temperature of the controller is not connected");
}

TEST_F(ControlTest, ControllerParameterLineAndVersionGate) {
    ControllerRig rig(4.5, 1.25, 33.5, 1);
    std::ostringstream out;
    ASSERT_EQ(rig.controller.WriteParameters(out), 0);
    EXPECT_EQ(out.str(), "4.5 1.25 33.5 1\n");

    ControllerRig back(0, 0, 0, 0);
    std::istringstream in(out.str());
    EXPECT_EQ(back.controller.ReadParameters(in, kControllerLimitModeVersion), 0);
    double dTOn, dTOff, limit;
    int mode;
    back.controller.GetParameters(dTOn, dTOff, limit, mode);
    EXPECT_EQ(dTOn, 4.5);
    EXPECT_EQ(dTOff, 1.25);
    EXPECT_EQ(limit, 33.5);
    EXPECT_EQ(mode, 1);

    // Older files have no mode: it becomes 0, and anything left on the line is skipped.
    std::istringstream old("6 3 29\n7 2 31 1\n");
    EXPECT_EQ(back.controller.ReadParameters(old, kControllerLimitModeVersion - 1), 0);
    back.controller.GetParameters(dTOn, dTOff, limit, mode);
    EXPECT_EQ(dTOn, 6);
    EXPECT_EQ(limit, 29);
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(back.controller.ReadParameters(old, 10000), 0);
    back.controller.GetParameters(dTOn, dTOff, limit, mode);
    EXPECT_EQ(dTOn, 7);
    EXPECT_EQ(mode, 0);  // the trailing 1 is not read from an old file

    // A new file whose line lacks the mode fails.
    std::istringstream missing("6 3 29\n");
    EXPECT_EQ(back.controller.ReadParameters(missing, kControllerLimitModeVersion), 1);
}

// ---- Convergence promoter ----

// Runs a loop variable through `map` as the driver does: while the promoter asks for another
// iteration, the loop recomputes the variable from the promoter's guess. Returns the number of
// promoter calls, or -1 when `limit` calls did not converge.
int Iterate(ConvergencePromoter& promoter, double& variable,
            const std::function<double(double)>& map, int limit = 200,
            std::vector<double>* guesses = nullptr) {
    promoter.ClearHistory();
    for (int calls = 1; calls <= limit; ++calls) {
        const int result = promoter.Compute();
        if (result == kOk) return calls;
        EXPECT_EQ(result, kIterateAgain);
        if (result != kIterateAgain) return -1;
        if (guesses != nullptr) guesses->push_back(promoter.nextGuess);
        variable = map(promoter.nextGuess);
    }
    return -1;
}

TEST_F(ControlTest, PromoterSolvesALinearLoopInFourCalls) {
    // Substitution, substitution, secant (exact for a linear map), confirmation.
    struct Map {
        double slope, intercept;
    };
    for (const Map& m : {Map{0.5, 10}, Map{0.9, 2}, Map{2, -20}, Map{5, 3}}) {
        const double root = m.intercept / (1 - m.slope);
        double x = 0;
        ConvergencePromoter promoter;
        ASSERT_EQ(promoter.SetVariableAndTolerance(&x, 1e-6), kOk);
        const int calls = Iterate(promoter, x, [&](double g) { return m.slope * g + m.intercept; });
        EXPECT_EQ(calls, 4) << "slope " << m.slope;
        EXPECT_NEAR(x, root, 1e-6);
        EXPECT_NEAR(promoter.nextGuess, root, 1e-6);
    }
}

TEST_F(ControlTest, PromoterFirstCallsAndConstantLoops) {
    double x = 7;
    ConvergencePromoter promoter;
    ASSERT_EQ(promoter.SetVariableAndTolerance(&x, 0.01), kOk);
    // A loop whose value does not depend on the guess converges on the second call ...
    EXPECT_EQ(Iterate(promoter, x, [](double) { return 7.0; }), 2);
    // ... once the variable holds the loop's value; the first guess is the variable as it
    // stands, so from another start the first loop result is confirmed on the third call.
    x = 5;
    EXPECT_EQ(Iterate(promoter, x, [](double) { return 7.0; }), 3);
    EXPECT_EQ(x, 7);

    // Whatever the values, the first two calls ask for another iteration ...
    promoter.ClearHistory();
    x = 1;
    EXPECT_EQ(promoter.Compute(), kIterateAgain);
    EXPECT_EQ(promoter.nextGuess, 1);
    x = -40;
    EXPECT_EQ(promoter.Compute(), kIterateAgain);
    EXPECT_EQ(promoter.nextGuess, -40);
    // ... unless the second value repeats the first guess within the tolerance.
    promoter.ClearHistory();
    x = 1;
    EXPECT_EQ(promoter.Compute(), kIterateAgain);
    x = 1.009;
    EXPECT_EQ(promoter.Compute(), kOk);
}

TEST_F(ControlTest, PromoterBisectsABracketedRoot) {
    // An oscillating loop: substitution overshoots, so the root is bracketed at once.
    double x = 0;
    ConvergencePromoter promoter;
    const double tolerance = 1e-6;
    ASSERT_EQ(promoter.SetVariableAndTolerance(&x, tolerance), kOk);
    std::vector<double> guesses;
    const int calls = Iterate(
        promoter, x, [](double g) { return -0.5 * g + 30; }, 200, &guesses);
    ASSERT_GT(calls, 0);
    ASSERT_GE(guesses.size(), 5u);
    // 0 and f(0) = 30, then midpoints of the bracket around 20: 15, 22.5, 18.75.
    EXPECT_EQ(guesses[0], 0);
    EXPECT_EQ(guesses[1], 30);
    EXPECT_EQ(guesses[2], 15);
    EXPECT_EQ(guesses[3], 22.5);
    EXPECT_EQ(guesses[4], 18.75);
    EXPECT_NEAR(x, 20, 10 * tolerance);
    // Halving a 30 K bracket down to the tolerance takes about log2(30 / 1e-6) = 25 steps.
    EXPECT_LE(calls, 30);
}

TEST_F(ControlTest, PromoterUsesRegulaFalsiWhileTheRootIsNotBracketed) {
    // f(g) = g - ln(g / 2): the difference g - f(g) = ln(g / 2) is concave, so the secant from
    // two points below the root stays below it and regula falsi takes over.
    auto map = [](double g) { return g - std::log(g / 2); };
    double x = 1;
    ConvergencePromoter promoter;
    ASSERT_EQ(promoter.SetVariableAndTolerance(&x, 1e-9), kOk);
    std::vector<double> guesses;
    const int calls = Iterate(promoter, x, map, 200, &guesses);
    ASSERT_GE(guesses.size(), 4u);
    EXPECT_EQ(guesses[0], 1);
    EXPECT_NEAR(guesses[1], 1 + std::log(2.0), 1e-15);
    // Secant through (1, ln 0.5) and (1 + ln 2, ln((1 + ln 2) / 2)).
    EXPECT_NEAR(guesses[2], 1.9123870471471667, 1e-12);
    // Regula falsi through the last two points.
    const double d1 = std::log(guesses[1] / 2);
    const double d2 = std::log(guesses[2] / 2);
    EXPECT_NEAR(guesses[3], (guesses[1] * d2 - guesses[2] * d1) / (d2 - d1), 1e-12);
    EXPECT_NEAR(guesses[3], 1.9930422937245702, 1e-12);
    EXPECT_NEAR(x, 2, 1e-8);
    EXPECT_LE(calls, 8);  // superlinear
}

TEST_F(ControlTest, PromoterFallsBackToSubstitutionWhenTheNewPointIsWorse) {
    double y = 0;
    ConvergencePromoter promoter;
    ASSERT_EQ(promoter.SetVariableAndTolerance(&y, 1e-6), kOk);
    auto call = [&](double value) {
        y = value;
        return promoter.Compute();
    };
    EXPECT_EQ(call(0), kIterateAgain);  // g0 = 0
    EXPECT_EQ(call(1), kIterateAgain);  // d0 = -1, g1 = 1
    EXPECT_EQ(call(1.5), kIterateAgain);
    EXPECT_EQ(promoter.nextGuess, 2);  // secant: d1 = -0.5
    EXPECT_EQ(call(5), kIterateAgain);
    // d2 = -3 is no better than d1 = -0.5: substitute from g1 = 1, which gives 1.5.
    EXPECT_EQ(promoter.nextGuess, 1.5);
    // The history now holds (1, -0.5) and (1.5, d): a secant follows.
    EXPECT_EQ(call(1.75), kIterateAgain);
    EXPECT_EQ(promoter.nextGuess, 2);  // (1 x -0.25 - 1.5 x -0.5) / 0.25
    EXPECT_EQ(call(2), kOk);
}

TEST_F(ControlTest, PromoterStepsAboveWhenTheSlopeIsUseless) {
    // A loop that always adds 1 has no fixed point: equal differences give no slope, so the
    // promoter steps 10 x tolerance above the larger guess, and never converges.
    double x = 0;
    ConvergencePromoter promoter;
    ASSERT_EQ(promoter.SetVariableAndTolerance(&x, 0.01), kOk);
    std::vector<double> guesses;
    EXPECT_EQ(Iterate(
                  promoter, x, [](double g) { return g + 1; }, 100, &guesses),
              -1);
    ASSERT_EQ(guesses.size(), 100u);
    EXPECT_EQ(guesses[0], 0);
    EXPECT_EQ(guesses[1], 1);
    EXPECT_NEAR(guesses[2], 1.1, 1e-12);
    EXPECT_NEAR(guesses[3], 1.2, 1e-12);
    EXPECT_NEAR(guesses[99], 1 + 98 * 0.1, 1e-9);
}

TEST_F(ControlTest, PromoterChecksAndHistory) {
    ConvergencePromoter promoter;
    EXPECT_EQ(promoter.Compute(), kFatal);
    EXPECT_EQ(promoter.SetTolerance(0.1), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "No variable to iterate on");
    double x = 3;
    EXPECT_EQ(promoter.SetVariableAndTolerance(&x, 0), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Convergence tolerance not positive: 0");
    EXPECT_EQ(promoter.SetTolerance(-1), kFatal);
    EXPECT_EQ(promoter.Compute(), kFatal);
    ASSERT_EQ(promoter.SetTolerance(0.5), kOk);

    // Setting the tolerance forgets the guesses: the next call starts a new iteration.
    EXPECT_EQ(promoter.Compute(), kIterateAgain);
    x = 3.1;
    ASSERT_EQ(promoter.SetTolerance(0.01), kOk);
    EXPECT_EQ(promoter.Compute(), kIterateAgain);
    EXPECT_EQ(promoter.nextGuess, 3.1);
}

TEST_F(ControlTest, PromoterParameterLineRoundTrip) {
    double x = 0;
    ConvergencePromoter promoter;
    ASSERT_EQ(promoter.SetVariableAndTolerance(&x, 1e-4), kOk);
    std::ostringstream out;
    out.precision(17);
    ASSERT_EQ(promoter.WriteParameters(out), 0);

    ConvergencePromoter back;
    back.SetVariable(&x);
    std::istringstream in(out.str());
    EXPECT_EQ(back.ReadParameters(in, 30000), 0);
    EXPECT_EQ(back.GetTolerance(), 1e-4);
    EXPECT_EQ(back.GetStatus(), kReady);
}

// ---- Integrators ----

TEST_F(ControlTest, EulerIntegratorConstantDerivativeIsExact) {
    double state = 10, derivative = 0.5, step = 3600;
    EulerIntegrator euler;
    Integrator& integrator = euler;
    ASSERT_EQ(integrator.Init(&state, &derivative, &step), kOk);
    ASSERT_EQ(integrator.Compute(), kOk);
    EXPECT_EQ(integrator.newState, 1810);
}

// Newton cooling dT/dt = -k (T - Ta) from T0 over a fixed time, in n Euler steps.
double EulerCooling(int n, double totalTime) {
    const double k = 1e-4, ambient = 10;
    double state = 30, derivative = 0, step = totalTime / n;
    EulerIntegrator euler;
    EXPECT_EQ(euler.SetInputs(&state, &derivative, &step), kOk);
    for (int i = 0; i < n; ++i) {
        derivative = -k * (state - ambient);
        EXPECT_EQ(euler.Compute(), kOk);
        state = euler.newState;
    }
    return state;
}

TEST_F(ControlTest, EulerIntegratorAgainstNewtonCooling) {
    const double total = 36000;  // k t = 3.6
    // The discrete solution of the explicit scheme: Ta + (T0 - Ta)(1 - k dt)^n.
    EXPECT_NEAR(EulerCooling(100, total), 10 + 20 * std::pow(1 - 1e-4 * 360, 100), 1e-10);
    // The scheme is first order: halving the step halves the error against exp(-k t).
    const double exact = 10 + 20 * std::exp(-3.6);
    const double coarse = EulerCooling(100, total) - exact;
    const double fine = EulerCooling(200, total) - exact;
    EXPECT_LT(coarse, 0);  // explicit Euler cools too fast
    EXPECT_NEAR(coarse / fine, 2.0, 0.1);
    EXPECT_NEAR(EulerCooling(100000, total), exact, 1e-3);
}

TEST_F(ControlTest, IntegratorCheck) {
    EulerIntegrator euler;
    EXPECT_EQ(euler.Compute(), kFatal);
    double state = 1, step = 1;
    EXPECT_EQ(euler.Init(&state, nullptr, &step), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "The state, derivative or time step of the integrator is not connected");
    EXPECT_EQ(euler.Compute(), kFatal);
    EXPECT_EQ(euler.GetTypeId(), kTypeEulerIntegrator);
}

}  // namespace

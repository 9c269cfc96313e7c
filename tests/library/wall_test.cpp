#include "wall.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <sstream>
#include <vector>

#include "test_support.h"

namespace {

std::string Message() {
    return ErrorMessageBuffer();
}

class WallTest : public ::testing::Test {
  protected:
    void SetUp() override { test::InstallMessageFile(); }
    test::ScopedTempDir dir_;
    double time_ = 0;
    double t1_ = 20;
    double t2_ = -10;
};

TEST_F(WallTest, CheckRefusesBadParameters) {
    Wall wall;
    EXPECT_EQ(wall.Compute(), kFatal);
    EXPECT_EQ(wall.SetInputs(nullptr, &t1_, &t2_), kFatal);
    EXPECT_EQ(Message(), "No time input");
    const double r[2] = {0.1, 0.2};
    const double a[2] = {10, 20};
    const double b[2] = {800, 900};
    EXPECT_EQ(wall.SetInputsAndParameters(&time_, &t1_, &t2_, 0, r, a, b, 0, 0), kFatal);
    EXPECT_EQ(Message(), "Node count 0 is below 1");

    struct Case {
        double r1, a1, b1, face1, face2;
        const char* message;
    };
    const Case cases[] = {
        {0, 20, 900, 0, 0, "Node 2: layer resistance 0 is not above 0"},
        {0.2, -1, 900, 0, 0, "Node 2: capacity factor a -1 is not above 0"},
        {0.2, 20, 0, 0, 0, "Node 2: capacity factor b 0 is not above 0"},
        {0.2, 20, 900, -0.5, 0, "Face 1 surface resistance -0.5 is below 0"},
        {0.2, 20, 900, 0, -0.25, "Face 2 surface resistance -0.25 is below 0"},
    };
    for (const Case& c : cases) {
        const double rr[2] = {0.1, c.r1};
        const double aa[2] = {10, c.a1};
        const double bb[2] = {800, c.b1};
        EXPECT_EQ(wall.SetParameters(2, rr, aa, bb, c.face1, c.face2), kFatal);
        EXPECT_EQ(Message(), c.message);
    }
    EXPECT_EQ(wall.SetParameters(2, r, a, b, 0, 0), kOk);
    EXPECT_EQ(wall.GetNodeCount(), 2);
}

TEST_F(WallTest, SingleNodeDecaysWithItsTimeConstant) {
    // One layer tied to 20 degC through half its resistance: tau = a b R / 2.
    const double r = 0.1, a = 100, b = 1000, dt = 3600;
    const double tau = a * b * r / 2;
    Wall wall;
    ASSERT_EQ(wall.SetInputsAndParameters(&time_, &t1_, nullptr, 1, &r, &a, &b, 0, 0), kOk);
    time_ = 3600;
    ASSERT_EQ(wall.Compute(), kOk);  // the first call fixes the starting time only
    EXPECT_EQ(wall.nodeTemperature[0], 0);
    ASSERT_EQ(wall.Compute(), kOk);  // again at the same time: still nothing to step
    EXPECT_EQ(wall.nodeTemperature[0], 0);
    for (int n = 1; n <= 6; ++n) {
        time_ += dt;
        ASSERT_EQ(wall.Compute(), kOk) << Message();
        const double expected = 20 + (0 - 20) / std::pow(1 + dt / tau, n);
        EXPECT_NEAR(wall.nodeTemperature[0], expected, 1e-10) << n;
        EXPECT_NEAR(wall.heatFlowIn, (20 - expected) * 2 / r, 1e-9);
        EXPECT_EQ(wall.heatFlowOut, 0);
        EXPECT_NEAR(wall.nodeHeatBalance[0], wall.heatFlowIn, 1e-12);
    }
}

TEST_F(WallTest, RepeatedComputeStartsFromTheSameCommittedState) {
    const double r = 0.1, a = 100, b = 1000;
    const double factor = 1 / (1 + 3600 / (a * b * r / 2));
    Wall wall;
    ASSERT_EQ(wall.SetInputsAndParameters(&time_, &t1_, nullptr, 1, &r, &a, &b, 0, 0), kOk);
    time_ = 0;
    ASSERT_EQ(wall.Compute(), kOk);
    time_ = 3600;
    ASSERT_EQ(wall.Compute(), kOk);
    const double first = wall.nodeTemperature[0];
    EXPECT_NEAR(first, 20 * (1 - factor), 1e-10);
    // An iteration within the step: another boundary value, the same starting state.
    t1_ = 30;
    ASSERT_EQ(wall.Compute(), kOk);
    EXPECT_NEAR(wall.nodeTemperature[0], 30 * (1 - factor), 1e-10);
    ASSERT_EQ(wall.Compute(), kOk);
    EXPECT_NEAR(wall.nodeTemperature[0], 30 * (1 - factor), 1e-10);
    // The next time commits the last computed state.
    time_ = 7200;
    ASSERT_EQ(wall.Compute(), kOk);
    const double last = 30 * (1 - factor);
    EXPECT_NEAR(wall.nodeTemperature[0], 30 + (last - 30) * factor, 1e-10);

    // Going back to the committed time is refused.
    time_ = 3600;
    EXPECT_EQ(wall.Compute(), kFatal);
    EXPECT_EQ(Message(), "Time 3600 is not after the previous time 3600");
    EXPECT_EQ(wall.GetStatus(), kNotReady);
    EXPECT_EQ(wall.Compute(), kFatal);
}

TEST_F(WallTest, AdiabaticFacesKeepTheTemperatures) {
    const double r[3] = {0.1, 1, 0.2};
    const double a[3] = {10, 20, 30};
    const double b[3] = {800, 900, 1000};
    Wall wall;
    ASSERT_EQ(wall.SetInputsAndParameters(&time_, nullptr, nullptr, 3, r, a, b, 0.1, 0.1), kOk);
    wall.nodeTemperature = {15, 15, 15};
    for (time_ = 0; time_ <= 36000; time_ += 3600) ASSERT_EQ(wall.Compute(), kOk);
    for (double t : wall.nodeTemperature) EXPECT_NEAR(t, 15, 1e-12);
    EXPECT_EQ(wall.heatFlowIn, 0);
    EXPECT_EQ(wall.heatFlowOut, 0);
}

TEST_F(WallTest, SteadyFluxIsTheTemperatureDifferenceOverTheTotalResistance) {
    const double r[3] = {0.05, 0.5, 0.1};
    const double a[3] = {20, 5, 200};
    const double b[3] = {900, 1500, 840};
    const double face1 = 0.04, face2 = 0.13;
    Wall wall;
    ASSERT_EQ(wall.SetInputsAndParameters(&time_, &t1_, &t2_, 3, r, a, b, face1, face2), kOk);
    for (time_ = 0; time_ <= 400 * 86400.0; time_ += 86400) ASSERT_EQ(wall.Compute(), kOk);
    const double total = face1 + r[0] + r[1] + r[2] + face2;
    const double q = (t1_ - t2_) / total;
    EXPECT_NEAR(wall.heatFlowIn, q, 1e-9);
    EXPECT_NEAR(wall.heatFlowOut, q, 1e-9);
    // Node temperatures lie on the straight resistance line, at each layer's middle.
    EXPECT_NEAR(wall.nodeTemperature[0], t1_ - q * (face1 + r[0] / 2), 1e-9);
    EXPECT_NEAR(wall.nodeTemperature[1], t1_ - q * (face1 + r[0] + r[1] / 2), 1e-9);
    EXPECT_NEAR(wall.nodeTemperature[2], t2_ + q * (face2 + r[2] / 2), 1e-9);
    for (double balance : wall.nodeHeatBalance) EXPECT_NEAR(balance, 0, 1e-9);
}

TEST_F(WallTest, StoredEnergyEqualsHeatInMinusHeatOut) {
    const int n = 4;
    const double r[n] = {0.02, 0.3, 0.3, 0.05};
    const double a[n] = {15, 40, 40, 10};
    const double b[n] = {900, 1000, 1000, 1200};
    Wall wall;
    ASSERT_EQ(wall.SetInputsAndParameters(&time_, &t1_, &t2_, n, r, a, b, 0.04, 0.12), kOk);
    wall.nodeTemperature = {5, 8, 11, 3};
    time_ = 0;
    ASSERT_EQ(wall.Compute(), kOk);
    double stored = 0, supplied = 0;
    for (int step = 1; step <= 72; ++step) {
        const std::vector<double> before = wall.nodeTemperature;
        const double dt = step % 3 == 0 ? 1800 : 3600;
        time_ += dt;
        t1_ = 25 + 15 * std::sin(step * 0.26);
        t2_ = 5 * std::cos(step * 0.2);
        ASSERT_EQ(wall.Compute(), kOk);
        double change = 0;
        for (int i = 0; i < n; ++i) {
            const double nodeChange = a[i] * b[i] * (wall.nodeTemperature[i] - before[i]) / dt;
            EXPECT_NEAR(nodeChange, wall.nodeHeatBalance[i], 1e-8) << step << " " << i;
            change += nodeChange;
        }
        const double balance =
            std::accumulate(wall.nodeHeatBalance.begin(), wall.nodeHeatBalance.end(), 0.0);
        EXPECT_NEAR(balance, wall.heatFlowIn - wall.heatFlowOut, 1e-8);
        stored += change * dt;
        supplied += (wall.heatFlowIn - wall.heatFlowOut) * dt;
    }
    EXPECT_NEAR(stored, supplied, 1e-6 * std::fabs(supplied) + 1e-6);
    EXPECT_NE(supplied, 0);
}

TEST_F(WallTest, CheckStartsAFreshRunFromThePresentState) {
    const double r = 0.1, a = 100, b = 1000;
    Wall wall;
    ASSERT_EQ(wall.SetInputsAndParameters(&time_, &t1_, nullptr, 1, &r, &a, &b, 0, 0), kOk);
    time_ = 0;
    wall.Compute();
    time_ = 3600;
    wall.Compute();
    const double reached = wall.nodeTemperature[0];
    ASSERT_EQ(wall.Check(), kOk);
    time_ = 0;  // a new run may start its clock again
    ASSERT_EQ(wall.Compute(), kOk);
    EXPECT_EQ(wall.nodeTemperature[0], reached);
}

TEST_F(WallTest, NewParametersOrFacesTakeEffectAtTheSameTimeStep) {
    // The step's matrix is kept while the steps keep their length: new layers, or a face made
    // adiabatic, must not be solved with the old one.
    const double r[2] = {0.1, 0.2}, a[2] = {100, 100}, b[2] = {1000, 1000};
    const double thicker[2] = {0.4, 0.2};
    Wall changed, fresh;
    ASSERT_EQ(changed.SetInputsAndParameters(&time_, &t1_, &t2_, 2, r, a, b, 0.1, 0.1), kOk);
    time_ = 0;
    changed.Compute();
    time_ = 3600;
    changed.Compute();
    ASSERT_EQ(changed.SetParameters(2, thicker, a, b, 0.1, 0.1), kOk);
    ASSERT_EQ(fresh.SetInputsAndParameters(&time_, &t1_, &t2_, 2, thicker, a, b, 0.1, 0.1), kOk);
    for (Wall* wall : {&changed, &fresh}) {
        wall->nodeTemperature = {5, 5};
        for (time_ = 0; time_ <= 7200; time_ += 3600) ASSERT_EQ(wall->Compute(), kOk);
    }
    EXPECT_EQ(changed.nodeTemperature, fresh.nodeTemperature);
    EXPECT_EQ(changed.heatFlowIn, fresh.heatFlowIn);

    ASSERT_EQ(changed.SetInputs(&time_, &t1_, nullptr), kOk);
    for (time_ = 0; time_ <= 7200; time_ += 3600) ASSERT_EQ(changed.Compute(), kOk);
    EXPECT_EQ(changed.heatFlowOut, 0);
}

TEST_F(WallTest, ParameterLinesRoundTrip) {
    const double r[3] = {0.125, 2.5, 0.0625};
    const double a[3] = {12, 250, 7.5};
    const double b[3] = {880, 1400, 2000};
    Wall wall;
    ASSERT_EQ(wall.SetInputsAndParameters(&time_, &t1_, &t2_, 3, r, a, b, 0.04, 0.125), kOk);
    std::stringstream stream;
    ASSERT_EQ(wall.WriteParameters(stream), 0);
    EXPECT_EQ(stream.str(), "0.04 0.125 3\n0.125 2.5 0.0625 \n12 250 7.5 \n880 1400 2000 \n");
    stream << "next line\n";

    Wall copy;
    copy.SetInputs(&time_, nullptr, nullptr);
    ASSERT_EQ(copy.ReadParameters(stream, 0), 0);
    EXPECT_EQ(copy.GetStatus(), kOk);
    std::stringstream again;
    copy.WriteParameters(again);
    EXPECT_EQ(again.str(), "0.04 0.125 3\n0.125 2.5 0.0625 \n12 250 7.5 \n880 1400 2000 \n");
    std::string rest;
    std::getline(stream, rest);
    EXPECT_EQ(rest, "next line");

    std::stringstream truncated("0.04 0.125 3\n0.1 0.2");
    EXPECT_EQ(copy.ReadParameters(truncated, 0), 1);
}

}  // namespace

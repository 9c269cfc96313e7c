// The collectors' refusals: errors while computing, their check of the parameters, and their
// parameter lines written and read back, of this version and the older ones.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "collector_rigs.h"
#include "collectors.h"
#include "component_fixture.h"
#include "reference_values.h"
#include "test_support.h"

namespace {

using CollectorMessages = test::ComponentTest;

using test::Radians;

TEST_F(CollectorMessages, ComputeErrors) {
    {
        GlazedRig rig;
        ASSERT_EQ(rig.set(1, 1, 1, TestData()), kOk);
        rig.flow = -0.1;
        EXPECT_EQ(rig.collector.Compute(), kDomain);
        EXPECT_STREQ(ErrorMessageBuffer(), "Collector flow rate is negative (-0.1 kg/s)");
        rig.flow = 0.02;
        rig.cp = 0;
        EXPECT_EQ(rig.collector.Compute(), kDomain);
        EXPECT_STREQ(ErrorMessageBuffer(),
                     "Specific heat of the collector fluid must be above 0 (0 J/kg.K)");
        rig.cp = 4200;
        const Table negative({0, 60}, {1, 0});  // extrapolates below 0 past 60 degrees
        ASSERT_EQ(rig.set(1, 1, 1, TestData(), 1, &negative), kOk);
        rig.theta = Radians(80);
        EXPECT_EQ(rig.collector.Compute(), kDomain);
        EXPECT_EQ(std::string(ErrorMessageBuffer()).rfind("Incidence angle modifier", 0), 0u);

        TestData t;
        t.a = 1.2;
        ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
        EXPECT_EQ(rig.collector.Compute(), kDomain);
        EXPECT_STREQ(ErrorMessageBuffer(),
                     "Collector absorption coefficient A - B.dT outside 0..1 (1.2)");
        EXPECT_EQ(rig.collector.GetStatus(), kReady);

        t.a = 0.75;
        t.c = 50;  // U A = 100 W/K exceeds the test flow's 84 W/K
        ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
        EXPECT_EQ(rig.collector.Compute(), kFatal);
        EXPECT_EQ(std::string(ErrorMessageBuffer()).rfind("Collector loss coefficient", 0), 0u);
        EXPECT_EQ(rig.collector.GetStatus(), kNotReady);
        EXPECT_EQ(rig.collector.Compute(), kFatal);
    }
    {
        UnglazedRig rig;
        TestData t;
        ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
        rig.wind = -1;
        EXPECT_EQ(rig.collector.Compute(), kDomain);
        EXPECT_STREQ(ErrorMessageBuffer(), "Wind speed at the collector is negative (-1 m/s)");
        rig.wind = 2;
        t.b = 0.5;  // A - B V = -0.25
        ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
        EXPECT_EQ(rig.collector.Compute(), kDomain);
        EXPECT_STREQ(ErrorMessageBuffer(),
                     "Collector absorption coefficient A - B.V outside 0..1 (-0.25)");
        t.b = 0;
        t.c = 50;
        ASSERT_EQ(rig.set(1, 1, 1, t), kOk);
        EXPECT_EQ(rig.collector.Compute(), kFatal);
        EXPECT_EQ(rig.collector.GetStatus(), kNotReady);
    }
}

TEST_F(CollectorMessages, CheckRefusesBadValues) {
    GlazedCollector fresh;
    EXPECT_EQ(fresh.Compute(), kFatal);
    EXPECT_EQ(fresh.Check(), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Glazed collector: an input is not connected");

    GlazedRig rig;
    TestData t;
    EXPECT_EQ(rig.set(0, 1, 1, t), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Collectors in series must be at least 1 (0)");
    EXPECT_EQ(rig.set(1, 0.5, 1, t), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Groups per bank must be at least 1 (0.5)");
    EXPECT_EQ(rig.set(1, 1, 0, t), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Number of collector banks must be at least 1 (0)");
    t.area = 0;
    EXPECT_EQ(rig.set(1, 1, 1, t), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Collector area must be above 0 m2 (0)");
    t.area = 2;
    t.testFlow = 0;
    EXPECT_EQ(rig.set(1, 1, 1, t), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Collector test flow rate must be above 0 kg/s (0)");
    EXPECT_EQ(rig.collector.Compute(), kFatal);
    t.testFlow = 0.02;
    const Table repeated({0, 30, 30, 60}, {1, 0.98, 0.97, 0.9});
    EXPECT_EQ(rig.set(1, 1, 1, t, 0, &repeated), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Incidence angles of modifier table 1 must increase (row 3)");
    EXPECT_EQ(rig.set(1, 1, 1, t, 2, nullptr, &repeated), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Incidence angles of modifier table 2 must increase (row 3)");
    EXPECT_EQ(rig.set(1, 1, 1, t), kOk);

    UnglazedRig u;
    EXPECT_EQ(u.set(1, 1, 1, t, -1), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Collector wind correction factor must not be negative (-1)");
    EXPECT_EQ(u.set(1, 1, 1, t, 0), kOk);
    EXPECT_EQ(u.collector.SetInputs(&u.h, &u.theta, nullptr, &u.tin, &u.tamb, &u.tsky, &u.wind,
                                    &u.flow, &u.cp, nullptr, &u.additionalLoss),
              kFatal);  // the slope is required
    EXPECT_STREQ(ErrorMessageBuffer(), "Unglazed collector: an input is not connected");
    EXPECT_EQ(u.collector.SetInputs(&u.h, &u.theta, nullptr, &u.tin, &u.tamb, &u.tsky, &u.wind,
                                    &u.flow, &u.cp, &u.slope, nullptr),
              kFatal);  // and so is the additional loss
    EXPECT_STREQ(ErrorMessageBuffer(), "Unglazed collector: an input is not connected");
    double loss = 100;  // W/m2 taken by what the collector sits on
    EXPECT_EQ(u.collector.SetInputs(&u.h, &u.theta, nullptr, &u.tin, &u.tamb, &u.tsky, &u.wind,
                                    &u.flow, &u.cp, &u.slope, &loss),
              kOk);
    ASSERT_EQ(u.collector.Compute(), kOk);
    u.tin = u.tamb;
    ASSERT_EQ(u.collector.Compute(), kOk);
    EXPECT_NEAR(u.collector.usefulGain, (0.75 * 700 - 100) * 2, 1e-9);
    EXPECT_EQ(u.collector.GetWindCorrectionFactor(), 0);
    EXPECT_EQ(u.collector.GetSeriesCount(), 1);
    EXPECT_EQ(u.collector.GetGroupsPerBank(), 1);
    EXPECT_EQ(u.collector.GetBankCount(), 1);
    EXPECT_EQ(u.collector.GetCollectorArea(), 2);
}

TEST(GlazedCollector, ParameterLinesRoundTrip) {
    GlazedRig rig;
    // Values that print exactly.
    TestData t{2.25, 0.75, 0.0009765625, 3.875, 0.015625, 1.5, 0.03125};
    const Table one({0, 20, 40, 60, 80}, {1, 0.96875, 0.9375, 0.875, 0.5});
    const Table two({0, 45, 70}, {1, 0.9375, 0.75});
    ASSERT_EQ(rig.set(3, 2.5, 4, t, 2, &one, &two), kOk);
    const std::string written = test::ParameterLine(rig.collector);
    EXPECT_EQ(written.substr(written.find('\n') + 1),
              "2 5 0 1 20 0.96875 40 0.9375 60 0.875 80 0.5 3 0 1 45 0.9375 70 0.75\n");

    GlazedRig copy;
    std::istringstream in(written + "next");
    EXPECT_EQ(copy.collector.ReadParameters(in, 20002), 0);
    EXPECT_EQ(copy.collector.GetStatus(), kReady);
    EXPECT_EQ(test::ParameterLine(copy.collector), written);
    std::string rest;
    in >> rest;
    EXPECT_EQ(rest, "next");

    int series, banks, mode, count1, count2;
    double groups, area, a, b, c, d, e, testFlow;
    const double* const* table1;
    const double* const* table2;
    copy.collector.GetParameters(series, groups, banks, area, a, b, c, d, e, testFlow, mode, count1,
                                 table1, count2, table2);
    EXPECT_EQ(series, 3);
    EXPECT_EQ(banks, 4);
    EXPECT_EQ(mode, 2);
    EXPECT_EQ(count1, 5);
    EXPECT_EQ(count2, 3);
    EXPECT_EQ(table1[0][4], 80);
    EXPECT_EQ(table1[1][4], 0.5);
    EXPECT_EQ(table2[1][2], 0.75);
    EXPECT_EQ(testFlow, 0.03125);

    // Setting a table of another size, and no table.
    const Table shorter({0, 90}, {1, 0});
    ASSERT_EQ(copy.set(1, 1, 1, t, 1, &shorter), kOk);
    EXPECT_EQ(test::ParameterLine(copy.collector)
                  .substr(test::ParameterLine(copy.collector).find('\n') + 1),
              "1 2 0 1 90 0 0\n");
}

TEST(GlazedCollector, OlderParameterLines) {
    // Before 10110 there is no bank count; up to 20000 the line of the modifier holds one table
    // whose count stands in place of the mode.
    GlazedRig rig;
    std::istringstream in(
        "2 3 2.5 0.75 0.001 4 0.01 2 0.03\r\n5 0 1 30 0.96875 50 0.9375 70 0.75 90 0\n");
    EXPECT_EQ(rig.collector.ReadParameters(in, 10105), 0);
    EXPECT_EQ(rig.collector.GetStatus(), kReady);
    EXPECT_EQ(rig.collector.GetSeriesCount(), 2);
    EXPECT_EQ(rig.collector.GetGroupsPerBank(), 3);
    EXPECT_EQ(rig.collector.GetBankCount(), 1);
    EXPECT_EQ(rig.collector.GetCollectorArea(), 2.5);
    const std::string written = test::ParameterLine(rig.collector);
    EXPECT_EQ(written.substr(written.find('\n') + 1),
              "1 5 0 1 30 0.96875 50 0.9375 70 0.75 90 0 0\n");

    std::istringstream none("1 1 2 0.7 0 4 0 0 0.02\n0\n");
    EXPECT_EQ(rig.collector.ReadParameters(none, 10105), 0);
    const std::string empty = test::ParameterLine(rig.collector);
    EXPECT_EQ(empty.substr(empty.find('\n') + 1), "0 0 0\n");

    std::istringstream banks("1 1 3 2 0.7 0 4 0 0 0.02\n0\n");
    EXPECT_EQ(rig.collector.ReadParameters(banks, 10110), 0);
    EXPECT_EQ(rig.collector.GetBankCount(), 3);

    std::istringstream truncated("1 1 3 2 0.7 0 4 0 0 0.02\n1 4 0 1 30\n");
    EXPECT_EQ(rig.collector.ReadParameters(truncated, 20002), 1);
    std::istringstream negative("1 1 3 2 0.7 0 4 0 0 0.02\n1 -2 0 0\n");
    EXPECT_EQ(rig.collector.ReadParameters(negative, 20002), 1);
}

TEST(UnglazedCollector, ParameterLinesRoundTrip) {
    UnglazedRig rig;
    TestData t{3.5, 0.875, 0.03125, 12, 2.5, 0, 0.0625};
    const Table one({0, 45, 90}, {1, 0.875, 0});
    ASSERT_EQ(rig.set(1, 12, 2, t, 0.75, 1.25, 1, &one), kOk);
    const std::string written = test::ParameterLine(rig.collector);
    // The test flow comes before the two wind values.
    EXPECT_EQ(written,
              "1 12 2 3.5 0.875 0.03125 12 2.5 0 0.0625 0.75 1.25\n1 3 0 1 45 0.875 90 0 0\n");

    UnglazedRig copy;
    std::istringstream in(written);
    EXPECT_EQ(copy.collector.ReadParameters(in, 20002), 0);
    EXPECT_EQ(test::ParameterLine(copy.collector), written);
    EXPECT_EQ(copy.collector.GetWindCorrectionFactor(), 0.75);

    // Up to 10103 no minimum wind speed: the present value stays; before 10110 one bank.
    UnglazedRig old;
    ASSERT_EQ(old.set(1, 1, 1, t, 1, 0.25), kOk);
    std::istringstream older("1 6 3.5 0.875 0.03125 12 2.5 0 0.0625 0.5\n0\n");
    EXPECT_EQ(old.collector.ReadParameters(older, 10103), 0);
    const std::string first = test::ParameterLine(old.collector);
    EXPECT_EQ(first.substr(0, first.find('\n')),
              "1 6 1 3.5 0.875 0.03125 12 2.5 0 0.0625 0.5 0.25");
}

}  // namespace

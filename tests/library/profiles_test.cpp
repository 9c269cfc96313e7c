#include "profiles.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <string>

#include "component_fixture.h"

namespace {

using ProfilesTest = test::ComponentTest;

// ---- Monthly profile ----

struct MonthlyRig {
    int month = 1;
    MonthlyProfile profile;
    MonthlyRig() {
        double values[12];
        for (int m = 1; m <= 12; ++m) values[m - 1] = 100 + m;  // January 101 ... December 112
        profile.SetInputs(&month);
        profile.SetValues(values);
    }
};

TEST_F(ProfilesTest, MonthlyProfileFirstAndLastMonth) {
    MonthlyRig rig;
    ASSERT_EQ(rig.profile.GetStatus(), kReady);
    for (int m = 1; m <= 12; ++m) {
        rig.month = m;
        ASSERT_EQ(rig.profile.Compute(), kOk);
        EXPECT_EQ(rig.profile.value, 100 + m) << "month " << m;
    }
}

TEST_F(ProfilesTest, MonthlyProfileRefusesMonthsOutsideTheYear) {
    MonthlyRig rig;
    rig.month = 5;
    ASSERT_EQ(rig.profile.Compute(), kOk);
    for (int bad : {0, 13, -1}) {
        rig.month = bad;
        EXPECT_EQ(rig.profile.Compute(), kDomain);
        EXPECT_EQ(rig.profile.value, 105);  // the previous output stays
    }
    EXPECT_STREQ(ErrorMessageBuffer(), "Month -1 outside 1 to 12");
    EXPECT_EQ(rig.profile.GetStatus(), kReady);

    rig.month = 12;
    ASSERT_EQ(rig.profile.SetValues(nullptr), kOk);
    ASSERT_EQ(rig.profile.Compute(), kOk);
    EXPECT_EQ(rig.profile.value, 0);

    MonthlyProfile unwired;
    EXPECT_EQ(unwired.Compute(), kFatal);
    EXPECT_EQ(unwired.Check(), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "The month of the monthly profile is not connected");
}

TEST_F(ProfilesTest, MonthlyProfileParameterLineRoundTrip) {
    MonthlyRig rig;
    std::ostringstream out;
    ASSERT_EQ(rig.profile.WriteParameters(out), 0);
    // Each value is followed by a blank.
    EXPECT_EQ(out.str(), "101 102 103 104 105 106 107 108 109 110 111 112 \n");

    MonthlyProfile back;
    int month = 12;
    back.SetInputs(&month);
    std::istringstream in(out.str() + "next\n");
    EXPECT_EQ(back.ReadParameters(in, 30000), 0);
    double values[12];
    back.GetValues(values);
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(values[m - 1], 100 + m);
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "next");

    std::istringstream shortLine("1 2 3\n");
    EXPECT_EQ(back.ReadParameters(shortLine, 30000), 1);
}

// ---- Hourly profile ----

struct HourlyRig {
    int hour = 1;
    int dayType = 0;
    HourlyProfile profile;
    HourlyRig(bool withSecond = true) {
        double first[24], second[24];
        for (int h = 1; h <= 24; ++h) {
            first[h - 1] = h;         // weekday: the hour itself
            second[h - 1] = 100 + h;  // weekend
        }
        profile.SetInputs(&hour, &dayType);
        profile.SetValues(first, withSecond ? second : nullptr);
    }
};

TEST_F(ProfilesTest, HourlyProfileFirstAndLastHourOfBothSchedules) {
    HourlyRig rig;
    for (int h : {1, 2, 12, 23, 24}) {
        rig.hour = h;
        rig.dayType = 0;
        ASSERT_EQ(rig.profile.Compute(), kOk);
        EXPECT_EQ(rig.profile.value, h);
        rig.dayType = 3;  // any non-zero flag selects the second schedule
        ASSERT_EQ(rig.profile.Compute(), kOk);
        EXPECT_EQ(rig.profile.value, 100 + h);
    }
}

TEST_F(ProfilesTest, HourlyProfileWithoutSecondScheduleGivesZeros) {
    HourlyRig rig(false);
    rig.dayType = 1;
    for (int h = 1; h <= 24; ++h) {
        rig.hour = h;
        ASSERT_EQ(rig.profile.Compute(), kOk);
        EXPECT_EQ(rig.profile.value, 0);
    }
    rig.dayType = 0;
    rig.hour = 24;
    ASSERT_EQ(rig.profile.Compute(), kOk);
    EXPECT_EQ(rig.profile.value, 24);
}

TEST_F(ProfilesTest, HourlyProfileRefusesHoursOutsideTheDay) {
    HourlyRig rig;
    rig.hour = 7;
    ASSERT_EQ(rig.profile.Compute(), kOk);
    rig.hour = 0;
    EXPECT_EQ(rig.profile.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "Hour 0 outside 1 to 24");
    rig.hour = 25;
    EXPECT_EQ(rig.profile.Compute(), kDomain);
    EXPECT_EQ(rig.profile.value, 7);

    HourlyProfile unwired;
    int hour = 1;
    EXPECT_EQ(unwired.SetInputs(&hour, nullptr), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "The hour or the day type of the hourly profile is not connected");
}

TEST_F(ProfilesTest, HourlyProfileParameterLinesRoundTrip) {
    HourlyRig rig;
    std::ostringstream out;
    out.precision(17);
    ASSERT_EQ(rig.profile.WriteParameters(out), 0);
    const std::string text = out.str();
    const auto firstEnd = text.find('\n');
    ASSERT_NE(firstEnd, std::string::npos);
    EXPECT_EQ(text.substr(0, 9), "1 2 3 4 5");
    EXPECT_EQ(text.substr(firstEnd - 4, 5), " 24 \n");
    EXPECT_EQ(text.substr(text.size() - 5), "124 \n");

    HourlyRig back(false);
    std::istringstream in(text + "next\n");
    EXPECT_EQ(back.profile.ReadParameters(in, 30000), 0);
    double first[24], second[24];
    back.profile.GetValues(first, second);
    for (int h = 1; h <= 24; ++h) {
        EXPECT_EQ(first[h - 1], h);
        EXPECT_EQ(second[h - 1], 100 + h);
    }
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "next");

    // A first line longer than 24 values: the extra values are skipped with the line.
    std::string longFirst = text;
    longFirst.insert(firstEnd, " 99 98");
    std::istringstream extra(longFirst);
    EXPECT_EQ(back.profile.ReadParameters(extra, 30000), 0);
    back.profile.GetValues(first, second);
    EXPECT_EQ(second[0], 101);
}

// ---- Summary ----

struct SummaryRig {
    double step = 3600;
    int flag = 1;
    double temperature = 20;
    Summary summary;
    SummaryRig() {
        summary.SetCount(2);
        VariableRef references[] = {VariableRef(&flag), VariableRef(&temperature)};
        summary.SetInputs(references, &step);
    }
};

TEST_F(ProfilesTest, SummaryOfADayNormalisesToTheMean) {
    SummaryRig rig;
    ASSERT_EQ(rig.summary.GetStatus(), kReady);
    for (int h = 1; h <= 24; ++h) {
        rig.temperature = h;  // mean over the day: 12.5
        ASSERT_EQ(rig.summary.Compute(), kOk);
    }
    EXPECT_EQ(rig.summary.stepCount, 24);
    EXPECT_EQ(rig.summary.totalTime, 86400);
    EXPECT_EQ(rig.summary.sums[0], 86400);         // an int 1 over a day
    EXPECT_EQ(rig.summary.sums[1], 3600.0 * 300);  // 3600 x (1 + ... + 24)
    ASSERT_EQ(rig.summary.Normalise(0, 2), kOk);
    EXPECT_EQ(rig.summary.sums[0], 1);
    EXPECT_EQ(rig.summary.sums[1], 12.5);
}

TEST_F(ProfilesTest, SummaryWeightsByTheTimeStep) {
    SummaryRig rig;
    rig.step = 1800;
    rig.temperature = 10;
    ASSERT_EQ(rig.summary.Compute(), kOk);
    rig.step = 5400;
    rig.temperature = 30;
    ASSERT_EQ(rig.summary.Compute(), kOk);
    EXPECT_EQ(rig.summary.sums[1], 1800 * 10 + 5400 * 30);
    ASSERT_EQ(rig.summary.Normalise(1, 1), kOk);
    EXPECT_EQ(rig.summary.sums[1], 25);    // time-weighted mean
    EXPECT_EQ(rig.summary.sums[0], 7200);  // left as an integral
}

TEST_F(ProfilesTest, SummaryResetsBetweenPeriods) {
    SummaryRig rig;
    for (int h = 0; h < 31 * 24; ++h) ASSERT_EQ(rig.summary.Compute(), kOk);
    EXPECT_EQ(rig.summary.sums[1], 31 * 86400.0 * 20);
    rig.summary.ResetSums();
    EXPECT_EQ(rig.summary.stepCount, 0);
    EXPECT_EQ(rig.summary.totalTime, 0);
    EXPECT_EQ(rig.summary.sums[0], 0);
    EXPECT_EQ(rig.summary.sums[1], 0);
    for (int h = 0; h < 28 * 24; ++h) ASSERT_EQ(rig.summary.Compute(), kOk);
    ASSERT_EQ(rig.summary.Normalise(0, 2), kOk);
    EXPECT_EQ(rig.summary.sums[0], 1);
    EXPECT_EQ(rig.summary.sums[1], 20);
    EXPECT_EQ(rig.summary.totalTime, 28 * 86400.0);
}

TEST_F(ProfilesTest, SummaryNormaliseWithoutStepsChangesNothing) {
    SummaryRig rig;
    ASSERT_EQ(rig.summary.Compute(), kOk);
    rig.summary.ResetSums();
    rig.step = 0;  // a zero step counts, but adds no time
    ASSERT_EQ(rig.summary.Compute(), kOk);
    EXPECT_EQ(rig.summary.Normalise(0, 2), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Invalid time: 0 s (a time step must not be negative, a total time must be "
                 "positive)");
    EXPECT_EQ(rig.summary.sums[0], 0);

    rig.step = -1;
    EXPECT_EQ(rig.summary.Compute(), kDomain);
    EXPECT_EQ(rig.summary.stepCount, 1);
}

TEST_F(ProfilesTest, SummaryNormaliseStaysInsideItsVariables) {
    SummaryRig rig;
    ASSERT_EQ(rig.summary.Compute(), kOk);
    ASSERT_EQ(rig.summary.Normalise(1, INT_MAX), kOk);
    EXPECT_EQ(rig.summary.sums[0], 3600);
    EXPECT_EQ(rig.summary.sums[1], 20);
    ASSERT_EQ(rig.summary.Normalise(-1, 2), kOk);  // only index 0 exists in -1 .. 0
    EXPECT_EQ(rig.summary.sums[0], 1);
    EXPECT_EQ(rig.summary.sums[1], 20);
    ASSERT_EQ(rig.summary.Normalise(5, 3), kOk);
    EXPECT_EQ(rig.summary.sums[1], 20);
}

TEST_F(ProfilesTest, SummaryWithAnUnboundVariableAddsNothing) {
    double step = 3600, a = 2, c = 4;
    Summary summary;
    EXPECT_EQ(summary.SetCount(3), kFatal);  // no time step yet
    VariableRef references[] = {VariableRef(&a), VariableRef(), VariableRef(&c)};
    ASSERT_EQ(summary.SetInputs(references, &step), kOk);  // binding is checked when stepping
    EXPECT_EQ(summary.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "A summed variable is not connected");
    EXPECT_EQ(summary.stepCount, 0);
    EXPECT_EQ(summary.totalTime, 0);
    EXPECT_EQ(summary.sums[0], 0);
    EXPECT_EQ(summary.sums[2], 0);
}

TEST_F(ProfilesTest, SummarySizingAndChecks) {
    Summary summary;
    EXPECT_EQ(summary.Compute(), kFatal);
    EXPECT_EQ(summary.SetCount(0), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Invalid number of summed variables: 0");
    EXPECT_EQ(summary.SetCount(4), kFatal);  // sized, but no time step yet
    EXPECT_STREQ(ErrorMessageBuffer(), "The variables or the time step of the summary are not set");
    EXPECT_EQ(summary.GetCount(), 4);
    EXPECT_EQ(summary.sums.size(), 4u);

    double step = 60, x = 1;
    VariableRef references[] = {&x, &x, &x, &x};
    ASSERT_EQ(summary.SetInputs(references, &step), kOk);
    ASSERT_EQ(summary.Compute(), kOk);
    // Resizing to the same count keeps the bindings; a new count unbinds them.
    ASSERT_EQ(summary.SetCount(4), kOk);
    EXPECT_EQ(summary.sums[3], 0);  // Check starts a new period
    EXPECT_EQ(summary.Compute(), kOk);
    ASSERT_EQ(summary.SetCount(2), kOk);
    EXPECT_EQ(summary.sums.size(), 2u);
    EXPECT_EQ(summary.Compute(), kDomain);
}

}  // namespace

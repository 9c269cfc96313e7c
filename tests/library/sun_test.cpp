#include "sun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

#include "component.h"
#include "csv_table.h"
#include "reference_values.h"
#include "test_support.h"

namespace {

using test::ExpectClose;
using test::Radians;

TEST(SolarGeometry, AgreesWithReferencePositions) {
    const auto rows = test::ReadCsvTable("solar_position.csv");
    ASSERT_GE(rows.size(), 200u);
    for (const auto& row : rows) {
        const int day = static_cast<int>(row.Number("day"));
        const double latitude = Radians(row.Number("lat_deg"));
        const double hour = row.Number("solar_hour");
        const std::string where = "case " + row.Text("case");

        // Relative 1e-8 plus absolute 1e-9: the precision of the reference values.
        ExpectClose(Declination(day), row.Number("decl_rad"), where, 1e-8);
        ExpectClose(EccentricityFactor(day), row.Number("ecc_factor"), where, 1e-8);
        ExpectClose(ExtraterrestrialNormal(day), row.Number("g0n_wm2"), where, 1e-8);
        ExpectClose(HourAngle(hour), row.Number("hour_angle_rad"), where, 1e-8);

        double zenith = 0, azimuth = 0;
        SolarZenithAzimuth(zenith, azimuth, SineCosine(Declination(day)), HourAngle(hour),
                           SineCosine(latitude));
        ExpectClose(zenith, row.Number("zenith_rad"), where, 1e-8);
        ExpectClose(azimuth, row.Number("azimuth_rad"), where, 1e-8);
        // Same Kasten formula above the horizon; the file gives the 90-degree value below it.
        ExpectClose(AirMass(zenith), row.Number("air_mass"), where, 1e-8);
        EXPECT_EQ(row.HasFlag("air_mass_const"), zenith >= std::numbers::pi / 2) << where;

        // The equation of time's constants are rounded differently (below 0.03 min apart).
        EXPECT_NEAR(EquationOfTime(day, 0, 0), row.Number("eot_pvlib_min"), 0.03) << where;
    }
}

TEST(SolarGeometry, WorkedValuesOfDayOne) {
    EXPECT_DOUBLE_EQ(DayAngle(1), 0.0);
    EXPECT_NEAR(DayAngle(366), 2 * std::numbers::pi, 1e-15);
    EXPECT_NEAR(Declination(1), -0.402449, 1e-6);  // about -23.06 degrees
    EXPECT_NEAR(Declination(1) * kDegreesPerRadian, -23.06, 0.01);
    EXPECT_NEAR(EccentricityFactor(1), 1.03505, 1e-5);
    EXPECT_NEAR(ExtraterrestrialNormal(1), 1414.9, 0.05);
}

TEST(SolarGeometry, SolarNoonAndSunset) {
    const double latitude = Radians(45.5);
    const double declination = Declination(172);
    double zenith = 1, azimuth = 1;
    SolarZenithAzimuth(zenith, azimuth, SineCosine(declination), HourAngle(12),
                       SineCosine(latitude));
    EXPECT_NEAR(azimuth, 0.0, 1e-15);
    EXPECT_NEAR(zenith, latitude - declination, 1e-12);
    // Morning sun is east (negative), afternoon west.
    SolarZenithAzimuth(zenith, azimuth, SineCosine(declination), HourAngle(9),
                       SineCosine(latitude));
    EXPECT_LT(azimuth, 0);
    SolarZenithAzimuth(zenith, azimuth, SineCosine(declination), HourAngle(15),
                       SineCosine(latitude));
    EXPECT_GT(azimuth, 0);

    EXPECT_NEAR(SunsetHourAngle(Radians(45), 0), std::numbers::pi / 2, 1e-15);
    EXPECT_EQ(SunsetHourAngle(Radians(80), Declination(355)), 0.0);               // polar night
    EXPECT_EQ(SunsetHourAngle(Radians(80), Declination(172)), std::numbers::pi);  // midnight sun
    // At the sunset hour angle the sun is on the horizon.
    const double ws = SunsetHourAngle(latitude, declination);
    SolarZenithAzimuth(zenith, azimuth, SineCosine(declination), ws, SineCosine(latitude));
    EXPECT_NEAR(zenith, std::numbers::pi / 2, 1e-12);
}

TEST(SolarGeometry, AirMass) {
    EXPECT_NEAR(AirMass(0), 0.99949, 1e-5);
    const double horizon = 1.0 / (0.15 * std::pow(3.885, -1.253));
    EXPECT_NEAR(horizon, 36.51, 0.005);
    EXPECT_DOUBLE_EQ(AirMass(std::numbers::pi / 2), horizon);
    EXPECT_DOUBLE_EQ(AirMass(2.0), horizon);
    EXPECT_NEAR(AirMass(std::nextafter(std::numbers::pi / 2, 0.0)), horizon, 1e-9);  // continuous
}

TEST(SolarGeometry, StandardMeridianIsTheNearestMultipleOfFifteenDegrees) {
    EXPECT_EQ(StandardMeridianOf(73.6), 75);
    EXPECT_EQ(StandardMeridianOf(67.5), 75);  // half way goes up
    EXPECT_EQ(StandardMeridianOf(67.4), 60);
    EXPECT_EQ(StandardMeridianOf(-7.4), 0);
    EXPECT_EQ(StandardMeridianOf(-7.5), 0);  // half way east goes up, towards the west
}

TEST(SolarGeometry, EquationOfTimeLongitudeCorrection) {
    const double alone = EquationOfTime(100, Radians(73), Radians(73));
    EXPECT_NEAR(alone, EquationOfTime(100, 0, 0), 1e-12);
    // Site 1 degree east of its meridian: solar time runs 4 minutes ahead.
    EXPECT_NEAR(EquationOfTime(100, Radians(74), Radians(75)) - alone, 4.0, 1e-9);
    // A difference of 200 degrees counts as -160.
    EXPECT_NEAR(EquationOfTime(100, Radians(-100), Radians(100)) - alone, -640.0, 1e-9);
    EXPECT_NEAR(EquationOfTime(100, Radians(100), Radians(-100)) - alone, 640.0, 1e-9);
    EXPECT_NEAR(EquationOfTime(100, 0, Radians(180)) - alone, 720.0, 1e-9);  // bound kept
}

// The per-day cache is protected: a program subclass sees it.
class ObservedSun : public Sun {
  public:
    int CachedDay() const { return cachedDay_; }
    double CachedSineOfDeclination() const { return cachedDeclination_.sine; }
    void OverwriteCachedDeclination(double d) { cachedDeclination_ = SineCosine(d); }
};

class SunComponent : public ::testing::Test {
  protected:
    void SetUp() override { test::InstallMessageFile(); }

    test::ScopedTempDir dir_;
    int day_ = 1;
    double hour_ = 12;
};

TEST_F(SunComponent, RefusesToStepUntilChecked) {
    Sun sun;
    EXPECT_EQ(sun.GetStatus(), kNotReady);
    EXPECT_EQ(sun.Compute(), kFatal);
    EXPECT_EQ(sun.SetInputs(&day_, nullptr), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Sun: the day or hour input is not connected");
    EXPECT_EQ(sun.Compute(), kFatal);
    EXPECT_EQ(sun.SetInputs(&day_, &hour_), kOk);
    EXPECT_EQ(sun.Compute(), kOk);
}

TEST_F(SunComponent, CheckRefusesAnglesOutOfRange) {
    Sun sun;
    sun.SetInputs(&day_, &hour_);
    EXPECT_EQ(sun.SetParameters(1.6, 1, 0, 0), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Sun: latitude 1.6 rad is outside -pi/2 to pi/2");
    EXPECT_EQ(sun.SetParameters(0.5, 1, 3.2, 0), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Sun: site longitude 3.2 rad is outside -pi to pi");
    EXPECT_EQ(sun.SetParameters(0.5, 1, 0, -3.2), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Sun: standard meridian -3.2 rad is outside -pi to pi");
    EXPECT_EQ(sun.Compute(), kFatal);
    // The bounds themselves are accepted.
    EXPECT_EQ(sun.SetParameters(std::numbers::pi / 2, 0, -std::numbers::pi, std::numbers::pi), kOk);
    EXPECT_EQ(sun.SetParameters(-std::numbers::pi / 2, 0, std::numbers::pi, -std::numbers::pi),
              kOk);
    EXPECT_DOUBLE_EQ(sun.GetLatitude(), -std::numbers::pi / 2);
}

TEST_F(SunComponent, DayAndHourOutOfRangeAreDomainErrors) {
    Sun sun;
    sun.SetInputs(&day_, &hour_);
    day_ = 0;
    EXPECT_EQ(sun.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "Sun: day of year 0 is outside 1 to 365");
    day_ = 366;
    EXPECT_EQ(sun.Compute(), kDomain);
    EXPECT_EQ(sun.GetStatus(), kReady);  // the next step may succeed
    day_ = 365;
    hour_ = 24;
    EXPECT_EQ(sun.Compute(), kOk);
    hour_ = 0;
    EXPECT_EQ(sun.Compute(), kOk);
    hour_ = 24.5;
    EXPECT_EQ(sun.Compute(), kDomain);
    EXPECT_STREQ(ErrorMessageBuffer(), "Sun: hour 24.5 is outside 0 to 24");
    hour_ = -0.25;
    EXPECT_EQ(sun.Compute(), kDomain);
}

TEST_F(SunComponent, SolarTimeAgreesWithReferencePositions) {
    Sun sun;
    sun.SetInputs(&day_, &hour_);
    int compared = 0;
    for (const auto& row : test::ReadCsvTable("solar_position.csv")) {
        ASSERT_EQ(sun.SetParameters(Radians(row.Number("lat_deg")), 0, 0, 0), kOk);
        day_ = static_cast<int>(row.Number("day"));
        hour_ = row.Number("solar_hour");
        ASSERT_EQ(sun.Compute(), kOk);
        const std::string where = "case " + row.Text("case");
        ExpectClose(sun.zenith, row.Number("zenith_rad"), where, 1e-8);
        ExpectClose(sun.azimuth, row.Number("azimuth_rad"), where, 1e-8);
        ExpectClose(sun.airMass, row.Number("air_mass"), where, 1e-8);
        ExpectClose(sun.extraterrestrialNormal, row.Number("g0n_wm2"), where, 1e-8);
        ++compared;
    }
    EXPECT_GT(compared, 200);
}

TEST_F(SunComponent, ClockTimeReachesSolarNoonLaterWestOfTheMeridian) {
    // Site 5 degrees west of its time zone's meridian: solar noon comes 20 minutes after clock
    // noon, less the equation of time (day 80: about -7.6 minutes in the reference table).
    double equationOfTime = 0;
    for (const auto& row : test::ReadCsvTable("solar_position.csv"))
        if (row.Number("day") == 80) equationOfTime = row.Number("eot_pvlib_min");
    ASSERT_LT(equationOfTime, -7.0);
    Sun sun;
    sun.SetInputs(&day_, &hour_);
    ASSERT_EQ(sun.SetParameters(Radians(40), 1, Radians(80), Radians(75)), kOk);
    day_ = 80;
    hour_ = 12 + (20 - equationOfTime) / 60;
    ASSERT_EQ(sun.Compute(), kOk);
    EXPECT_NEAR(sun.azimuth, 0.0, 2e-4);  // the equations of time differ by under 0.03 min
    // At clock noon the sun is still east.
    hour_ = 12;
    sun.Compute();
    EXPECT_LT(sun.azimuth, -0.05);
    // With the flag cleared the hour is solar time.
    sun.SetParameters(Radians(40), 0, Radians(80), Radians(75));
    sun.Compute();
    EXPECT_NEAR(sun.azimuth, 0.0, 1e-15);
}

TEST_F(SunComponent, DeclinationAndIrradianceAreComputedOncePerDay) {
    ObservedSun sun;
    EXPECT_EQ(sun.CachedDay(), 0);
    sun.SetInputs(&day_, &hour_);
    sun.SetParameters(Radians(45), 0, 0, 0);
    day_ = 172;
    hour_ = 12;
    ASSERT_EQ(sun.Compute(), kOk);
    EXPECT_EQ(sun.CachedDay(), 172);
    EXPECT_DOUBLE_EQ(sun.CachedSineOfDeclination(), std::sin(Declination(172)));
    EXPECT_DOUBLE_EQ(sun.extraterrestrialNormal, ExtraterrestrialNormal(172));

    // Later hours of the same day use the cached declination, whatever it holds.
    sun.OverwriteCachedDeclination(0.0);
    hour_ = 12.0;
    ASSERT_EQ(sun.Compute(), kOk);
    EXPECT_NEAR(sun.zenith, Radians(45), 1e-12);  // noon zenith = latitude - 0

    // A new day refreshes the cache.
    day_ = 173;
    ASSERT_EQ(sun.Compute(), kOk);
    EXPECT_EQ(sun.CachedDay(), 173);
    EXPECT_DOUBLE_EQ(sun.CachedSineOfDeclination(), std::sin(Declination(173)));
    EXPECT_NEAR(sun.zenith, Radians(45) - Declination(173), 1e-12);
    EXPECT_DOUBLE_EQ(sun.extraterrestrialNormal, ExtraterrestrialNormal(173));

    // New parameters within the day are not hidden by the day's values.
    sun.SetParameters(Radians(30), 0, 0, 0);
    ASSERT_EQ(sun.Compute(), kOk);
    EXPECT_NEAR(sun.zenith, Radians(30) - Declination(173), 1e-12);

    // A refused day leaves the cache alone; Reset clears it.
    day_ = 400;
    EXPECT_EQ(sun.Compute(), kDomain);
    EXPECT_EQ(sun.CachedDay(), 173);
    sun.Reset();
    EXPECT_EQ(sun.CachedDay(), 0);
}

TEST_F(SunComponent, ParameterLineRoundTrip) {
    Sun sun;
    sun.SetInputs(&day_, &hour_);
    ASSERT_EQ(sun.SetParameters(Radians(45.5), 1, Radians(80), Radians(75)), kOk);
    std::ostringstream plain;
    EXPECT_EQ(sun.WriteParameters(plain), 0);
    EXPECT_EQ(plain.str(), "45.5 1 80 75\n");  // degrees

    ASSERT_EQ(sun.SetParameters(-0.6123456789, 0, -2.87654321, 1.2345678901), kOk);
    std::ostringstream out;
    out.precision(17);
    ASSERT_EQ(sun.WriteParameters(out), 0);
    Sun back;
    back.SetInputs(&day_, &hour_);
    std::istringstream in(out.str() + "next\n");
    EXPECT_EQ(back.ReadParameters(in, 30000), 0);
    EXPECT_EQ(back.GetStatus(), kReady);
    double latitude, longitude, meridian;
    int clock;
    back.GetParameters(latitude, clock, longitude, meridian);
    EXPECT_NEAR(latitude, -0.6123456789, 1e-15);
    EXPECT_EQ(clock, 0);
    EXPECT_NEAR(longitude, -2.87654321, 1e-15);
    EXPECT_NEAR(meridian, 1.2345678901, 1e-15);
    std::string rest;
    std::getline(in, rest);
    EXPECT_EQ(rest, "next");

    // A line with extra fields and a CR end is read; the Check result is not returned.
    std::istringstream outOfRange("95 1 0 0 extra\r\n");
    EXPECT_EQ(back.ReadParameters(outOfRange, 30000), 0);
    EXPECT_EQ(back.GetStatus(), kNotReady);
    std::istringstream broken("45 x 0 0\n");
    EXPECT_EQ(back.ReadParameters(broken, 30000), 1);
}

}  // namespace

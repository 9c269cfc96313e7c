#include "sun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "component.h"
#include "csv_table.h"

namespace {

constexpr double kPi = std::numbers::pi;

double Radians(double degrees) {
    return degrees * kRadiansPerDegree;
}

// Relative 1e-8 plus absolute 1e-9, the precision of the reference values.
void ExpectClose(double actual, double expected, const std::string& what) {
    EXPECT_NEAR(actual, expected, 1e-8 * std::fabs(expected) + 1e-9) << what;
}

TEST(SolarGeometry, AgreesWithReferencePositions) {
    const auto rows = test::ReadCsvTable("solar_position.csv");
    ASSERT_GE(rows.size(), 200u);
    for (const auto& row : rows) {
        const int day = static_cast<int>(row.Number("day"));
        const double latitude = Radians(row.Number("lat_deg"));
        const double hour = row.Number("solar_hour");
        const std::string where = "case " + row.Text("case");

        ExpectClose(Declination(day), row.Number("decl_rad"), where);
        ExpectClose(EccentricityFactor(day), row.Number("ecc_factor"), where);
        ExpectClose(ExtraterrestrialNormal(day), row.Number("g0n_wm2"), where);
        ExpectClose(HourAngle(hour), row.Number("hour_angle_rad"), where);

        double zenith = 0, azimuth = 0;
        SolarZenithAzimuth(zenith, azimuth, Declination(day), HourAngle(hour), latitude);
        ExpectClose(zenith, row.Number("zenith_rad"), where);
        ExpectClose(azimuth, row.Number("azimuth_rad"), where);
        // Same Kasten formula above the horizon; the file gives the 90-degree value below it.
        ExpectClose(AirMass(zenith), row.Number("air_mass"), where);
        EXPECT_EQ(row.HasFlag("air_mass_const"), zenith >= kPi / 2) << where;

        // The equation of time's constants are rounded differently (below 0.03 min apart).
        EXPECT_NEAR(EquationOfTime(day, 0, 0), row.Number("eot_pvlib_min"), 0.03) << where;
    }
}

TEST(SolarGeometry, WorkedValuesOfDayOne) {
    EXPECT_DOUBLE_EQ(DayAngle(1), 0.0);
    EXPECT_NEAR(DayAngle(366), 2 * kPi, 1e-15);
    EXPECT_NEAR(Declination(1), -0.402449, 1e-6);  // about -23.06 degrees
    EXPECT_NEAR(Declination(1) * kDegreesPerRadian, -23.06, 0.01);
    EXPECT_NEAR(EccentricityFactor(1), 1.03505, 1e-5);
    EXPECT_NEAR(ExtraterrestrialNormal(1), 1414.9, 0.05);
}

TEST(SolarGeometry, SolarNoonAndSunset) {
    const double latitude = Radians(45.5);
    const double declination = Declination(172);
    double zenith = 1, azimuth = 1;
    SolarZenithAzimuth(zenith, azimuth, declination, HourAngle(12), latitude);
    EXPECT_NEAR(azimuth, 0.0, 1e-15);
    EXPECT_NEAR(zenith, latitude - declination, 1e-12);
    // Morning sun is east (negative), afternoon west.
    SolarZenithAzimuth(zenith, azimuth, declination, HourAngle(9), latitude);
    EXPECT_LT(azimuth, 0);
    SolarZenithAzimuth(zenith, azimuth, declination, HourAngle(15), latitude);
    EXPECT_GT(azimuth, 0);

    EXPECT_NEAR(SunsetHourAngle(Radians(45), 0), kPi / 2, 1e-15);
    EXPECT_EQ(SunsetHourAngle(Radians(80), Declination(355)), 0.0);  // polar night
    EXPECT_EQ(SunsetHourAngle(Radians(80), Declination(172)), kPi);  // midnight sun
    // At the sunset hour angle the sun is on the horizon.
    const double ws = SunsetHourAngle(latitude, declination);
    SolarZenithAzimuth(zenith, azimuth, declination, ws, latitude);
    EXPECT_NEAR(zenith, kPi / 2, 1e-12);
}

TEST(SolarGeometry, AirMass) {
    EXPECT_NEAR(AirMass(0), 0.99949, 1e-5);
    const double horizon = 1.0 / (0.15 * std::pow(3.885, -1.253));
    EXPECT_NEAR(horizon, 36.51, 0.005);
    EXPECT_DOUBLE_EQ(AirMass(kPi / 2), horizon);
    EXPECT_DOUBLE_EQ(AirMass(2.0), horizon);
    EXPECT_NEAR(AirMass(std::nextafter(kPi / 2, 0.0)), horizon, 1e-9);  // continuous
    EXPECT_NEAR(AirMass(Radians(60)), 1.0 / (0.5 + 0.15 * std::pow(33.885, -1.253)), 1e-12);
}

TEST(SolarGeometry, EquationOfTimeLongitudeCorrection) {
    const double alone = EquationOfTime(100, Radians(73), Radians(73));
    EXPECT_NEAR(alone, EquationOfTime(100, 0, 0), 1e-12);
    // Hand value of the series on day 1 (B = 0): 229.18 (0.000075 + 0.001868 - 0.014615).
    EXPECT_NEAR(EquationOfTime(1, 0, 0), 229.18 * (0.000075 + 0.001868 - 0.014615), 1e-12);
    // Site 1 degree east of its meridian: solar time runs 4 minutes ahead.
    EXPECT_NEAR(EquationOfTime(100, Radians(74), Radians(75)) - alone, 4.0, 1e-9);
    // A difference of 200 degrees counts as -160.
    EXPECT_NEAR(EquationOfTime(100, Radians(-100), Radians(100)) - alone, -640.0, 1e-9);
    EXPECT_NEAR(EquationOfTime(100, Radians(100), Radians(-100)) - alone, 640.0, 1e-9);
    EXPECT_NEAR(EquationOfTime(100, 0, Radians(180)) - alone, 720.0, 1e-9);  // bound kept
}

}  // namespace

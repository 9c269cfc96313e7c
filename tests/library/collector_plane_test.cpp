#include "collector_plane.h"

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

// The reference values carry 9 significant digits.
void ExpectClose(double actual, double expected, const std::string& what) {
    EXPECT_NEAR(actual, expected, 1e-6 * std::fabs(expected) + 1e-9) << what;
}

struct TiltCase {
    double bh, dh, g0, zenith, solarAzimuth, airMass, slope, surfaceAzimuth;
};

TiltCase ReadTiltCase(const test::CsvRow& row) {
    return {row.Number("bh"),
            row.Number("dh"),
            row.Number("g0n_wm2"),
            Radians(row.Number("zenith_deg")),
            Radians(row.Number("sun_azimuth_deg")),
            row.Number("air_mass"),
            Radians(row.Number("slope_deg")),
            Radians(row.Number("surface_azimuth_deg"))};
}

std::string Describe(const test::CsvRow& row) {
    return "case " + row.Text("case") + " bh " + row.Text("bh") + " dh " + row.Text("dh") +
           " slope " + row.Text("slope_deg") + " azimuth " + row.Text("surface_azimuth_deg") +
           " flags " + row.Text("flags");
}

TEST(TiltedIrradiance, PerezAgreesWithReference) {
    const auto rows = test::ReadCsvTable("solar_tilt.csv");
    ASSERT_GE(rows.size(), 200u);
    int compared = 0, floored = 0;
    for (const auto& row : rows) {
        const TiltCase c = ReadTiltCase(row);
        const std::string what = Describe(row);
        double beam = -1, diffuse = -1, ground = -1;
        const double total =
            TiltedIrradiancePerez(beam, diffuse, ground, c.bh, c.dh, c.g0, c.zenith, c.solarAzimuth,
                                  c.airMass, c.slope, c.surfaceAzimuth, 0.2);
        ExpectClose(beam, row.Number("perez_beam_model"), what);
        ExpectClose(ground, row.Number("perez_ground_model"), what);
        if (row.HasFlag("perez_sky_floor")) {
            // The reference floored a negative sky part at 0; this model keeps it.
            EXPECT_LT(diffuse, 0.0) << what;
            EXPECT_LT(total, row.Number("perez_total_model")) << what;
            ++floored;
            continue;
        }
        ExpectClose(diffuse, row.Number("perez_sky_model"), what);
        ExpectClose(total, row.Number("perez_total_model"), what);
        ++compared;
    }
    EXPECT_GT(compared, 200);
    EXPECT_GT(floored, 0);
}

TEST(TiltedIrradiance, HayDaviesAgreesWithReference) {
    const auto rows = test::ReadCsvTable("solar_tilt.csv");
    ASSERT_GE(rows.size(), 200u);
    for (const auto& row : rows) {
        const TiltCase c = ReadTiltCase(row);
        const std::string what = Describe(row);
        double beam = -1, diffuse = -1, ground = -1;
        const double total =
            TiltedIrradianceAnisotropic(beam, diffuse, ground, c.bh, c.dh, c.g0, c.zenith,
                                        c.solarAzimuth, c.slope, c.surfaceAzimuth, 0.2);
        ExpectClose(beam, row.Number("hd_beam_model"), what);
        ExpectClose(diffuse, row.Number("hd_sky_model"), what);
        ExpectClose(ground, row.Number("ground"), what);
        ExpectClose(total, row.Number("hd_total_model"), what);
        // Where no deviation is flagged, the plain formulation agrees as well.
        if (!row.HasFlag("hd_ai_cap") && !row.HasFlag("hd_cz_floor") &&
            !row.HasFlag("below_horizon"))
            ExpectClose(total, row.Number("hd_total"), what);
    }
}

TEST(TiltedIrradiance, IncidenceCosineAgreesWithReference) {
    for (const auto& row : test::ReadCsvTable("solar_tilt.csv")) {
        const TiltCase c = ReadTiltCase(row);
        ExpectClose(CosAngleBetween(c.zenith, c.solarAzimuth, c.slope, c.surfaceAzimuth),
                    row.Number("cos_inc"), Describe(row));
    }
}

TEST(TiltedIrradiance, HorizontalSurfaceReceivesTheHorizontalIrradiance) {
    for (double zenithDegrees : {0.0, 30.0, 60.0, 84.0}) {
        const double z = Radians(zenithDegrees);
        const double bh = 600 * std::cos(z);  // beam normal 600, below the cap
        double beam, diffuse, ground;
        EXPECT_NEAR(
            TiltedIrradiancePerez(beam, diffuse, ground, bh, 120, 1400, z, 0.3, 1.5, 0, 0.7, 0.2),
            bh + 120, 1e-9);
        EXPECT_EQ(ground, 0.0);
        EXPECT_NEAR(
            TiltedIrradianceAnisotropic(beam, diffuse, ground, bh, 120, 1400, z, 0.3, 0, 0.7, 0.2),
            bh + 120, 1e-9);
        EXPECT_EQ(ground, 0.0);
    }
}

TEST(TiltedIrradiance, PerezCapsTheBeamNormal) {
    // Beam normal 1400 on a surface facing the sun: the beam part is the cap 1230.3.
    const double z = Radians(30);
    double beam, diffuse, ground;
    TiltedIrradiancePerez(beam, diffuse, ground, 1400 * std::cos(z), 50, 1400, z, 0.5, 1.15, z, 0.5,
                          0.2);
    EXPECT_NEAR(beam, 1230.3, 1e-9);
    // Tilted away from the normal, the capped value is projected.
    TiltedIrradiancePerez(beam, diffuse, ground, 1400 * std::cos(z), 50, 1400, z, 0.5, 1.15, 0, 0,
                          0.2);
    EXPECT_NEAR(beam, 1230.3 * std::cos(z), 1e-9);
    // Hay-Davies has no cap.
    TiltedIrradianceAnisotropic(beam, diffuse, ground, 1400 * std::cos(z), 50, 1400, z, 0.5, z, 0.5,
                                0.2);
    EXPECT_NEAR(beam, 1400, 1e-9);
}

TEST(TiltedIrradiance, SunBelowTheHorizon) {
    const double z = Radians(91);
    const double slope = Radians(45);
    double beam = -1, diffuse = -1, ground = -1;
    EXPECT_DOUBLE_EQ(
        TiltedIrradiancePerez(beam, diffuse, ground, 0, 20, 1400, z, 1.0, 36.5, slope, 0, 0.2),
        20.0);
    EXPECT_EQ(beam, 0.0);
    EXPECT_EQ(diffuse, 0.0);
    EXPECT_EQ(ground, 0.0);
    // Hay-Davies: isotropic sky and ground only.
    const double total =
        TiltedIrradianceAnisotropic(beam, diffuse, ground, 0, 20, 1400, z, 1.0, slope, 0, 0.2);
    EXPECT_EQ(beam, 0.0);
    EXPECT_NEAR(diffuse, 20 * (1 + std::cos(slope)) / 2, 1e-12);
    EXPECT_NEAR(ground, 20 * 0.2 * (1 - std::cos(slope)) / 2, 1e-12);
    EXPECT_NEAR(total, diffuse + ground, 1e-12);
    // No irradiance at all: Perez returns 0.
    EXPECT_EQ(TiltedIrradiancePerez(beam, diffuse, ground, 0, 0, 1400, Radians(40), 1.0, 1.3, slope,
                                    0, 0.2),
              0.0);
}

TEST(TrackSurface, Modes) {
    const double z = Radians(50), as = Radians(-40);
    double slope = -1, surfaceAzimuth = -1, incidence = -1;

    TrackSurface(slope, surfaceAzimuth, incidence, z, as, kTrackFixed, Radians(30), Radians(10));
    EXPECT_DOUBLE_EQ(slope, Radians(30));
    EXPECT_DOUBLE_EQ(surfaceAzimuth, Radians(10));
    EXPECT_NEAR(incidence, AngleBetween(z, as, Radians(30), Radians(10)), 1e-15);

    TrackSurface(slope, surfaceAzimuth, incidence, z, as, kTrackTwoAxes, 0.3, 0.2);
    EXPECT_DOUBLE_EQ(slope, z);
    EXPECT_DOUBLE_EQ(surfaceAzimuth, as);
    EXPECT_NEAR(incidence, 0.0, 2e-8);  // acos near 1 keeps about half the digits

    TrackSurface(slope, surfaceAzimuth, incidence, z, as, kTrackVerticalAxis, Radians(35), 0.2);
    EXPECT_DOUBLE_EQ(slope, Radians(35));
    EXPECT_DOUBLE_EQ(surfaceAzimuth, as);
    EXPECT_NEAR(incidence, z - Radians(35), 1e-12);  // same azimuth: the slopes subtract

    // An unknown mode keeps the orientation and recomputes the incidence.
    TrackSurface(slope, surfaceAzimuth, incidence, Radians(20), as, 7, 0.9, 0.9);
    EXPECT_DOUBLE_EQ(slope, Radians(35));
    EXPECT_DOUBLE_EQ(surfaceAzimuth, as);
    EXPECT_NEAR(incidence, Radians(15), 1e-12);
}

// A one-axis tracker turns its surface so that the beam lies in the plane through the axis and
// the surface normal: the incidence is then the smallest the axis allows, the complement of the
// angle between the sun and the axis. The axis lies in the plane of the surface of the axis'
// slope and azimuth, along its line of steepest slope: it rises at that slope towards the azimuth
// opposite (for a polar axis, towards the pole).
void ExpectOneAxisOptimum(double z, double as, double axisSlope, double axisAzimuth) {
    double slope, surfaceAzimuth, incidence;
    TrackSurface(slope, surfaceAzimuth, incidence, z, as, kTrackOneAxis, axisSlope, axisAzimuth);
    const double axisZenith = kPi / 2 - axisSlope;
    const double axisDirection = axisAzimuth + kPi;
    const double sunToAxis = AngleBetween(z, as, axisZenith, axisDirection);
    const std::string what = "z " + std::to_string(z) + " as " + std::to_string(as) + " axis " +
                             std::to_string(axisSlope) + "/" + std::to_string(axisAzimuth);
    EXPECT_NEAR(incidence, std::fabs(kPi / 2 - sunToAxis), 1e-7) << what;
    // The surface normal is perpendicular to the axis.
    EXPECT_NEAR(CosAngleBetween(slope, surfaceAzimuth, axisZenith, axisDirection), 0.0, 1e-12)
        << what;
    EXPECT_GE(slope, 0.0) << what;
    EXPECT_LT(slope, kPi) << what;
}

TEST(TrackSurface, OneAxisHorizontalAndInclinedAxes) {
    for (double z : {Radians(20), Radians(50), Radians(75)})
        for (double as : {Radians(-80), Radians(-30), Radians(10), Radians(60)}) {
            ExpectOneAxisOptimum(z, as, 0.0, 0.0);          // north-south horizontal axis
            ExpectOneAxisOptimum(z, as, 0.0, Radians(90));  // east-west horizontal axis
            ExpectOneAxisOptimum(z, as, Radians(30), 0.0);  // polar-like axis tilted south
            ExpectOneAxisOptimum(z, as, Radians(45), Radians(20));
        }
}

TEST(AngleBetween, ClampsAndMeasures) {
    EXPECT_DOUBLE_EQ(CosAngleBetween(0.3, 1.0, 0.3, 1.0), 1.0);
    EXPECT_NEAR(AngleBetween(0, 0, kPi / 2, 2.0), kPi / 2, 1e-15);
    EXPECT_NEAR(AngleBetween(kPi / 2, 0, kPi / 2, kPi), kPi, 1e-7);
    EXPECT_GE(CosAngleBetween(kPi / 2, 0, kPi / 2, kPi), -1.0);
    EXPECT_FALSE(std::isnan(AngleBetween(1.1, 0.4, 1.1, 0.4)));
}

}  // namespace

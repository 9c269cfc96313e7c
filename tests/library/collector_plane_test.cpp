#include "collector_plane.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Sun at the zenith, vertical surface facing south, no ground reflection: the circumsolar term
// vanishes and the sky part is Dh ((1 - F1) / 2 + F2), with F1 = F11 + 0.1 F12 and
// F2 = F21 + 0.1 F22 at brightness 0.1. The clearness is 1 + Bh / Dh.
TEST(TiltedIrradiance, PerezCoefficientsOfEachClearnessBin) {
    struct Bin {
        double clearness, f11, f12, f21, f22;
    };
    // Perez et al. (1990), all-sites composite: one clearness inside each bin.
    const Bin bins[] = {
        {1.03, -0.008, 0.588, -0.060, 0.072}, {1.1, 0.130, 0.683, -0.019, 0.066},
        {1.4, 0.330, 0.487, 0.055, -0.064},   {1.7, 0.568, 0.187, 0.109, -0.152},
        {2.4, 0.873, -0.392, 0.226, -0.462},  {3.5, 1.132, -1.237, 0.288, -0.823},
        {5.0, 1.060, -1.600, 0.264, -1.127},  {8.0, 0.678, -0.327, 0.156, -1.377},
    };
    for (const Bin& bin : bins) {
        const double dh = 100, bh = (bin.clearness - 1) * dh;
        const double f1 = std::max(0.0, bin.f11 + 0.1 * bin.f12);
        const double f2 = bin.f21 + 0.1 * bin.f22;
        double beam, diffuse, ground;
        TiltedIrradiancePerez(beam, diffuse, ground, bh, dh, 1000, 0, 0, 1, std::numbers::pi / 2, 0,
                              0);
        EXPECT_NEAR(diffuse, dh * ((1 - f1) / 2 + f2), 1e-9) << "clearness " << bin.clearness;
        EXPECT_EQ(ground, 0.0);
    }
}

TEST(TiltedIrradiance, PerezClearnessOnABoundGoesToTheLowerBin) {
    // Bh / Dh = 0.5 at the zenith gives a clearness of exactly 1.5, the bound of bins 3 and 4.
    // Bin 3: F1 = 0.330 + 0.0487, F2 = 0.055 - 0.0064 -> 100 (0.31065 + 0.0486) = 35.925.
    // (Bin 4 would give 100 (0.20665 + 0.0938) = 30.045.)
    double beam, diffuse, ground;
    TiltedIrradiancePerez(beam, diffuse, ground, 50, 100, 1000, 0, 0, 1, std::numbers::pi / 2, 0,
                          0);
    EXPECT_NEAR(diffuse, 35.925, 1e-9);
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
    const double axisZenith = std::numbers::pi / 2 - axisSlope;
    const double axisDirection = axisAzimuth + std::numbers::pi;
    const double sunToAxis = AngleBetween(z, as, axisZenith, axisDirection);
    const std::string what = "z " + std::to_string(z) + " as " + std::to_string(as) + " axis " +
                             std::to_string(axisSlope) + "/" + std::to_string(axisAzimuth);
    EXPECT_NEAR(incidence, std::fabs(std::numbers::pi / 2 - sunToAxis), 1e-7) << what;
    // The surface normal is perpendicular to the axis.
    EXPECT_NEAR(CosAngleBetween(slope, surfaceAzimuth, axisZenith, axisDirection), 0.0, 1e-12)
        << what;
    EXPECT_GE(slope, 0.0) << what;
    EXPECT_LT(slope, std::numbers::pi) << what;
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

TEST(TrackSurface, OneAxisFacesTheSunAcrossTheHalfTurn) {
    // Sun and axis azimuths more than half a turn apart.
    for (double z : {Radians(30), Radians(70)})
        for (double as : {Radians(-170), Radians(170)})
            for (double axisAzimuth : {Radians(20), Radians(-20)}) {
                ExpectOneAxisOptimum(z, as, 0.0, axisAzimuth);
                ExpectOneAxisOptimum(z, as, Radians(45), axisAzimuth);
            }
}

TEST(AngleBetween, ClampsAndMeasures) {
    EXPECT_DOUBLE_EQ(CosAngleBetween(0.3, 1.0, 0.3, 1.0), 1.0);
    EXPECT_NEAR(AngleBetween(0, 0, std::numbers::pi / 2, 2.0), std::numbers::pi / 2, 1e-15);
    EXPECT_NEAR(AngleBetween(std::numbers::pi / 2, 0, std::numbers::pi / 2, std::numbers::pi),
                std::numbers::pi, 1e-7);
    EXPECT_GE(CosAngleBetween(std::numbers::pi / 2, 0, std::numbers::pi / 2, std::numbers::pi),
              -1.0);
    EXPECT_FALSE(std::isnan(AngleBetween(1.1, 0.4, 1.1, 0.4)));
}

class TrackerTest : public ::testing::Test {
  protected:
    void SetUp() override { test::InstallMessageFile(); }

    test::ScopedTempDir dir_;
    Tracker tracker_;
    double zenith_ = Radians(50), solarAzimuth_ = Radians(-40);
};

TEST_F(TrackerTest, CheckRefusesMissingInputsAndAnglesOutOfRange) {
    EXPECT_EQ(tracker_.Compute(), kFatal);
    EXPECT_EQ(tracker_.SetInputs(&zenith_, nullptr), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Tracker: the zenith or solar azimuth input is not connected");
    EXPECT_EQ(tracker_.SetInputs(&zenith_, &solarAzimuth_), kOk);
    EXPECT_EQ(tracker_.SetParameters(kTrackFixed, std::numbers::pi, 0),
              kFatal);  // slope pi refused
    EXPECT_EQ(std::string(ErrorMessageBuffer()).rfind("Tracker: slope 3.14159", 0), 0u);
    EXPECT_EQ(tracker_.Compute(), kFatal);
    EXPECT_EQ(tracker_.SetParameters(kTrackFixed, -0.01, 0), kFatal);
    EXPECT_EQ(tracker_.SetParameters(kTrackFixed, 0.5, 3.2), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(), "Tracker: azimuth 3.2 rad is outside -pi to pi");
    EXPECT_EQ(tracker_.SetParameters(kTrackFixed, std::nextafter(std::numbers::pi, 0.0),
                                     -std::numbers::pi),
              kOk);
    EXPECT_EQ(tracker_.SetParameters(kTrackFixed, 0, std::numbers::pi), kOk);
    EXPECT_EQ(tracker_.SetParameters(9, 0.5, 0), kOk);  // the mode is not validated
}

TEST_F(TrackerTest, ComputeInEachMode) {
    ASSERT_EQ(tracker_.SetInputs(&zenith_, &solarAzimuth_), kOk);

    ASSERT_EQ(tracker_.SetParameters(kTrackFixed, 0, 0), kOk);
    ASSERT_EQ(tracker_.Compute(), kOk);
    EXPECT_NEAR(tracker_.incidenceAngle, zenith_, 1e-12);  // horizontal: incidence = zenith
    EXPECT_NEAR(tracker_.azimuthDifference, solarAzimuth_, 1e-15);

    ASSERT_EQ(tracker_.SetParameters(kTrackFixed, Radians(40), Radians(-40)), kOk);
    ASSERT_EQ(tracker_.Compute(), kOk);
    EXPECT_NEAR(tracker_.incidenceAngle, Radians(10), 1e-12);
    EXPECT_NEAR(tracker_.azimuthDifference, 0.0, 1e-15);

    ASSERT_EQ(tracker_.SetParameters(kTrackOneAxis, 0, 0), kOk);  // north-south axis
    ASSERT_EQ(tracker_.Compute(), kOk);
    EXPECT_NEAR(tracker_.surfaceAzimuth, -std::numbers::pi / 2, 1e-15);  // morning: faces east
    EXPECT_NEAR(tracker_.azimuthDifference, solarAzimuth_ + std::numbers::pi / 2, 1e-15);
    const double sunToAxis = AngleBetween(zenith_, solarAzimuth_, std::numbers::pi / 2, 0);
    EXPECT_NEAR(tracker_.incidenceAngle, std::fabs(std::numbers::pi / 2 - sunToAxis), 1e-7);

    ASSERT_EQ(tracker_.SetParameters(kTrackTwoAxes, 0, 0), kOk);
    ASSERT_EQ(tracker_.Compute(), kOk);
    EXPECT_DOUBLE_EQ(tracker_.slope, zenith_);
    EXPECT_NEAR(tracker_.incidenceAngle, 0.0, 2e-8);
    EXPECT_EQ(tracker_.azimuthDifference, 0.0);

    ASSERT_EQ(tracker_.SetParameters(kTrackVerticalAxis, Radians(20), 0), kOk);
    ASSERT_EQ(tracker_.Compute(), kOk);
    EXPECT_DOUBLE_EQ(tracker_.slope, Radians(20));
    EXPECT_DOUBLE_EQ(tracker_.surfaceAzimuth, solarAzimuth_);
    EXPECT_NEAR(tracker_.incidenceAngle, Radians(30), 1e-12);
}

TEST_F(TrackerTest, ParameterLineRoundTrip) {
    ASSERT_EQ(tracker_.SetInputs(&zenith_, &solarAzimuth_), kOk);
    ASSERT_EQ(tracker_.SetParameters(kTrackOneAxis, Radians(30), Radians(-20)), kOk);
    std::ostringstream plain;
    EXPECT_EQ(tracker_.WriteParameters(plain), 0);
    EXPECT_EQ(plain.str(), "30 -20 1\n");  // slope, azimuth (degrees), mode

    ASSERT_EQ(tracker_.SetParameters(kTrackVerticalAxis, 1.0987654321, -3.0123456789), kOk);
    std::ostringstream out;
    out.precision(17);
    ASSERT_EQ(tracker_.WriteParameters(out), 0);
    Tracker back;
    back.SetInputs(&zenith_, &solarAzimuth_);
    std::istringstream in(out.str());
    EXPECT_EQ(back.ReadParameters(in, 30000), 0);
    EXPECT_EQ(back.GetStatus(), kReady);
    int mode;
    double slope, azimuth;
    back.GetParameters(mode, slope, azimuth);
    EXPECT_EQ(mode, kTrackVerticalAxis);
    EXPECT_NEAR(slope, 1.0987654321, 1e-15);
    EXPECT_NEAR(azimuth, -3.0123456789, 1e-15);

    std::istringstream refused("180 0 0\n");  // read, then refused by Check
    EXPECT_EQ(back.ReadParameters(refused, 30000), 0);
    EXPECT_EQ(back.GetStatus(), kNotReady);
    std::istringstream truncated("30 0");
    EXPECT_EQ(back.ReadParameters(truncated, 30000), 1);
}

class TilterTest : public ::testing::Test {
  protected:
    void SetUp() override { test::InstallMessageFile(); }

    int Connect(double* beamHorizontal, double* beamNormal, double* airMass) {
        return tilter_.SetInputs(beamHorizontal, beamNormal, &dh_, &g0_, &zenith_, &solarAzimuth_,
                                 airMass, &slope_, &surfaceAzimuth_, &albedo_);
    }
    void Load(const TiltCase& c) {
        bh_ = c.bh;
        bn_ = c.zenith < std::numbers::pi / 2 ? c.bh / std::cos(c.zenith) : 0.0;
        dh_ = c.dh;
        g0_ = c.g0;
        zenith_ = c.zenith;
        solarAzimuth_ = c.solarAzimuth;
        airMass_ = c.airMass;
        slope_ = c.slope;
        surfaceAzimuth_ = c.surfaceAzimuth;
    }

    test::ScopedTempDir dir_;
    Tilter tilter_;
    double bh_ = 0, bn_ = 0, dh_ = 0, g0_ = 1400, zenith_ = 0, solarAzimuth_ = 0, airMass_ = 1;
    double slope_ = 0, surfaceAzimuth_ = 0, albedo_ = 0.2;
};

TEST_F(TilterTest, CheckNeedsTheAirMassForPerezOnly) {
    EXPECT_EQ(tilter_.Compute(), kFatal);
    EXPECT_EQ(Connect(&bh_, nullptr, nullptr), kFatal);  // model 0 without air mass
    EXPECT_STREQ(ErrorMessageBuffer(), "Tilted irradiance: a required input is not connected");
    EXPECT_EQ(tilter_.SetModel(kSkyHayDavies), kOk);
    EXPECT_EQ(tilter_.SetModel(2), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Tilted irradiance: sky model 2 is neither 0 (Perez) nor 1 (Hay-Davies)");
    EXPECT_EQ(tilter_.Compute(), kFatal);
    EXPECT_EQ(tilter_.SetModel(kSkyPerez), kFatal);
    EXPECT_EQ(Connect(nullptr, nullptr, &airMass_), kFatal);  // no beam at all
    EXPECT_EQ(Connect(nullptr, &bn_, &airMass_), kOk);
    EXPECT_EQ(Connect(&bh_, &bn_, &airMass_), kOk);
    EXPECT_EQ(tilter_.SetInputs(&bh_, nullptr, &dh_, &g0_, &zenith_, &solarAzimuth_, &airMass_,
                                &slope_, &surfaceAzimuth_, nullptr),
              kFatal);
}

TEST_F(TilterTest, BothModelsAgreeWithReferenceThroughEitherBeamInput) {
    int compared = 0;
    for (const auto& row : test::ReadCsvTable("solar_tilt.csv")) {
        if (row.HasFlag("perez_sky_floor")) continue;  // reference floored a negative sky part
        const TiltCase c = ReadTiltCase(row);
        Load(c);
        const std::string what = Describe(row);
        for (int model : {kSkyPerez, kSkyHayDavies}) {
            const std::string prefix = model == kSkyPerez ? "perez" : "hd";
            for (bool fromNormal : {false, true}) {
                if (fromNormal && !(c.zenith < Radians(85))) continue;  // bh = bn cos z rounds
                ASSERT_EQ(fromNormal ? Connect(nullptr, &bn_, &airMass_)
                                     : Connect(&bh_, nullptr, &airMass_),
                          kOk);
                ASSERT_EQ(tilter_.SetModel(model), kOk);
                ASSERT_EQ(tilter_.Compute(), kOk);
                ExpectClose(tilter_.total, row.Number(prefix + "_total_model"), what);
                ExpectClose(tilter_.beam, row.Number(prefix + "_beam_model"), what);
                ExpectClose(tilter_.diffuse, row.Number(prefix + "_sky_model"), what);
                // Perez leaves the parts 0 with the sun below the horizon.
                if (model == kSkyHayDavies || c.zenith <= std::numbers::pi / 2)
                    ExpectClose(tilter_.beam + tilter_.diffuse + tilter_.ground, tilter_.total,
                                what);
                EXPECT_NEAR(std::cos(tilter_.incidenceAngle), row.Number("cos_inc"), 2e-9) << what;
                if (!fromNormal && c.zenith < Radians(89))
                    ExpectClose(tilter_.beamNormal, row.Number("dni"), what);
                if (fromNormal) {
                    EXPECT_EQ(tilter_.beamNormal, bn_);
                }
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 500);
}

TEST_F(TilterTest, BeamNormalFromTheHorizontalStopsAt89Degrees) {
    ASSERT_EQ(Connect(&bh_, nullptr, &airMass_), kOk);
    bh_ = 10;
    dh_ = 40;
    zenith_ = Radians(88);
    ASSERT_EQ(tilter_.Compute(), kOk);
    EXPECT_NEAR(tilter_.beamNormal, 10 / std::cos(Radians(88)), 1e-9);
    zenith_ = Radians(89.5);
    ASSERT_EQ(tilter_.Compute(), kOk);
    EXPECT_EQ(tilter_.beamNormal, 0.0);
}

TEST_F(TilterTest, SunBelowTheHorizon) {
    ASSERT_EQ(Connect(&bh_, nullptr, &airMass_), kOk);
    bh_ = 0;
    dh_ = 20;
    zenith_ = Radians(91);
    slope_ = Radians(45);
    ASSERT_EQ(tilter_.Compute(), kOk);
    EXPECT_DOUBLE_EQ(tilter_.total, 20.0);
    EXPECT_EQ(tilter_.beam + tilter_.diffuse + tilter_.ground, 0.0);
    ASSERT_EQ(tilter_.SetModel(kSkyHayDavies), kOk);
    ASSERT_EQ(tilter_.Compute(), kOk);
    EXPECT_EQ(tilter_.beam, 0.0);
    EXPECT_GT(tilter_.diffuse, 0.0);
    EXPECT_GT(tilter_.ground, 0.0);
    EXPECT_LT(tilter_.total, 20.0);
}

TEST_F(TilterTest, ParameterLineRoundTrip) {
    ASSERT_EQ(Connect(&bh_, nullptr, &airMass_), kOk);
    ASSERT_EQ(tilter_.SetModel(kSkyHayDavies), kOk);
    std::ostringstream out;
    EXPECT_EQ(tilter_.WriteParameters(out), 0);
    EXPECT_EQ(out.str(), "1\n");
    Tilter back;
    std::istringstream in(out.str() + "0\n");
    EXPECT_EQ(back.ReadParameters(in, 30000), 0);
    std::ostringstream again;
    back.WriteParameters(again);
    EXPECT_EQ(again.str(), "1\n");
    EXPECT_EQ(back.GetStatus(), kNotReady);  // read, but its inputs are not connected
    std::istringstream bad("x\n");
    EXPECT_EQ(back.ReadParameters(bad, 30000), 1);
}

}  // namespace

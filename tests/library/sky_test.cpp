#include "sky.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

#include "component.h"
#include "csv_table.h"
#include "reference_values.h"
#include "sun.h"
#include "test_support.h"

namespace {

using test::Radians;

TEST(DiffuseFractionOrgillHollands, AgreesWithReferenceTable) {
    const auto rows = test::ReadCsvTable("solar_orgill.csv");
    ASSERT_GE(rows.size(), 17u);
    for (const auto& row : rows) {
        const double kt = row.Number("kt");
        const double expected = row.Number("diffuse_fraction");
        EXPECT_NEAR(DiffuseFractionOrgillHollands(kt), expected, 1e-6 * expected) << "kt " << kt;
    }
}

TEST(DiffuseFractionOrgillHollands, BranchBounds) {
    EXPECT_NEAR(DiffuseFractionOrgillHollands(0.35), 0.913, 1e-12);  // second branch
    EXPECT_NEAR(DiffuseFractionOrgillHollands(0.75), 0.177, 1e-12);
    EXPECT_NEAR(DiffuseFractionOrgillHollands(0.0), 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(DiffuseFractionOrgillHollands(1.2), 0.177);
}

TEST(DiffuseFraction, ConvergesAndFallsWithClearness) {
    double previous = 1.0;
    for (double kt = 0.3; kt <= 0.8; kt += 0.05) {
        int status = -1;
        const double f = DiffuseFraction(status, kt, 1.5, 0.2);
        EXPECT_EQ(status, 0) << "kt " << kt;
        EXPECT_GT(f, 0.0) << "kt " << kt;
        EXPECT_LT(f, 1.0) << "kt " << kt;
        EXPECT_LT(f, previous) << "kt " << kt;  // clearer skies hold less diffuse light
        previous = f;
    }
}

TEST(DiffuseFraction, OvercastSkyIsMostlyDiffuseAndClearSkyMostlyBeam) {
    int status = -1;
    EXPECT_GT(DiffuseFraction(status, 0.1, 1.2, 0.2), 0.9);
    EXPECT_EQ(status, 0);
    EXPECT_LT(DiffuseFraction(status, 0.8, 1.2, 0.2), 0.3);
    EXPECT_EQ(status, 0);
    // Near the Orgill-Hollands correlation in the middle of the range.
    EXPECT_NEAR(DiffuseFraction(status, 0.5, 1.5, 0.2), DiffuseFractionOrgillHollands(0.5), 0.1);
}

TEST(ClearSkyTemperature, HandCalculation) {
    // e = 0.711 + 0.0056 x 10 + 0.000073 x 100 + 0.013 cos 0 = 0.7873
    // 293.15 x 0.7873^0.25 - 273.15 = 2.98723
    EXPECT_NEAR(ClearSkyTemperature(20, 10, 0), 2.98723, 1e-5);
    // At hour 6 the cosine term vanishes: e = 0.711 exactly with a dew point of 0.
    EXPECT_NEAR(ClearSkyTemperature(0, 0, 6), 273.15 * std::pow(0.711, 0.25) - 273.15, 1e-9);
    // Colder than the air.
    EXPECT_LT(ClearSkyTemperature(25, 15, 13.5), 25.0);
}

TEST(SkyTemperature, OvercastAndClearLimits) {
    // Clearness 0: the Orgill-Hollands fraction is 1, so the sky is all cloud, emitting at 0.96
    // of the air: T = 0.96^0.25 (Ta + 273.15).
    EXPECT_NEAR(SkyTemperature(0.0, 15, 5, 12), std::pow(0.96, 0.25) * 288.15 - 273.15, 1e-9);
    // A clear day lies between the clear sky and the air, near the clear sky.
    const double clear = ClearSkyTemperature(15, 5, 12);
    const double sky = SkyTemperature(0.8, 15, 5, 12);
    EXPECT_GT(sky, clear);
    EXPECT_LT(sky, clear + 1.0);
    // By hand: e = 0.711 + 0.028 + 0.001825 - 0.013 = 0.727825, clear sky -7.00068 degC; cloud
    // fraction 0.012 / 0.835 = 0.0143713; (n 0.96 288.15^4 + (1 - n) 266.149^4)^0.25 = -6.69617.
    EXPECT_NEAR(clear, -7.00068, 1e-5);
    EXPECT_NEAR(sky, -6.69617, 1e-5);
}

TEST(DailyExtraterrestrialIrradiation, EquatorAtEquinox) {
    const double ws = SunsetHourAngle(0, 0);
    EXPECT_NEAR(ws, std::numbers::pi / 2, 1e-15);
    EXPECT_NEAR(DailyExtraterrestrialIrradiation(ws, 0, 0, 1367), 1367 * 86400 / std::numbers::pi,
                1e-6);
}

TEST(DailyClearnessIndex, MidnightSunPolarNightAndOrdinaryDay) {
    const double latitude = Radians(80);
    // Midnight sun (day 172): sunset hour angle pi, H0 = G0 x 86400 sin(lat) sin(decl).
    const double d = Declination(172);
    const double h0 = ExtraterrestrialNormal(172) * 86400 * std::sin(latitude) * std::sin(d);
    EXPECT_NEAR(DailyClearnessIndex(172, latitude, 0.5 * h0), 0.5, 1e-12);
    // Polar night (day 355): no extraterrestrial irradiation, index 0 instead of a division by 0.
    EXPECT_EQ(DailyClearnessIndex(355, latitude, 0.0), 0.0);
    EXPECT_EQ(DailyClearnessIndex(355, latitude, 1e5), 0.0);
    EXPECT_TRUE(std::isfinite(DailyClearnessIndex(355, -latitude, 2e7)));
    // Equator at the March equinox (declination near 0): H0 near G0 x 86400 / pi.
    const double equator = ExtraterrestrialNormal(80) * 86400 / std::numbers::pi;
    EXPECT_NEAR(DailyClearnessIndex(80, 0, 0.6 * equator), 0.6, 1e-3);
}

TEST(FresnelReflectance, PublishedValuesAndLimits) {
    EXPECT_NEAR(FresnelReflectance(0.5, 1, 1.332), 0.0211, 1e-4);  // air to water
    EXPECT_NEAR(FresnelReflectance(std::numbers::pi / 3, 1, 1.332), 0.0595,
                1e-4);                                                 // diffuse on water
    EXPECT_DOUBLE_EQ(FresnelReflectance(Radians(60), 1.332, 1), 1.0);  // beyond critical
    EXPECT_DOUBLE_EQ(FresnelReflectance(-Radians(60), 1.332, 1), 1.0);
    EXPECT_NEAR(FresnelReflectance(std::numbers::pi / 2, 1, 1.5), 1.0, 1e-12);  // grazing
    EXPECT_NEAR(FresnelReflectance(0.7, 1.5, 1.5), 0.0, 1e-15);                 // no interface
}

TEST(FresnelReflectance, NormalIncidenceGivesTheLimit) {
    const double limit = std::pow((1.332 - 1) / (1.332 + 1), 2);  // 0.0202684
    EXPECT_NEAR(limit, 0.0202684, 1e-7);
    EXPECT_DOUBLE_EQ(FresnelReflectance(0.0, 1, 1.332), limit);
    EXPECT_DOUBLE_EQ(FresnelReflectance(0.0, 1.332, 1), limit);  // same from either side
    EXPECT_DOUBLE_EQ(FresnelReflectance(0.0, 1.5, 1.5), 0.0);
    // Continuous on both sides of the threshold where the limit takes over.
    for (double a : {1e-9, 1e-7, 2e-6, 1e-4, 1e-3}) {
        const double r = FresnelReflectance(a, 1, 1.332);
        EXPECT_TRUE(std::isfinite(r));
        EXPECT_NEAR(r, limit, 1e-6 * limit) << "a " << a;
    }
}

TEST(FresnelReflectance, BrewsterAngleReflectsOnlyThePerpendicularPart) {
    const double n = 1.5;
    const double a = std::atan(n);  // Brewster angle from air
    const double b = std::asin(std::sin(a) / n);
    const double perpendicular = std::pow(std::sin(b - a) / std::sin(b + a), 2);
    EXPECT_NEAR(FresnelReflectance(a, 1, n), 0.5 * perpendicular, 1e-12);
}

class SplitterTest : public ::testing::Test {
  protected:
    void SetUp() override { test::InstallMessageFile(); }

    // Connects the given weather values with the sun's outputs.
    int Connect(double* global, double* diffuse, double* beamNormal, double* beamHorizontal) {
        return splitter_.SetInputs(global, diffuse, beamNormal, beamHorizontal, &g0_, &zenith_,
                                   &airMass_, &albedo_);
    }
    void ExpectTriple(double global, double diffuse, double beamNormal, double beamHorizontal) {
        EXPECT_NEAR(splitter_.global, global, 1e-9);
        EXPECT_NEAR(splitter_.diffuse, diffuse, 1e-9);
        EXPECT_NEAR(splitter_.beamNormal, beamNormal, 1e-9);
        EXPECT_NEAR(splitter_.beamHorizontal, beamHorizontal, 1e-9);
    }

    test::ScopedTempDir dir_;
    Splitter splitter_;
    double g0_ = 1400, zenith_ = Radians(60), airMass_ = 2.0, albedo_ = 0.2;
    double global_ = 500, diffuse_ = 0, beamNormal_ = 0, beamHorizontal_ = 0;
};

TEST_F(SplitterTest, CheckRefusesIncompleteOrOverdeterminedInputs) {
    EXPECT_EQ(splitter_.GetStatus(), kNotReady);
    EXPECT_EQ(splitter_.Compute(), kFatal);
    EXPECT_EQ(splitter_.SetInputs(&global_, nullptr, nullptr, nullptr, &g0_, nullptr, &airMass_,
                                  &albedo_),
              kFatal);
    EXPECT_EQ(std::string(ErrorMessageBuffer()).rfind("Radiation splitter: the zenith input", 0),
              0u);
    // Global alone needs the extraterrestrial irradiance, air mass and ground reflectance.
    EXPECT_EQ(
        splitter_.SetInputs(&global_, nullptr, nullptr, nullptr, &g0_, &zenith_, nullptr, &albedo_),
        kFatal);
    EXPECT_EQ(splitter_.SetInputs(&global_, &diffuse_, nullptr, nullptr, nullptr, &zenith_, nullptr,
                                  nullptr),
              kOk);
    EXPECT_EQ(Connect(nullptr, nullptr, nullptr, nullptr), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Radiation splitter: neither global irradiance nor diffuse and beam irradiance "
                 "are connected");
    EXPECT_EQ(Connect(nullptr, &diffuse_, nullptr, nullptr), kFatal);
    EXPECT_EQ(Connect(nullptr, nullptr, &beamNormal_, nullptr), kFatal);
    EXPECT_EQ(Connect(&global_, &diffuse_, &beamNormal_, nullptr), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Radiation splitter: global, diffuse and beam irradiance are all connected");
    EXPECT_EQ(Connect(nullptr, &diffuse_, &beamNormal_, &beamHorizontal_), kFatal);
    EXPECT_STREQ(ErrorMessageBuffer(),
                 "Radiation splitter: beam normal and beam horizontal irradiance are both "
                 "connected");
    EXPECT_EQ(Connect(&global_, nullptr, &beamNormal_, &beamHorizontal_), kFatal);
    EXPECT_EQ(splitter_.Compute(), kFatal);
}

TEST_F(SplitterTest, GlobalAloneIsSplitByTheDiffuseFractionModel) {
    ASSERT_EQ(Connect(&global_, nullptr, nullptr, nullptr), kOk);
    global_ = 400;
    zenith_ = Radians(40);
    ASSERT_EQ(splitter_.Compute(), kOk);
    const double c = std::cos(zenith_);
    int status = -1;
    const double f = DiffuseFraction(status, 400 / 1400.0 / c, 2.0, 0.2);
    ASSERT_EQ(status, 0);
    ExpectTriple(400, f * 400, (1 - f) * 400 / c, (1 - f) * 400);
    EXPECT_NEAR(splitter_.diffuse + splitter_.beamHorizontal, splitter_.global, 1e-9);
}

TEST_F(SplitterTest, GlobalAloneNearTheHorizonOrZeroIsAllDiffuse) {
    ASSERT_EQ(Connect(&global_, nullptr, nullptr, nullptr), kOk);
    global_ = 50;
    zenith_ = Radians(88);
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(50, 50, 0, 0);
    global_ = 0;
    zenith_ = Radians(30);
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(0, 0, 0, 0);
}

TEST_F(SplitterTest, GlobalWithOneOtherComponent) {
    zenith_ = Radians(60);  // cos z = 0.5
    ASSERT_EQ(Connect(&global_, &diffuse_, nullptr, nullptr), kOk);
    global_ = 500;
    diffuse_ = 200;
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(500, 200, 600, 300);
    diffuse_ = 600;  // more diffuse than global: all diffuse
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(500, 500, 0, 0);

    ASSERT_EQ(Connect(&global_, nullptr, nullptr, &beamHorizontal_), kOk);
    beamHorizontal_ = 300;
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(500, 200, 600, 300);
    beamHorizontal_ = 700;
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(500, 0, 1000, 500);

    ASSERT_EQ(Connect(&global_, nullptr, &beamNormal_, nullptr), kOk);
    beamNormal_ = 1000;  // beam horizontal 500 = global
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(500, 0, 1000, 500);
    beamNormal_ = 400;
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(500, 300, 400, 200);
    beamNormal_ = 1200;  // projected 600 exceeds the global: limited to it
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(500, 0, 1000, 500);
}

TEST_F(SplitterTest, DiffuseWithABeam) {
    zenith_ = Radians(60);
    ASSERT_EQ(Connect(nullptr, &diffuse_, nullptr, &beamHorizontal_), kOk);
    diffuse_ = 100;
    beamHorizontal_ = 300;
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(400, 100, 600, 300);

    ASSERT_EQ(Connect(nullptr, &diffuse_, &beamNormal_, nullptr), kOk);
    beamNormal_ = 600;
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(400, 100, 600, 300);
}

TEST_F(SplitterTest, BeamOnTheHorizontalWithTheSunAtTheHorizonHasNoBeamNormal) {
    // From 89 degrees on a division by cos z would give an unbounded beam: the beam stays on
    // the horizontal and its normal irradiance is 0, as the tilter takes it.
    ASSERT_EQ(Connect(&global_, &diffuse_, nullptr, nullptr), kOk);
    global_ = 100;
    diffuse_ = 90;
    for (double degrees : {89.0, 89.5, 90.0, 95.0}) {
        zenith_ = Radians(degrees);
        ASSERT_EQ(splitter_.Compute(), kOk) << degrees;
        ExpectTriple(100, 90, 0, 10);
    }
    // Below 89 degrees the division stands.
    zenith_ = Radians(88);
    ASSERT_EQ(splitter_.Compute(), kOk);
    EXPECT_NEAR(splitter_.beamNormal, 10 / std::cos(Radians(88)), 1e-9);

    zenith_ = Radians(90);
    ASSERT_EQ(Connect(nullptr, &diffuse_, nullptr, &beamHorizontal_), kOk);
    beamHorizontal_ = 5;
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(95, 90, 0, 5);
    ASSERT_EQ(Connect(&global_, nullptr, nullptr, &beamHorizontal_), kOk);
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(100, 95, 0, 5);
    // A beam normal that does not fit under the global is cut to it on the horizontal.
    ASSERT_EQ(Connect(&global_, nullptr, &beamNormal_, nullptr), kOk);
    global_ = 1;
    beamNormal_ = 1e20;
    ASSERT_EQ(splitter_.Compute(), kOk);
    ExpectTriple(1, 0, 0, 1);

    // A supplied beam normal irradiance needs no division: accepted at the horizon.
    ASSERT_EQ(Connect(&global_, nullptr, &beamNormal_, nullptr), kOk);
    global_ = 50;
    beamNormal_ = 800;
    ASSERT_EQ(splitter_.Compute(), kOk);
    EXPECT_EQ(splitter_.beamNormal, 800.0);
    EXPECT_NEAR(splitter_.beamHorizontal, 0.0, 1e-9);
    EXPECT_NEAR(splitter_.diffuse, 50.0, 1e-9);
}

TEST_F(SplitterTest, HasNoParameters) {
    ASSERT_EQ(Connect(&global_, nullptr, nullptr, nullptr), kOk);
    std::ostringstream out;
    EXPECT_EQ(splitter_.WriteParameters(out), 0);
    EXPECT_EQ(out.str(), "");
    std::istringstream in("1 2 3\n");
    EXPECT_EQ(splitter_.ReadParameters(in, 30000), 0);
    EXPECT_EQ(in.tellg(), 0);  // nothing consumed
}

}  // namespace

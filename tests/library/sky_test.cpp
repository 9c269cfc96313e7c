#include "sky.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "component.h"
#include "csv_table.h"
#include "sun.h"

namespace {

constexpr double kPi = std::numbers::pi;

double Radians(double degrees) {
    return degrees * kRadiansPerDegree;
}

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
    // Cloud fraction (0.177 - 0.165) / 0.835 weighs the cloud in fourth powers.
    const double n = 0.012 / 0.835;
    const double expected =
        std::pow(n * 0.96 * std::pow(288.15, 4) + (1 - n) * std::pow(clear + 273.15, 4), 0.25) -
        273.15;
    EXPECT_NEAR(sky, expected, 1e-9);
}

TEST(DailyExtraterrestrialIrradiation, EquatorAtEquinox) {
    const double ws = SunsetHourAngle(0, 0);
    EXPECT_NEAR(ws, kPi / 2, 1e-15);
    EXPECT_NEAR(DailyExtraterrestrialIrradiation(ws, 0, 0, 1367), 1367 * 86400 / kPi, 1e-6);
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
    const double equator = ExtraterrestrialNormal(80) * 86400 / kPi;
    EXPECT_NEAR(DailyClearnessIndex(80, 0, 0.6 * equator), 0.6, 1e-3);
}

TEST(FresnelReflectance, PublishedValuesAndLimits) {
    EXPECT_NEAR(FresnelReflectance(0.5, 1, 1.332), 0.0211, 1e-4);      // air to water
    EXPECT_NEAR(FresnelReflectance(kPi / 3, 1, 1.332), 0.0595, 1e-4);  // diffuse on water
    EXPECT_DOUBLE_EQ(FresnelReflectance(Radians(60), 1.332, 1), 1.0);  // beyond critical
    EXPECT_DOUBLE_EQ(FresnelReflectance(-Radians(60), 1.332, 1), 1.0);
    EXPECT_NEAR(FresnelReflectance(kPi / 2, 1, 1.5), 1.0, 1e-12);  // grazing
    EXPECT_NEAR(FresnelReflectance(0.7, 1.5, 1.5), 0.0, 1e-15);    // no interface
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

}  // namespace

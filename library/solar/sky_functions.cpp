#include <algorithm>
#include <cmath>
#include <numbers>

#include "physical_constants.h"
#include "sky.h"
#include "sun.h"

namespace {

// Below this incidence angle the Fresnel formula's quotients lose their digits (and become 0/0
// at 0); the normal-incidence limit differs from them by a relative O(a^2) there.
constexpr double kNearNormalIncidence = 1e-6;

}  // namespace

double DiffuseFraction(int& status, double kt, double airMass, double groundReflectance) {
    const double m = airMass;
    const double r = groundReflectance;
    const double t = 0.19 * std::exp(-0.97 * m) + 0.81;
    const double p = std::pow(0.98, m - 1.0);
    const double kbMax = 0.45 * std::exp(-0.34 * m) + 0.55;
    const double s2 = std::pow(0.04 * std::sqrt(m), 2);

    double f = 0.5;
    for (int pass = 0; pass < 100; ++pass) {
        // Clearness corrected for the inter-reflection between ground and sky.
        const double k = kt * (1.0 + (1.0 - f) * r * kt / t) / (1.0 + r * kt / t);

        const double a = 25.0 * p - 50.0;
        const double b = 50.0 * k - (25.0 * p + 1.0) * t;
        const double x = (-b - std::sqrt(b * b - 4.0 * a * t * k)) / (2.0 * a);

        const double d = t / x + 50.0;
        const double g = ((t - x) * t / (d * x * x) - 1.0) * 25.0 * p / d;

        const double qa = (0.5 + s2) * (g + 1.0) * (g + 1.0) - 4.0 * g * s2;
        const double qb = 2.0 * s2 * ((g + x) - g * g * x - 1.0) - x * (g + 1.0) * (g + 1.0);
        const double qc = (0.5 + s2) * x * x * (g + 1.0) * (g + 1.0) - 2.0 * (g + 1.0) * s2 * x;
        const double discriminant = std::max(0.0, qb * qb - 4.0 * qa * qc);
        const double y1 = (-qb - std::sqrt(discriminant)) / (2.0 * qa);
        const double y2 = (-qb + std::sqrt(discriminant)) / (2.0 * qa);

        const auto beamClearness = [&](double y) {
            return std::min(std::max((y - x) * g + x, 0.0025 * m * k), kbMax);
        };
        const double kb1 = beamClearness(y1);
        const double kb2 = beamClearness(y2);
        const double kbm = 2.0 * kb1 * kb2 / (kb1 + kb2);

        const double next = (r * kt + t) / (r * kt + t / (1.0 - kbm / k));
        if (std::fabs(next - f) < 0.001 * f) {
            status = 0;
            return next;
        }
        f = next;
    }
    status = 4;
    return f;
}

double DiffuseFractionOrgillHollands(double clearness) {
    if (clearness < 0.35) return 1.0 - 0.249 * clearness;
    if (clearness < 0.75) return 1.557 - 1.84 * clearness;
    return 0.177;
}

double ClearSkyTemperature(double airTemperature, double dewPoint, double hour) {
    const double emissivity = 0.711 + 0.0056 * dewPoint + 0.000073 * dewPoint * dewPoint +
                              0.013 * std::cos(15.0 * hour * std::numbers::pi / 180.0);
    return (airTemperature + kZeroCelsius) * std::pow(emissivity, 0.25) - kZeroCelsius;
}

double SkyTemperature(double clearness, double airTemperature, double dewPoint, double hour) {
    const double clearSky = ClearSkyTemperature(airTemperature, dewPoint, hour) + kZeroCelsius;
    const double cloud =
        std::clamp((DiffuseFractionOrgillHollands(clearness) - 0.165) / 0.835, 0.0, 1.0);
    const double air = airTemperature + kZeroCelsius;
    const double emission = cloud * 0.96 * kStefanBoltzmann * std::pow(air, 4) +
                            (1.0 - cloud) * kStefanBoltzmann * std::pow(clearSky, 4);
    return std::pow(emission / kStefanBoltzmann, 0.25) - kZeroCelsius;
}

double DailyExtraterrestrialIrradiation(double sunsetHourAngle, double latitude, double declination,
                                        double extraterrestrialNormal) {
    return 2.0 * (extraterrestrialNormal * kSecondsPerDay / 2.0 / std::numbers::pi) *
           (std::cos(latitude) * std::cos(declination) * std::sin(sunsetHourAngle) +
            sunsetHourAngle * std::sin(latitude) * std::sin(declination));
}

double DailyClearnessIndex(int dayOfYear, double latitude, double dailyGlobal) {
    const double declination = Declination(dayOfYear);
    const double extraterrestrial =
        DailyExtraterrestrialIrradiation(SunsetHourAngle(latitude, declination), latitude,
                                         declination, ExtraterrestrialNormal(dayOfYear));
    if (!(extraterrestrial > 0.0)) return 0.0;  // polar night: the sun does not rise
    return dailyGlobal / extraterrestrial;
}

double FresnelReflectance(double incidence, double ni, double nt) {
    const double s = std::sin(incidence) * ni / nt;
    if (s < -1.0 || s > 1.0) return 1.0;  // total reflection
    if (std::fabs(incidence) < kNearNormalIncidence) {
        const double q = (ni - nt) / (ni + nt);
        return q * q;
    }
    const double b = std::asin(s);
    const double perpendicular =
        std::pow(std::sin(b - incidence), 2) / std::pow(std::sin(b + incidence), 2);
    const double parallel =
        std::pow(std::tan(b - incidence), 2) / std::pow(std::tan(b + incidence), 2);
    return 0.5 * (perpendicular + parallel);
}

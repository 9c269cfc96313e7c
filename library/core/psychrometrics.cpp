#include "psychrometrics.h"

#include <cmath>
#include <limits>

#include "helpers.h"
#include "physical_constants.h"

namespace {

constexpr double kMolarMassRatio = 0.62198;

// Hyland-Wexler constants, over ice (C1..C7) and over liquid water (C8..C13).
constexpr double C1 = -5.6745359e+03, C2 = 6.3925247e+00, C3 = -9.6778430e-03, C4 = 6.2215701e-07,
                 C5 = 2.0747825e-09, C6 = -9.4840240e-13, C7 = 4.1635019e+00;
constexpr double C8 = -5.8002206e+03, C9 = 1.3914993e+00, C10 = -4.8640239e-02, C11 = 4.1764768e-05,
                 C12 = -1.4452093e-08, C13 = 6.5459673e+00;

}  // namespace

double SatVapourPressure(double t) {
    const double tk = CelsiusToKelvin(t);
    if (t >= -100.0 && t <= 0.0)
        return std::exp(C1 / tk + C2 + C3 * tk + C4 * tk * tk + C5 * tk * tk * tk +
                        C6 * tk * tk * tk * tk + C7 * std::log(tk));
    if (t > 0.0 && t <= 200.0)
        return std::exp(C8 / tk + C9 + C10 * tk + C11 * tk * tk + C12 * tk * tk * tk +
                        C13 * std::log(tk));
    return std::numeric_limits<double>::max();
}

double VapourPressureFromHumidityRatio(double w, double p) {
    return p * w / (w + kMolarMassRatio);
}

double HumidityRatioFromVapourPressure(double pw, double p) {
    return kMolarMassRatio * pw / (p - pw);
}

double SatHumidityRatio(double t, double p) {
    return HumidityRatioFromVapourPressure(SatVapourPressure(t), p);
}

double DewPointFromVapourPressure(double t, double pw) {
    if (t > 93.0) return t;
    const double kpa = pw / 1000.0;
    const double a = std::log(kpa);
    const double td = t >= 0.0 ? 6.54 + 14.526 * a + 0.7389 * a * a + 0.09486 * a * a * a +
                                     0.4569 * std::pow(kpa, 0.1984)
                               : 6.09 + 12.608 * a + 0.4959 * a * a;
    return std::min(td, t);
}

double RelHumFromVapourPressure(double t, double pw) {
    return pw / SatVapourPressure(t);
}

double VapourPressureFromRelHum(double t, double rh) {
    return SatVapourPressure(t) * rh;
}

double DewPointFromRelHum(double t, double rh) {
    return DewPointFromVapourPressure(t, VapourPressureFromRelHum(t, rh));
}

double DewPointFromHumidityRatio(double t, double w, double p) {
    return DewPointFromVapourPressure(t, VapourPressureFromHumidityRatio(w, p));
}

double RelHumFromHumidityRatio(double t, double w, double p) {
    return VapourPressureFromHumidityRatio(w, p) / SatVapourPressure(t);
}

double HumidityRatioFromRelHum(double t, double rh, double p) {
    return HumidityRatioFromVapourPressure(VapourPressureFromRelHum(t, rh), p);
}

double HumidityRatioFromWetBulb(double t, double twb, double p) {
    return ((2501.0 - 2.326 * twb) * SatHumidityRatio(twb, p) - 1.006 * (t - twb)) /
           (2501.0 + 1.86 * t - 4.186 * twb);
}

double WetBulbFromHumidityRatio(double t, double w, double p) {
    double lower = DewPointFromHumidityRatio(t, w, p);
    // Dry air has no dew point (log of 0): start from the bottom of the saturation range so
    // the bisection still ends.
    if (!(lower >= -100.0)) lower = std::min(-100.0, t);
    double upper = t;
    double guess = (lower + upper) / 2.0;
    while (upper - lower > 0.01) {
        if (w < HumidityRatioFromWetBulb(t, guess, p))
            upper = guess;
        else
            lower = guess;
        guess = (lower + upper) / 2.0;
    }
    return guess;
}

double WetBulbFromRelHum(double t, double rh, double p) {
    return WetBulbFromHumidityRatio(t, HumidityRatioFromRelHum(t, rh, p), p);
}

double WetBulbFromDewPoint(double t, double td, double p) {
    return WetBulbFromHumidityRatio(t, SatHumidityRatio(td, p), p);
}

double StandardAtmosphericPressure(double elevation) {
    return kStandardPressure * std::pow(1.0 - 2.25577e-5 * elevation, 5.2559);
}

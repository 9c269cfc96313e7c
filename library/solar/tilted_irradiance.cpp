#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <numbers>

#include "collector_plane.h"

namespace {

// Perez et al. (1990), all-sites composite coefficients (table 6), by sky-clearness bin (the
// bounds of table 1); F13 and F23 multiply the zenith in radians.
struct PerezBin {
    double upperClearness;
    double f11, f12, f13, f21, f22, f23;
};
constexpr PerezBin kPerezBins[] = {
    {1.065, -0.008, 0.588, -0.062, -0.060, 0.072, -0.022},
    {1.23, 0.130, 0.683, -0.151, -0.019, 0.066, -0.029},
    {1.5, 0.330, 0.487, -0.221, 0.055, -0.064, -0.026},
    {1.95, 0.568, 0.187, -0.295, 0.109, -0.152, -0.014},
    {2.8, 0.873, -0.392, -0.362, 0.226, -0.462, 0.001},
    {4.5, 1.132, -1.237, -0.412, 0.288, -0.823, 0.056},
    {6.2, 1.060, -1.600, -0.359, 0.264, -1.127, 0.131},
    {std::numeric_limits<double>::infinity(), 0.678, -0.327, -0.250, 0.156, -1.377, 0.251},
};

// Clearness bin: the first whose upper bound the clearness does not exceed.
const PerezBin& FindPerezBin(double clearness) {
    for (const PerezBin& bin : kPerezBins)
        if (clearness <= bin.upperClearness) return bin;
    return kPerezBins[std::size(kPerezBins) - 1];
}

// The beam normal irradiance used in the Perez beam term never exceeds this value.
constexpr double kPerezBeamNormalCap = 1230.3;  // W/m2
constexpr double kPerezCircumsolarZenith = 85 * kRadiansPerDegree;
constexpr double kHayDaviesZenithLimit = 86.25 * kRadiansPerDegree;

}  // namespace

double TiltedIrradiancePerez(double& beam, double& diffuse, double& ground, double beamHorizontal,
                             double diffuseHorizontal, double extraterrestrialNormal, double zenith,
                             double solarAzimuth, double airMass, double slope,
                             double surfaceAzimuth, double groundReflectance) {
    beam = diffuse = ground = 0;
    const double bh = beamHorizontal;
    const double dh = diffuseHorizontal;
    const double global = bh + dh;
    if (!(bh > 0) && !(dh > 0)) return 0;
    if (zenith > std::numbers::pi / 2) return global;  // sun below the horizon: nothing is split

    const double cosZenith = std::cos(zenith);
    const double cosIncidence =
        cosZenith * std::cos(slope) +
        std::sin(zenith) * std::sin(slope) * std::cos(solarAzimuth - surfaceAzimuth);

    const double brightness = std::min(dh * airMass / extraterrestrialNormal, 1.0);
    const double clearness =
        1.0 + ((bh / cosZenith) / dh) / (1.0 + 1.041 * zenith * zenith * zenith);
    const PerezBin& bin = FindPerezBin(clearness);
    const double f1 = std::max(0.0, bin.f11 + bin.f12 * brightness + bin.f13 * zenith);
    const double f2 = bin.f21 + bin.f22 * brightness + bin.f23 * zenith;

    const double a = std::max(0.0, cosIncidence);
    const double c = std::max(cosZenith, std::cos(kPerezCircumsolarZenith));
    diffuse = dh * ((1.0 - f1) * (1.0 + std::cos(slope)) / 2.0 + f1 * a / c + f2 * std::sin(slope));

    const double projected = std::min(bh / cosZenith, kPerezBeamNormalCap) * cosIncidence;
    beam = projected > 0 ? projected : 0.0;

    ground = global * groundReflectance * (1.0 - std::cos(slope)) / 2.0;
    return beam + diffuse + ground;
}

double TiltedIrradianceAnisotropic(double& beam, double& diffuse, double& ground,
                                   double beamHorizontal, double diffuseHorizontal,
                                   double extraterrestrialNormal, double zenith,
                                   double solarAzimuth, double slope, double surfaceAzimuth,
                                   double groundReflectance) {
    const double bh = beamHorizontal;
    const double dh = diffuseHorizontal;
    const double cosIncidence = CosAngleBetween(zenith, solarAzimuth, slope, surfaceAzimuth);
    const double cz = std::max(std::cos(zenith), std::cos(kHayDaviesZenithLimit));
    const double rb = (zenith < std::numbers::pi / 2 && cosIncidence > 0) ? cosIncidence / cz : 0.0;

    beam = bh * rb;
    const double anisotropy = std::min(bh / extraterrestrialNormal / cz, 1.0);
    diffuse = dh * ((1.0 + std::cos(slope)) / 2.0 * (1.0 - anisotropy) + anisotropy * rb);
    ground = (bh + dh) * groundReflectance * (1.0 - std::cos(slope)) / 2.0;
    return beam + diffuse + ground;
}

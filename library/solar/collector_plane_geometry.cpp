#include <algorithm>
#include <cmath>
#include <numbers>

#include "collector_plane.h"

namespace {

// Azimuth of the sun seen from the axis, in -pi..pi. Azimuths compared directly would put the
// sun on the wrong side of the axis when the two lie more than half a turn apart (axis at +20
// degrees, sun at -170), and the surface would turn its back to the sun.
double SunFromAxis(double solarAzimuth, double axisAzimuth) {
    return std::remainder(solarAzimuth - axisAzimuth, 2 * std::numbers::pi);
}

// Horizontal axis: the surface faces the side of the axis the sun is on.
void TrackHorizontalAxis(double& slope, double& surfaceAzimuth, double zenith, double solarAzimuth,
                         double axisAzimuth) {
    surfaceAzimuth = SunFromAxis(solarAzimuth, axisAzimuth) < 0
                         ? axisAzimuth - std::numbers::pi / 2
                         : axisAzimuth + std::numbers::pi / 2;
    slope = std::atan(std::tan(zenith) * std::cos(surfaceAzimuth - solarAzimuth));
    if (slope < 0) slope += std::numbers::pi;
}

void TrackInclinedAxis(double& slope, double& surfaceAzimuth, double zenith, double solarAzimuth,
                       double axisSlope, double axisAzimuth) {
    surfaceAzimuth =
        axisAzimuth + std::atan(std::sin(zenith) * std::sin(solarAzimuth - axisAzimuth) /
                                (CosAngleBetween(zenith, solarAzimuth, axisSlope, axisAzimuth) *
                                 std::sin(axisSlope)));
    const double sunFromAxis = SunFromAxis(solarAzimuth, axisAzimuth);
    if (sunFromAxis * (surfaceAzimuth - axisAzimuth) < 0)
        surfaceAzimuth += sunFromAxis < 0 ? -std::numbers::pi : std::numbers::pi;
    slope = std::atan(std::tan(axisSlope) / std::cos(surfaceAzimuth - axisAzimuth));
    if (slope < 0) slope += std::numbers::pi;
}

}  // namespace

double CosAngleBetween(double zenith1, double azimuth1, double zenith2, double azimuth2) {
    const double c = std::cos(zenith1) * std::cos(zenith2) +
                     std::sin(zenith1) * std::sin(zenith2) * std::cos(azimuth1 - azimuth2);
    return std::clamp(c, -1.0, 1.0);
}

double AngleBetween(double zenith1, double azimuth1, double zenith2, double azimuth2) {
    return std::acos(CosAngleBetween(zenith1, azimuth1, zenith2, azimuth2));
}

void TrackSurface(double& slope, double& surfaceAzimuth, double& incidence, double zenith,
                  double solarAzimuth, int mode, double slopeParameter, double azimuthParameter) {
    switch (mode) {
        case kTrackFixed:
            slope = slopeParameter;
            surfaceAzimuth = azimuthParameter;
            break;
        case kTrackOneAxis:
            if (slopeParameter == 0)
                TrackHorizontalAxis(slope, surfaceAzimuth, zenith, solarAzimuth, azimuthParameter);
            else
                TrackInclinedAxis(slope, surfaceAzimuth, zenith, solarAzimuth, slopeParameter,
                                  azimuthParameter);
            break;
        case kTrackTwoAxes:
            slope = zenith;
            surfaceAzimuth = solarAzimuth;
            break;
        case kTrackVerticalAxis:
            slope = slopeParameter;
            surfaceAzimuth = solarAzimuth;
            break;
        default:
            break;
    }
    incidence = AngleBetween(zenith, solarAzimuth, slope, surfaceAzimuth);
}

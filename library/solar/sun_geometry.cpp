#include <algorithm>
#include <cmath>
#include <numbers>

#include "component.h"
#include "helpers.h"
#include "physical_constants.h"
#include "sun.h"

namespace {

constexpr double kRadiansPerHour = 15 * kRadiansPerDegree;

}  // namespace

// Spencer (1971) throughout: day angle, declination, eccentricity and equation of time.
double DayAngle(int dayOfYear) {
    return 2.0 * std::numbers::pi * (dayOfYear - 1) / 365.0;
}

double Declination(int dayOfYear) {
    const double b = DayAngle(dayOfYear);
    return 0.006918 - 0.399912 * std::cos(b) + 0.070257 * std::sin(b) - 0.006758 * std::cos(2 * b) +
           0.000907 * std::sin(2 * b) - 0.002697 * std::cos(3 * b) + 0.00148 * std::sin(3 * b);
}

double EccentricityFactor(int dayOfYear) {
    const double b = DayAngle(dayOfYear);
    return 1.00011 + 0.034221 * std::cos(b) + 0.00128 * std::sin(b) + 0.000719 * std::cos(2 * b) +
           0.000077 * std::sin(2 * b);
}

double ExtraterrestrialNormal(int dayOfYear) {
    return kSolarConstant * EccentricityFactor(dayOfYear);
}

double EquationOfTime(int dayOfYear, double siteLongitude, double standardMeridian) {
    const double b = DayAngle(dayOfYear);
    const double spencer = 229.18 * (0.000075 + 0.001868 * std::cos(b) - 0.032077 * std::sin(b) -
                                     0.014615 * std::cos(2 * b) - 0.04089 * std::sin(2 * b));
    double longitudeDifference = (standardMeridian - siteLongitude) * kDegreesPerRadian;
    if (longitudeDifference > 180.0)
        longitudeDifference -= 360.0;
    else if (longitudeDifference < -180.0)
        longitudeDifference += 360.0;
    return spencer + 4.0 * longitudeDifference;
}

double StandardMeridianOf(double longitude) {
    return 15 * RoundHalfUp(longitude / 15);
}

double HourAngle(double solarHour) {
    return (solarHour - 12.0) * kRadiansPerHour;
}

SineCosine::SineCosine(double angle) : sine(std::sin(angle)), cosine(std::cos(angle)) {}

void SolarZenithAzimuth(double& zenith, double& azimuth, const SineCosine& declination,
                        double hourAngle, const SineCosine& latitude) {
    const SineCosine hour(hourAngle);
    const double cosZenith =
        declination.sine * latitude.sine + declination.cosine * hour.cosine * latitude.cosine;
    zenith = std::acos(std::clamp(cosZenith, -1.0, 1.0));
    azimuth = std::atan2(
        declination.cosine * hour.sine,
        declination.cosine * hour.cosine * latitude.sine - declination.sine * latitude.cosine);
}

double SunsetHourAngle(double latitude, double declination) {
    const double x = -std::tan(latitude) * std::tan(declination);
    if (x > 1.0) return 0.0;
    if (x < -1.0) return std::numbers::pi;
    return std::acos(x);
}

double AirMass(double zenith) {
    if (zenith < std::numbers::pi / 2)
        return 1.0 /
               (std::cos(zenith) + 0.15 * std::pow(93.885 - zenith * kDegreesPerRadian, -1.253));
    return 1.0 / (0.15 * std::pow(3.885, -1.253));
}

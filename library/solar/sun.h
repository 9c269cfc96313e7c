// Solar geometry: day angle, declination, eccentricity, equation of time, hour angle, sun
// position, sunset hour angle, air mass and extraterrestrial normal irradiance.
//
// Angles are radians; latitude north positive; longitudes west positive; solar azimuth from
// south, positive towards west; day of year 1 to 365 (no leap day); hours 0 to 24 as reals.
//
// Sources: J. W. Spencer, "Fourier series representation of the position of the sun", Search
// 2(5), 172 (1971), for the day angle, declination, eccentricity and equation of time; the
// geometry as in J. A. Duffie and W. A. Beckman, Solar Engineering of Thermal Processes, 4th ed.
// (Wiley, 2013), chapter 1, cited below as "Duffie and Beckman".
#pragma once

#include "component.h"

// Spencer's day angle 2 pi (n - 1) / 365, rad.
double DayAngle(int dayOfYear);
// Spencer's series (Duffie and Beckman eq. 1.6.1b), rad.
double Declination(int dayOfYear);
// Spencer's series for (mean distance / distance)^2 (Duffie and Beckman eq. 1.4.1b).
double EccentricityFactor(int dayOfYear);
// The solar constant (1367 W/m2) times the eccentricity factor, W/m2.
double ExtraterrestrialNormal(int dayOfYear);
// Minutes to add to clock time to get solar time (Duffie and Beckman eq. 1.5.2): Spencer's
// equation of time (eq. 1.5.3, with 229.18 minutes per radian) plus 4 minutes per degree of
// (standard meridian - site longitude), that difference taken into -180..180 degrees.
double EquationOfTime(int dayOfYear, double siteLongitude, double standardMeridian);
// The standard meridian of a station's time zone, degrees (west positive): the multiple of 15
// degrees nearest its longitude, a half way rounded up. The time base of a ZEFIR weather file.
double StandardMeridianOf(double longitude);
// 15 degrees per hour from solar noon, negative in the morning, rad.
double HourAngle(double solarHour);
// The sine and cosine of an angle.
struct SineCosine {
    explicit SineCosine(double angle = 0);
    double sine, cosine;
};
// Zenith (Duffie and Beckman eq. 1.6.5) and azimuth (south 0, west positive) of the sun, rad,
// from the sines and cosines of the declination and latitude, which change once a day and once a
// run while the hour angle changes every hour.
void SolarZenithAzimuth(double& zenith, double& azimuth, const SineCosine& declination,
                        double hourAngle, const SineCosine& latitude);
// cos ws = -tan(latitude) tan(declination) (Duffie and Beckman eq. 1.6.10), rad; 0 in polar
// night, pi under the midnight sun.
double SunsetHourAngle(double latitude, double declination);
// Relative optical air mass after F. Kasten, "A new table and approximation formula for the
// relative optical air mass", Arch. Meteorol. Geophys. Bioklimatol. B 14, 206-223 (1966);
// at and below the horizon the value at 90 degrees.
double AirMass(double zenith);

// Beyond this zenith the beam on the horizontal is not turned into a beam normal irradiance:
// the division by cos z would magnify it without bound.
constexpr double kBeamNormalZenithLimit = 89 * kRadiansPerDegree;

// Sun position, air mass and extraterrestrial normal irradiance for the driver's day of year and
// hour (clock time corrected to solar time, or solar time). The declination and extraterrestrial
// irradiance (and the equation of time) are computed once per day.
class Sun : public SolarBase {
  public:
    Sun() { Reset(); }

    int GetTypeId() const override { return kTypeSun; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    // Latitude (degrees), clock-time flag, site longitude and standard meridian (degrees).
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    int SetInputs(int* day, double* hour);
    // Radians; longitudes west positive. A non-zero clockTime means the hour input is clock time.
    int SetParameters(double latitude, int clockTime, double siteLongitude,
                      double standardMeridian);
    void GetParameters(double& latitude, int& clockTime, double& siteLongitude,
                       double& standardMeridian) const;
    double GetLatitude() const { return latitude_; }

    double zenith;                  // rad
    double azimuth;                 // rad, south 0, west positive
    double airMass;                 // relative optical air mass
    double extraterrestrialNormal;  // W/m2

  protected:
    int* day_;
    double* hour_;

    double latitude_;
    int clockTime_;
    double siteLongitude_;
    double standardMeridian_;

    // Values of the day last computed (0: none), with the latitude's sine and cosine.
    int cachedDay_;
    SineCosine cachedDeclination_;
    double cachedExtraterrestrialNormal_;
    double cachedEquationOfTime_;  // min
    SineCosine cachedLatitude_;
};

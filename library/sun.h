// Solar geometry: day angle, declination, eccentricity, equation of time, hour angle, sun
// position, sunset hour angle, air mass and extraterrestrial normal irradiance.
//
// Angles are radians; latitude north positive; longitudes west positive; solar azimuth from
// south, positive towards west; day of year 1 to 365 (no leap day); hours 0 to 24 as reals.
#pragma once

// 2 pi (n - 1) / 365
double DayAngle(int dayOfYear);
// Spencer's series, radians.
double Declination(int dayOfYear);
// Spencer's series for (mean distance / distance)^2.
double EccentricityFactor(int dayOfYear);
// 1367 W/m2 times the eccentricity factor.
double ExtraterrestrialNormal(int dayOfYear);
// Minutes to add to clock time to get solar time: Spencer's equation of time plus 4 minutes per
// degree of (standard meridian - site longitude), that difference taken into -180..180 degrees.
double EquationOfTime(int dayOfYear, double siteLongitude, double standardMeridian);
// 15 degrees per hour from solar noon, negative in the morning.
double HourAngle(double solarHour);
// Zenith and azimuth (south 0, west positive) of the sun.
void SolarZenithAzimuth(double& zenith, double& azimuth, double declination, double hourAngle,
                        double latitude);
// 0 in polar night, pi under the midnight sun.
double SunsetHourAngle(double latitude, double declination);
// Kasten's relative air mass; at and below the horizon the value at 90 degrees.
double AirMass(double zenith);

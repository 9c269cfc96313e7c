// Sky radiation: diffuse-fraction correlations, clear-sky and effective sky temperature, daily
// extraterrestrial irradiation and clearness index, and the Fresnel reflectance of an interface.
#pragma once

// Diffuse fraction of global horizontal irradiance for clearness kt, air mass m and ground
// reflectance r, found by iteration from 0.5. status is 0 when the iteration converged, 4 when it
// stopped after 100 passes (the last estimate is returned).
double DiffuseFraction(int& status, double kt, double airMass, double groundReflectance);

// Orgill and Hollands' piecewise correlation of the diffuse fraction with the clearness index.
double DiffuseFractionOrgillHollands(double clearness);

// Clear-sky temperature (degC) from the air temperature and dew point (degC) at hour t.
double ClearSkyTemperature(double airTemperature, double dewPoint, double hour);

// Effective sky temperature (degC): clear sky and cloud (at 0.96 of the air's emission) weighted
// by a cloud fraction estimated from the clearness index.
double SkyTemperature(double clearness, double airTemperature, double dewPoint, double hour);

// Daily extraterrestrial irradiation on the horizontal (J/m2) for the sunset hour angle, latitude
// and declination (rad) and the extraterrestrial normal irradiance (W/m2).
double DailyExtraterrestrialIrradiation(double sunsetHourAngle, double latitude, double declination,
                                        double extraterrestrialNormal);

// Daily global irradiation (J/m2) over the day's extraterrestrial irradiation at the latitude
// (rad); 0 when the sun does not rise (no extraterrestrial irradiation).
double DailyClearnessIndex(int dayOfYear, double latitude, double dailyGlobal);

// Reflectance of unpolarised light at the interface between a medium of index ni (the light's
// side) and one of index nt, for the incidence angle a (rad): 1 under total reflection; at normal
// incidence the limit ((ni - nt) / (ni + nt))^2.
double FresnelReflectance(double incidence, double ni, double nt);

// Sky radiation: diffuse-fraction correlations, clear-sky and effective sky temperature, daily
// extraterrestrial irradiation and clearness index, and the Fresnel reflectance of an interface.
// "Duffie and Beckman" below is J. A. Duffie and W. A. Beckman, Solar Engineering of Thermal
// Processes, 4th ed. (Wiley, 2013).
#pragma once

#include "component.h"

// Diffuse fraction of global horizontal irradiance for the hourly clearness index kt, the air
// mass m and the ground reflectance r: the derivation of K. G. T. Hollands, "A derivation of the
// diffuse fraction's dependence on the clearness index", Solar Energy 35(2), 131-136 (1985),
// with the correction for the back-scattering between ground and sky of K. G. T. Hollands and
// S. J. Crha, "An improved model for diffuse radiation: correction for atmospheric
// back-scattering", Solar Energy 38(4), 233-236 (1987). Its constants, all functions of m:
// T = 0.19 exp(-0.97 m) + 0.81, the clear atmosphere's transmittance, and P = 0.98^(m - 1), its
// change along the path; K = 0.45 exp(-0.34 m) + 0.55, the largest beam clearness; and
// the spread 0.04 sqrt(m) of the beam clearness about its mean. The clearness is corrected for
// the back-scattered share, which depends on the diffuse fraction itself, so the fraction is
// found by iteration from 0.5 to a relative change below 0.001. status is 0 when it converged,
// 4 when it stopped after 100 passes (the last estimate is returned).
double DiffuseFraction(int& status, double kt, double airMass, double groundReflectance);

// Diffuse fraction of hourly global horizontal irradiance from the hourly clearness index:
// J. F. Orgill and K. G. T. Hollands, "Correlation equation for hourly diffuse radiation on a
// horizontal surface", Solar Energy 19(4), 357-359 (1977); Duffie and Beckman eq. 2.10.1.
double DiffuseFractionOrgillHollands(double clearness);

// Clear-sky temperature (degC) from the air temperature and dew point (degC) at hour t, with the
// clear-sky emissivity 0.711 + 0.0056 Tdp + 0.000073 Tdp^2 + 0.013 cos(15 t) of P. Berdahl and
// M. Martin, "Emissivity of clear skies", Solar Energy 32(5), 663-664 (1984) (Duffie and
// Beckman eq. 3.9.2).
double ClearSkyTemperature(double airTemperature, double dewPoint, double hour);

// Effective sky temperature (degC): the clear sky and the cloud (emitting 0.96 of a black body at
// the air temperature) weighted by a cloud fraction, (Orgill-Hollands diffuse fraction - 0.165)
// / 0.835 clamped to 0..1, from the clearness index.
double SkyTemperature(double clearness, double airTemperature, double dewPoint, double hour);

// Daily extraterrestrial irradiation on the horizontal (J/m2) for the sunset hour angle, latitude
// and declination (rad) and the extraterrestrial normal irradiance (W/m2) (Duffie and Beckman
// eq. 1.10.3).
double DailyExtraterrestrialIrradiation(double sunsetHourAngle, double latitude, double declination,
                                        double extraterrestrialNormal);

// Daily global irradiation (J/m2) over the day's extraterrestrial irradiation at the latitude
// (rad); 0 when the sun does not rise (no extraterrestrial irradiation).
double DailyClearnessIndex(int dayOfYear, double latitude, double dailyGlobal);

// Reflectance of unpolarised light at the interface between a medium of index ni (the light's
// side) and one of index nt, for the incidence angle a (rad): Fresnel's equations, the mean of
// the perpendicular and parallel components (Duffie and Beckman sec. 5.1); 1 under total
// reflection; at normal incidence the limit ((ni - nt) / (ni + nt))^2.
double FresnelReflectance(double incidence, double ni, double nt);

// Completes the horizontal irradiance triple (global, diffuse, beam) from whichever pair the
// weather supplies, or from global irradiance alone through the diffuse-fraction model.
class Splitter : public SolarBase {
  public:
    Splitter() { Reset(); }

    int GetTypeId() const override { return kTypeSplitter; }
    void Reset() override;
    int Compute() override;
    int Check() override;

    // Irradiances in W/m2, zenith in rad; any of the four irradiances may be null (the pairs
    // that complete the triple are listed in Check). The extraterrestrial normal irradiance,
    // air mass and ground reflectance are used with global irradiance alone; null reads 0.
    int SetInputs(double* global, double* diffuse, double* beamNormal, double* beamHorizontal,
                  double* extraterrestrialNormal, double* zenith, double* airMass,
                  double* groundReflectance);

    double global;          // W/m2 on the horizontal
    double diffuse;         // W/m2 on the horizontal
    double beamNormal;      // W/m2 at normal incidence
    double beamHorizontal;  // W/m2 on the horizontal

  private:
    // Beam normal irradiance from the beam on the horizontal; 0 from the zenith limit on,
    // where the division by cos z would give an unbounded beam (as the tilter does).
    void SetBeamNormalFromHorizontal(double cosZenith);

    double* globalIn_;
    double* diffuseIn_;
    double* beamNormalIn_;
    double* beamHorizontalIn_;
    double* extraterrestrialNormal_;
    double* zenith_;
    double* airMass_;
    double* groundReflectance_;
};

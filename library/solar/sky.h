// Sky radiation: diffuse-fraction correlations, clear-sky and effective sky temperature, daily
// extraterrestrial irradiation and clearness index, and the Fresnel reflectance of an interface.
#pragma once

#include "component.h"

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
    // Beam normal irradiance from the beam on the horizontal; refuses (4) near the horizon,
    // where the division by cos z would give an unbounded beam.
    int SetBeamNormalFromHorizontal(double cosZenith);

    double* globalIn_;
    double* diffuseIn_;
    double* beamNormalIn_;
    double* beamHorizontalIn_;
    double* extraterrestrialNormal_;
    double* zenith_;
    double* airMass_;
    double* groundReflectance_;
};

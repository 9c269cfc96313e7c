// Orientation of a collector surface for the sun's position (fixed, or tracking about one or two
// axes), the angle of incidence of the beam on it, and the irradiance on the tilted surface split
// into beam, sky-diffuse and ground-reflected parts (Perez 1990 or Hay-Davies sky model).
//
// Angles are radians; azimuths from south, positive towards west; slope 0 is horizontal;
// irradiances W/m2.
#pragma once

#include "component.h"

// Cosine of the angle between two directions given by zenith and azimuth, clamped to -1..1.
double CosAngleBetween(double zenith1, double azimuth1, double zenith2, double azimuth2);
double AngleBetween(double zenith1, double azimuth1, double zenith2, double azimuth2);

// Tracking modes of a collector surface.
enum TrackingMode : int {
    kTrackFixed = 0,         // slope and azimuth as given
    kTrackOneAxis = 1,       // rotation about an axis of the given slope and azimuth
    kTrackTwoAxes = 2,       // normal on the sun
    kTrackVerticalAxis = 3,  // rotation about a vertical axis at the given slope
};

// Sets the surface slope and azimuth for the mode (an unknown mode leaves them as they are) and
// the incidence angle of the beam on the surface. slopeParameter and azimuthParameter are the
// surface's (fixed) or the axis' (one axis) slope and azimuth. The one-axis orientations are
// those of W. A. Braun and J. W. Mitchell, "Solar geometry for fixed and tracking surfaces",
// Solar Energy 31(5), 439-444 (1983).
void TrackSurface(double& slope, double& surfaceAzimuth, double& incidence, double zenith,
                  double solarAzimuth, int mode, double slopeParameter, double azimuthParameter);

// Irradiance on a tilted surface from the beam and diffuse horizontal irradiance, the
// extraterrestrial normal irradiance, the sun's zenith and azimuth, the air mass, the surface
// slope and azimuth and the ground reflectance, with the sky-diffuse model of R. Perez,
// P. Ineichen, R. Seals, J. Michalsky and R. Stewart, "Modeling daylight availability and
// irradiance components from direct and global irradiance", Solar Energy 44(5), 271-289 (1990)
// (all-sites composite coefficients of its table 6) and an isotropic ground reflection. Fills the
// three parts and returns their sum; with the sun below the horizon returns Bh + Dh with the
// parts 0.
double TiltedIrradiancePerez(double& beam, double& diffuse, double& ground, double beamHorizontal,
                             double diffuseHorizontal, double extraterrestrialNormal, double zenith,
                             double solarAzimuth, double airMass, double slope,
                             double surfaceAzimuth, double groundReflectance);

// The anisotropy-index model of J. E. Hay and J. A. Davies, "Calculation of the solar radiation
// incident on an inclined surface", Proc. First Canadian Solar Radiation Data Workshop, 59-72
// (1980), with the same arguments but the air mass.
double TiltedIrradianceAnisotropic(double& beam, double& diffuse, double& ground,
                                   double beamHorizontal, double diffuseHorizontal,
                                   double extraterrestrialNormal, double zenith,
                                   double solarAzimuth, double slope, double surfaceAzimuth,
                                   double groundReflectance);

// Orientation of the collector surface for the current sun position, and the beam's incidence.
class Tracker : public SolarBase {
  public:
    Tracker() { Reset(); }

    int GetTypeId() const override { return kTypeTracker; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    // Slope and azimuth (degrees), then the mode.
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    int SetInputs(double* zenith, double* solarAzimuth);
    // Mode (TrackingMode); slope 0 to below pi and azimuth -pi to pi of the surface (fixed
    // mode, vertical axis: slope only) or of the axis (one axis), rad.
    int SetParameters(int mode, double slope, double azimuth);
    void GetParameters(int& mode, double& slope, double& azimuth) const;

    double slope;              // rad
    double surfaceAzimuth;     // rad
    double azimuthDifference;  // solar azimuth - surface azimuth, rad
    double incidenceAngle;     // rad

  private:
    double* zenith_;
    double* solarAzimuth_;

    int mode_;
    double slopeParameter_;
    double azimuthParameter_;
};

// Sky models of the Tilter.
enum SkyModel : int { kSkyPerez = 0, kSkyHayDavies = 1 };

// Irradiance on the collector surface, split into beam, sky-diffuse and ground-reflected parts.
class Tilter : public SolarBase {
  public:
    Tilter() { Reset(); }

    int GetTypeId() const override { return kTypeTilter; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    // The model number.
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // One of the two beam inputs may be null; the air mass is needed by the Perez model only.
    int SetInputs(double* beamHorizontal, double* beamNormal, double* diffuseHorizontal,
                  double* extraterrestrialNormal, double* zenith, double* solarAzimuth,
                  double* airMass, double* slope, double* surfaceAzimuth,
                  double* groundReflectance);
    // SkyModel.
    int SetModel(int model);

    double total;           // W/m2 on the surface
    double beam;            // W/m2
    double beamNormal;      // W/m2 at normal incidence
    double diffuse;         // sky-diffuse part, W/m2
    double ground;          // ground-reflected part, W/m2
    double incidenceAngle;  // rad

  private:
    double* beamHorizontal_;
    double* beamNormal_;
    double* diffuseHorizontal_;
    double* extraterrestrialNormal_;
    double* zenith_;
    double* solarAzimuth_;
    double* airMass_;
    double* slope_;
    double* surfaceAzimuth_;
    double* groundReflectance_;

    int model_;
};

// Orientation of a collector surface for the sun's position (fixed, or tracking about one or two
// axes), the angle of incidence of the beam on it, and the irradiance on the tilted surface split
// into beam, sky-diffuse and ground-reflected parts (Perez 1990 or Hay-Davies sky model).
//
// Angles are radians; azimuths from south, positive towards west; slope 0 is horizontal.
#pragma once

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
// surface's (fixed) or the axis' (one axis) slope and azimuth.
void TrackSurface(double& slope, double& surfaceAzimuth, double& incidence, double zenith,
                  double solarAzimuth, int mode, double slopeParameter, double azimuthParameter);

// Perez (1990) irradiance on a tilted surface from the beam and diffuse horizontal irradiance,
// the extraterrestrial normal irradiance (W/m2), the sun's zenith and azimuth, the air mass, the
// surface slope and azimuth and the ground reflectance. Fills the three parts and returns their
// sum; with the sun below the horizon returns Bh + Dh with the parts 0.
double TiltedIrradiancePerez(double& beam, double& diffuse, double& ground, double beamHorizontal,
                             double diffuseHorizontal, double extraterrestrialNormal, double zenith,
                             double solarAzimuth, double airMass, double slope,
                             double surfaceAzimuth, double groundReflectance);

// Hay-Davies anisotropy-index model, with the same arguments but the air mass.
double TiltedIrradianceAnisotropic(double& beam, double& diffuse, double& ground,
                                   double beamHorizontal, double diffuseHorizontal,
                                   double extraterrestrialNormal, double zenith,
                                   double solarAzimuth, double slope, double surfaceAzimuth,
                                   double groundReflectance);

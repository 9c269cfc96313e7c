#include <cmath>
#include <istream>
#include <ostream>

#include "collector_plane.h"
#include "sun.h"

void Tilter::Reset() {
    total = 0;
    beam = 0;
    beamNormal = 0;
    diffuse = 0;
    ground = 0;
    incidenceAngle = 0;
    beamHorizontal_ = nullptr;
    beamNormal_ = nullptr;
    diffuseHorizontal_ = nullptr;
    extraterrestrialNormal_ = nullptr;
    zenith_ = nullptr;
    solarAzimuth_ = nullptr;
    airMass_ = nullptr;
    slope_ = nullptr;
    surfaceAzimuth_ = nullptr;
    groundReflectance_ = nullptr;
    model_ = kSkyPerez;
}

int Tilter::SetInputs(double* beamHorizontal, double* beamNormalIn, double* diffuseHorizontal,
                      double* extraterrestrialNormal, double* zenith, double* solarAzimuth,
                      double* airMass, double* slope, double* surfaceAzimuth,
                      double* groundReflectance) {
    beamHorizontal_ = beamHorizontal;
    beamNormal_ = beamNormalIn;
    diffuseHorizontal_ = diffuseHorizontal;
    extraterrestrialNormal_ = extraterrestrialNormal;
    zenith_ = zenith;
    solarAzimuth_ = solarAzimuth;
    airMass_ = airMass;
    slope_ = slope;
    surfaceAzimuth_ = surfaceAzimuth;
    groundReflectance_ = groundReflectance;
    return Check();
}

int Tilter::SetModel(int model) {
    model_ = model;
    return Check();
}

int Tilter::Check() {
    if ((beamHorizontal_ == nullptr && beamNormal_ == nullptr) || diffuseHorizontal_ == nullptr ||
        extraterrestrialNormal_ == nullptr || zenith_ == nullptr || solarAzimuth_ == nullptr ||
        (model_ == kSkyPerez && airMass_ == nullptr) || slope_ == nullptr ||
        surfaceAzimuth_ == nullptr || groundReflectance_ == nullptr)
        return FatalError(0);
    if (model_ != kSkyPerez && model_ != kSkyHayDavies) return FatalError(1, {model_});
    return SolarBase::Check();
}

int Tilter::Compute() {
    if (status_ != kReady) return status_;
    const double zenith = *zenith_;
    const double cosZenith = std::cos(zenith);
    const double bh = beamHorizontal_ != nullptr ? *beamHorizontal_ : *beamNormal_ * cosZenith;
    if (beamNormal_ != nullptr)
        beamNormal = *beamNormal_;
    else
        beamNormal = zenith < kBeamNormalZenithLimit ? bh / cosZenith : 0.0;

    if (model_ == kSkyPerez)
        total = TiltedIrradiancePerez(beam, diffuse, ground, bh, *diffuseHorizontal_,
                                      *extraterrestrialNormal_, zenith, *solarAzimuth_, *airMass_,
                                      *slope_, *surfaceAzimuth_, *groundReflectance_);
    else if (model_ == kSkyHayDavies)
        total = TiltedIrradianceAnisotropic(beam, diffuse, ground, bh, *diffuseHorizontal_,
                                            *extraterrestrialNormal_, zenith, *solarAzimuth_,
                                            *slope_, *surfaceAzimuth_, *groundReflectance_);
    else
        return FatalError(1, {model_});

    incidenceAngle = AngleBetween(zenith, *solarAzimuth_, *slope_, *surfaceAzimuth_);
    return status_;
}

int Tilter::WriteParameters(std::ostream& out) const {
    return WriteParameterLine(out, model_);
}

int Tilter::ReadParameters(std::istream& in, int) {
    in >> model_;
    return EndParameterLine(in);
}

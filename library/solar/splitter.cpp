#include <algorithm>
#include <cmath>

#include "sky.h"
#include "sun.h"

namespace {

// Beyond this zenith the sun is too low to split global irradiance: all of it is diffuse.
constexpr double kSplitZenithLimit = 87.5 * kRadiansPerDegree;

double ValueOr0(const double* p) {
    return p != nullptr ? *p : 0.0;
}

}  // namespace

void Splitter::Reset() {
    global = 0;
    diffuse = 0;
    beamNormal = 0;
    beamHorizontal = 0;
    globalIn_ = nullptr;
    diffuseIn_ = nullptr;
    beamNormalIn_ = nullptr;
    beamHorizontalIn_ = nullptr;
    extraterrestrialNormal_ = nullptr;
    zenith_ = nullptr;
    airMass_ = nullptr;
    groundReflectance_ = nullptr;
}

int Splitter::SetInputs(double* globalIn, double* diffuseIn, double* beamNormalIn,
                        double* beamHorizontalIn, double* extraterrestrialNormal, double* zenith,
                        double* airMass, double* groundReflectance) {
    globalIn_ = globalIn;
    diffuseIn_ = diffuseIn;
    beamNormalIn_ = beamNormalIn;
    beamHorizontalIn_ = beamHorizontalIn;
    extraterrestrialNormal_ = extraterrestrialNormal;
    zenith_ = zenith;
    airMass_ = airMass;
    groundReflectance_ = groundReflectance;
    return Check();
}

int Splitter::Check() {
    const bool hasGlobal = globalIn_ != nullptr;
    const bool hasDiffuse = diffuseIn_ != nullptr;
    const bool hasBeam = beamNormalIn_ != nullptr || beamHorizontalIn_ != nullptr;
    const bool globalAlone = hasGlobal && !hasDiffuse && !hasBeam;
    if (zenith_ == nullptr ||
        (globalAlone && (extraterrestrialNormal_ == nullptr || airMass_ == nullptr ||
                         groundReflectance_ == nullptr)))
        return FatalError(0);
    if (!hasGlobal && !(hasDiffuse && hasBeam)) return FatalError(1);
    if (hasGlobal && hasDiffuse && hasBeam) return FatalError(2);
    if (beamNormalIn_ != nullptr && beamHorizontalIn_ != nullptr) return FatalError(3);
    return SolarBase::Check();
}

void Splitter::SetBeamNormalFromHorizontal(double cosZenith) {
    beamNormal = *zenith_ < kBeamNormalZenithLimit ? beamHorizontal / cosZenith : 0.0;
}

int Splitter::Compute() {
    if (status_ != kReady) return status_;
    const double zenith = *zenith_;
    const double c = std::cos(zenith);
    const bool hasGlobal = globalIn_ != nullptr;
    const bool hasDiffuse = diffuseIn_ != nullptr;
    const bool hasBeamNormal = beamNormalIn_ != nullptr;
    const bool hasBeamHorizontal = beamHorizontalIn_ != nullptr;

    if (hasGlobal && !hasDiffuse && !hasBeamNormal && !hasBeamHorizontal) {
        global = *globalIn_;
        if (zenith > kSplitZenithLimit || global <= 0) {
            diffuse = global;
            beamNormal = 0;
            beamHorizontal = 0;
            return status_;
        }
        const double kt = global / ValueOr0(extraterrestrialNormal_) / c;
        int convergence = 0;  // the last estimate serves when the iteration did not converge
        const double f = std::clamp(
            DiffuseFraction(convergence, kt, ValueOr0(airMass_), ValueOr0(groundReflectance_)), 0.0,
            1.0);
        diffuse = f * global;
        beamHorizontal = global - diffuse;
        beamNormal = beamHorizontal / c;
        return status_;
    }
    if (hasGlobal && hasDiffuse) {
        global = *globalIn_;
        diffuse = std::min(*diffuseIn_, global);
        beamHorizontal = global - diffuse;
        SetBeamNormalFromHorizontal(c);
        return status_;
    }
    if (hasGlobal && hasBeamHorizontal) {
        global = *globalIn_;
        beamHorizontal = std::min(*beamHorizontalIn_, global);
        diffuse = global - beamHorizontal;
        SetBeamNormalFromHorizontal(c);
        return status_;
    }
    if (hasGlobal && hasBeamNormal) {
        global = *globalIn_;
        const double projected = *beamNormalIn_ * c;
        if (projected <= global) {
            // The supplied beam stands; no division by cos z.
            beamHorizontal = projected;
            beamNormal = *beamNormalIn_;
            diffuse = global - beamHorizontal;
            return status_;
        }
        beamHorizontal = global;
        diffuse = 0;
        SetBeamNormalFromHorizontal(c);
        return status_;
    }
    if (hasDiffuse && hasBeamHorizontal) {
        diffuse = *diffuseIn_;
        beamHorizontal = *beamHorizontalIn_;
        global = diffuse + beamHorizontal;
        SetBeamNormalFromHorizontal(c);
        return status_;
    }
    if (hasDiffuse && hasBeamNormal) {
        diffuse = *diffuseIn_;
        beamNormal = *beamNormalIn_;
        beamHorizontal = beamNormal * c;
        global = diffuse + beamHorizontal;
        return status_;
    }
    return DomainError(0x101);
}

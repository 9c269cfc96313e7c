#include <istream>
#include <numbers>
#include <ostream>

#include "collector_plane.h"

void Tracker::Reset() {
    slope = 0;
    surfaceAzimuth = 0;
    azimuthDifference = 0;
    incidenceAngle = 0;
    zenith_ = nullptr;
    solarAzimuth_ = nullptr;
    mode_ = kTrackFixed;
    slopeParameter_ = 0;
    azimuthParameter_ = 0;
}

int Tracker::SetInputs(double* zenith, double* solarAzimuth) {
    zenith_ = zenith;
    solarAzimuth_ = solarAzimuth;
    return Check();
}

int Tracker::SetParameters(int mode, double slopeParameter, double azimuthParameter) {
    mode_ = mode;
    slopeParameter_ = slopeParameter;
    azimuthParameter_ = azimuthParameter;
    return Check();
}

void Tracker::GetParameters(int& mode, double& slopeParameter, double& azimuthParameter) const {
    mode = mode_;
    slopeParameter = slopeParameter_;
    azimuthParameter = azimuthParameter_;
}

int Tracker::Check() {
    if (zenith_ == nullptr || solarAzimuth_ == nullptr) return FatalError(0);
    if (slopeParameter_ < 0 || slopeParameter_ >= std::numbers::pi)
        return FatalError(1, {slopeParameter_});
    if (azimuthParameter_ < -std::numbers::pi || azimuthParameter_ > std::numbers::pi)
        return FatalError(2, {azimuthParameter_});
    return SolarBase::Check();
}

int Tracker::Compute() {
    if (status_ != kReady) return status_;
    TrackSurface(slope, surfaceAzimuth, incidenceAngle, *zenith_, *solarAzimuth_, mode_,
                 slopeParameter_, azimuthParameter_);
    azimuthDifference = *solarAzimuth_ - surfaceAzimuth;
    return status_;
}

int Tracker::WriteParameters(std::ostream& out) const {
    return WriteParameterLine(out, slopeParameter_ * kDegreesPerRadian,
                              azimuthParameter_ * kDegreesPerRadian, mode_);
}

int Tracker::ReadParameters(std::istream& in, int) {
    double slopeDegrees = 0, azimuthDegrees = 0;
    in >> slopeDegrees >> azimuthDegrees >> mode_;
    slopeParameter_ = slopeDegrees * kRadiansPerDegree;
    azimuthParameter_ = azimuthDegrees * kRadiansPerDegree;
    return EndParameterLine(in);
}

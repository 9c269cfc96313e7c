#include <istream>
#include <ostream>

#include "control.h"

void DeltaTController::Reset() {
    on = 0;
    previousOn = 0;
    hotTemperature_ = nullptr;
    coldTemperature_ = nullptr;
    deltaTOn_ = 0;
    deltaTOff_ = 0;
    highLimit_ = 0;
    limitMode_ = kLimitColdSide;
}

int DeltaTController::SetInputs(const double* hotTemperature, const double* coldTemperature) {
    hotTemperature_ = hotTemperature;
    coldTemperature_ = coldTemperature;
    return Check();
}

int DeltaTController::SetParameters(double deltaTOn, double deltaTOff, double highLimit,
                                    int limitMode) {
    deltaTOn_ = deltaTOn;
    deltaTOff_ = deltaTOff;
    highLimit_ = highLimit;
    limitMode_ = limitMode;
    return Check();
}

void DeltaTController::GetParameters(double& deltaTOn, double& deltaTOff, double& highLimit,
                                     int& limitMode) const {
    deltaTOn = deltaTOn_;
    deltaTOff = deltaTOff_;
    highLimit = highLimit_;
    limitMode = limitMode_;
}

void DeltaTController::SetHighLimit(double highLimit) {
    highLimit_ = highLimit;
    limitMode_ = kLimitColdSide;
}

void DeltaTController::LatchState() {
    previousOn = on;
}

int DeltaTController::Check() {
    if (hotTemperature_ == nullptr || coldTemperature_ == nullptr) return FatalError(0);
    return SolarBase::Check();
}

int DeltaTController::Compute() {
    if (status_ != kReady) return status_;
    const double deltaT = TemperatureDifference();
    on = previousOn != 0 ? (deltaT >= deltaTOff_) : (deltaT >= deltaTOn_);
    if (AboveHighLimit()) on = 0;
    return kOk;
}

bool DeltaTController::AboveHighLimit() const {
    return (limitMode_ == kLimitColdSide && *coldTemperature_ > highLimit_) ||
           (limitMode_ == kLimitHotSide && *hotTemperature_ > highLimit_);
}

int DeltaTController::WriteParameters(std::ostream& out) const {
    return WriteParameterLine(out, deltaTOn_, deltaTOff_, highLimit_, limitMode_);
}

int DeltaTController::ReadParameters(std::istream& in, int version) {
    in >> deltaTOn_ >> deltaTOff_ >> highLimit_;
    if (version >= kControllerLimitModeVersion) {
        in >> limitMode_;
    } else {
        limitMode_ = kLimitColdSide;
    }
    return EndParameterLine(in);
}

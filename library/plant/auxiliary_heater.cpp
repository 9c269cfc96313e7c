#include <istream>
#include <ostream>

#include "heaters.h"

void AuxiliaryHeater::Reset() {
    outletTemperature = 0;
    heat = 0;
    partLoadRatio = 0;
    inletTemperature_ = nullptr;
    flow_ = nullptr;
    specificHeat_ = nullptr;
    on_ = nullptr;
    setPoint_ = 0;
    capacity_ = 0;
}

int AuxiliaryHeater::SetInputs(const double* inletTemperature, const double* flow,
                               const double* specificHeat, const int* on) {
    inletTemperature_ = inletTemperature;
    flow_ = flow;
    specificHeat_ = specificHeat;
    on_ = on;
    return Check();
}

int AuxiliaryHeater::SetParameters(double setPoint, double capacity) {
    setPoint_ = setPoint;
    capacity_ = capacity;
    return Check();
}

void AuxiliaryHeater::GetParameters(double& setPoint, double& capacity) const {
    setPoint = setPoint_;
    capacity = capacity_;
}

int AuxiliaryHeater::Check() {
    if (inletTemperature_ == nullptr || flow_ == nullptr || specificHeat_ == nullptr ||
        on_ == nullptr) {
        return FatalError(0);
    }
    return SolarBase::Check();
}

int AuxiliaryHeater::Compute() {
    if (status_ != kReady) return status_;
    const double flow = *flow_;
    const double cp = *specificHeat_;
    if (flow < 0) return DomainError(0x101, {flow});
    if (cp <= 0) return DomainError(0x102, {cp});

    heat = 0;
    partLoadRatio = 0;
    if (flow == 0) return kOk;  // still water keeps its last outlet temperature

    const double inlet = *inletTemperature_;
    if (inlet >= setPoint_ || *on_ == 0) {
        outletTemperature = inlet;
        return kOk;
    }
    const double needed = flow * (setPoint_ - inlet) * cp;  // W to reach the set point
    if (capacity_ <= needed) {
        heat = capacity_;
        outletTemperature = inlet + capacity_ / flow / cp;
    } else {
        heat = needed;
        outletTemperature = setPoint_;
    }
    // A heater without capacity delivers nothing and works at no part of it.
    partLoadRatio = capacity_ != 0 ? heat / capacity_ : 0.0;
    return kOk;
}

int AuxiliaryHeater::WriteParameters(std::ostream& out) const {
    return WriteParameterLine(out, setPoint_, capacity_);
}

int AuxiliaryHeater::ReadParameters(std::istream& in, int) {
    in >> setPoint_ >> capacity_;
    return EndParameterLine(in);
}

#include <istream>
#include <ostream>

#include "loop.h"

void Pump::Reset() {
    flow = 0;
    outletTemperature = 0;
    heat = 0;
    electricPower = 0;
    inletTemperature_ = nullptr;
    specificHeat_ = nullptr;
    on_ = nullptr;
    ratedFlow_ = 0;
    power_ = 0;
    heatFraction_ = 0;
}

int Pump::SetInputs(const double* inletTemperature, const double* specificHeat, const int* on) {
    inletTemperature_ = inletTemperature;
    specificHeat_ = specificHeat;
    on_ = on;
    return Check();
}

int Pump::SetParameters(double ratedFlow, double power, double heatFraction) {
    ratedFlow_ = ratedFlow;
    power_ = power;
    heatFraction_ = heatFraction;
    return Check();
}

void Pump::GetParameters(double& ratedFlow, double& power, double& heatFraction) const {
    ratedFlow = ratedFlow_;
    power = power_;
    heatFraction = heatFraction_;
}

int Pump::SetFlowRate(double ratedFlow) {
    ratedFlow_ = ratedFlow;
    return Check();
}

int Pump::Check() {
    if (inletTemperature_ == nullptr || specificHeat_ == nullptr || on_ == nullptr) {
        return FatalError(0);
    }
    if (ratedFlow_ < 0) return FatalError(1, {ratedFlow_});
    if (power_ < 0) return FatalError(2, {power_});
    if (!(heatFraction_ >= 0 && heatFraction_ <= 1)) return FatalError(3, {heatFraction_});
    return SolarBase::Check();
}

int Pump::Compute() {
    if (status_ != kReady) return status_;
    const double cp = *specificHeat_;
    if (cp <= 0) return DomainError(0x101, {cp});
    const bool on = *on_ != 0;
    flow = on ? ratedFlow_ : 0;
    electricPower = on ? power_ : 0;
    if (flow == 0) {
        // Switched off, or on without flow: the power is drawn but nothing carries the heat.
        outletTemperature = *inletTemperature_;
        heat = 0;
    } else {
        heat = electricPower * heatFraction_;
        outletTemperature = *inletTemperature_ + heat / flow / cp;
    }
    return status_;
}

int Pump::WriteParameters(std::ostream& out) const {
    return WriteParameterLine(out, ratedFlow_, power_, heatFraction_);
}

int Pump::ReadParameters(std::istream& in, int) {
    in >> ratedFlow_ >> power_ >> heatFraction_;
    return EndParameterLine(in);
}

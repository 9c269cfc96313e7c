#include <cmath>
#include <istream>
#include <ostream>

#include "loop.h"

void Pipe::Reset() {
    outletTemperature = 0;
    heatLoss = 0;
    inletTemperature_ = nullptr;
    surroundingsTemperature_ = nullptr;
    flow_ = nullptr;
    specificHeat_ = nullptr;
    lossCoefficient_ = 0;
    length_ = 0;
}

int Pipe::SetInputs(const double* inletTemperature, const double* surroundingsTemperature,
                    const double* flow, const double* specificHeat) {
    inletTemperature_ = inletTemperature;
    surroundingsTemperature_ = surroundingsTemperature;
    flow_ = flow;
    specificHeat_ = specificHeat;
    return Check();
}

int Pipe::SetParameters(double lossCoefficient, double length) {
    lossCoefficient_ = lossCoefficient;
    length_ = length;
    return Check();
}

void Pipe::GetParameters(double& lossCoefficient, double& length) const {
    lossCoefficient = lossCoefficient_;
    length = length_;
}

int Pipe::Check() {
    if (inletTemperature_ == nullptr || surroundingsTemperature_ == nullptr || flow_ == nullptr ||
        specificHeat_ == nullptr) {
        return FatalError(0);
    }
    if (length_ < 0) return FatalError(1, {length_});
    if (lossCoefficient_ < 0) return FatalError(2, {lossCoefficient_});
    return SolarBase::Check();
}

int Pipe::Compute() {
    heatLoss = 0;
    if (status_ != kReady) return status_;
    const double cp = *specificHeat_;
    if (cp < 0) return DomainError(0x101, {cp});
    const double flow = *flow_;
    // A stream running backwards would make the exponential grow without bound.
    if (flow < 0) return DomainError(0x102, {flow});
    if (flow == 0) return status_;  // still water keeps its last outlet temperature

    const double inlet = *inletTemperature_;
    const double conductance =
        (lossCoefficient_ == 0 || length_ == 0) ? 0.0 : lossCoefficient_ * length_;  // W/K
    const double capacityRate = flow * cp;                                           // W/K
    // Share of the inlet-to-surroundings difference lost along the run. Its limits: nothing
    // without conductance, everything when the stream carries no heat capacity.
    double lostShare;
    if (conductance == 0) {
        lostShare = 0;
    } else if (capacityRate == 0) {
        lostShare = 1;
    } else {
        lostShare = lostShare_({conductance, capacityRate},
                               [](const auto& in) { return 1 - std::exp(-in[0] / in[1]); });
    }
    outletTemperature = inlet - (inlet - *surroundingsTemperature_) * lostShare;
    heatLoss = (inlet - outletTemperature) * capacityRate;
    return status_;
}

int Pipe::WriteParameters(std::ostream& out) const {
    return WriteParameterLine(out, lossCoefficient_, length_);
}

int Pipe::ReadParameters(std::istream& in, int) {
    in >> lossCoefficient_ >> length_;
    return EndParameterLine(in);
}

#include <algorithm>
#include <istream>
#include <ostream>

#include "loop.h"

void HeatExchanger::Reset() {
    coldOutletTemperature = 0;
    hotOutletTemperature = 0;
    heat = 0;
    coldInletTemperature_ = nullptr;
    hotInletTemperature_ = nullptr;
    coldFlow_ = nullptr;
    hotFlow_ = nullptr;
    coldSpecificHeat_ = nullptr;
    hotSpecificHeat_ = nullptr;
    effectiveness_ = 0;
}

int HeatExchanger::SetInputs(const double* coldInletTemperature, const double* hotInletTemperature,
                             const double* coldFlow, const double* hotFlow,
                             const double* coldSpecificHeat, const double* hotSpecificHeat) {
    coldInletTemperature_ = coldInletTemperature;
    hotInletTemperature_ = hotInletTemperature;
    coldFlow_ = coldFlow;
    hotFlow_ = hotFlow;
    coldSpecificHeat_ = coldSpecificHeat;
    hotSpecificHeat_ = hotSpecificHeat;
    return Check();
}

int HeatExchanger::SetEffectiveness(double effectiveness) {
    effectiveness_ = effectiveness;
    return Check();
}

int HeatExchanger::Check() {
    if (coldInletTemperature_ == nullptr || hotInletTemperature_ == nullptr ||
        coldFlow_ == nullptr || hotFlow_ == nullptr || coldSpecificHeat_ == nullptr ||
        hotSpecificHeat_ == nullptr) {
        return FatalError(0);
    }
    if (!(effectiveness_ >= 0 && effectiveness_ <= 1)) return FatalError(1, {effectiveness_});
    return SolarBase::Check();
}

int HeatExchanger::Compute() {
    heat = 0;
    if (status_ != kReady) return status_;
    const double coldCp = *coldSpecificHeat_;
    const double hotCp = *hotSpecificHeat_;
    const double coldFlow = *coldFlow_;
    const double hotFlow = *hotFlow_;
    if (coldCp <= 0) return DomainError(0x101, {coldCp});
    if (hotCp <= 0) return DomainError(0x102, {hotCp});
    if (coldFlow < 0) return DomainError(0x103, {coldFlow});
    if (hotFlow < 0) return DomainError(0x104, {hotFlow});

    if (coldFlow == 0 || hotFlow == 0) {
        // Nothing is transferred; a stopped side keeps its last outlet temperature.
        if (coldFlow != 0) coldOutletTemperature = *coldInletTemperature_;
        if (hotFlow != 0) hotOutletTemperature = *hotInletTemperature_;
        return status_;
    }
    const double coldRate = coldFlow * coldCp;  // W/K
    const double hotRate = hotFlow * hotCp;     // W/K
    const double minimumRate = std::min(hotRate, coldRate);
    heat = minimumRate * effectiveness_ * (*hotInletTemperature_ - *coldInletTemperature_);
    coldOutletTemperature = *coldInletTemperature_ + heat / coldRate;
    hotOutletTemperature = *hotInletTemperature_ - heat / hotRate;
    return status_;
}

int HeatExchanger::WriteParameters(std::ostream& out) const {
    return WriteParameterLine(out, effectiveness_);
}

int HeatExchanger::ReadParameters(std::istream& in, int) {
    in >> effectiveness_;
    return EndParameterLine(in);
}

#include <cmath>
#include <istream>
#include <ostream>

#include "heaters.h"
#include "helpers.h"

namespace {

// Air and water temperatures as ratios of their rating values, in kelvin.
struct RatingRatios {
    double air;
    double water;
};

RatingRatios Ratios(double airTemperature, double ratedAirTemperature, double waterTemperature,
                    double ratedWaterTemperature) {
    return {CelsiusToKelvin(airTemperature) / CelsiusToKelvin(ratedAirTemperature),
            CelsiusToKelvin(waterTemperature) / CelsiusToKelvin(ratedWaterTemperature)};
}

}  // namespace

double HeatPumpCapacityCurve(double airTemperature, double ratedAirTemperature,
                             double waterTemperature, double ratedWaterTemperature) {
    const RatingRatios r =
        Ratios(airTemperature, ratedAirTemperature, waterTemperature, ratedWaterTemperature);
    const double ra1 = r.air - 1;
    return std::exp(-28.86 * ra1 * ra1) * std::pow(r.air * r.air / r.water, 2.564);
}

double HeatPumpCOPCurve(double airTemperature, double ratedAirTemperature, double waterTemperature,
                        double ratedWaterTemperature) {
    const RatingRatios r =
        Ratios(airTemperature, ratedAirTemperature, waterTemperature, ratedWaterTemperature);
    const double ra1 = r.air - 1;
    return std::exp(-3.19 * (2 * r.water - r.air - 1) - 16.2 * ra1 * ra1);
}

void AirToWaterHeatPump::Reset() {
    capacity = 0;
    cop = 0;
    outletTemperature = 0;
    heat = 0;
    partLoadRatio = 0;
    outOfRange = 0;
    airTemperature_ = nullptr;
    waterInletTemperature_ = nullptr;
    flow_ = nullptr;
    specificHeat_ = nullptr;
    on_ = nullptr;
    maximumOutletTemperature_ = 0;
    ratedCapacity_ = 0;
    ratedCOP_ = 0;
    ratedAirTemperature_ = 0;
    ratedWaterTemperature_ = 0;
    airMinimum_ = 0;
    airMaximum_ = 0;
    waterMinimum_ = 0;
    waterMaximum_ = 0;
    capacityCurve_ = nullptr;
    copCurve_ = nullptr;
}

int AirToWaterHeatPump::SetInputs(const double* airTemperature, const double* waterInletTemperature,
                                  const double* flow, const double* specificHeat, const int* on) {
    airTemperature_ = airTemperature;
    waterInletTemperature_ = waterInletTemperature;
    flow_ = flow;
    specificHeat_ = specificHeat;
    on_ = on;
    return Check();
}

int AirToWaterHeatPump::SetParameters(double maximumOutletTemperature, double ratedCapacity,
                                      double ratedCOP) {
    maximumOutletTemperature_ = maximumOutletTemperature;
    ratedCapacity_ = ratedCapacity;
    ratedCOP_ = ratedCOP;
    return Check();
}

void AirToWaterHeatPump::GetParameters(double& maximumOutletTemperature, double& ratedCapacity,
                                       double& ratedCOP) const {
    maximumOutletTemperature = maximumOutletTemperature_;
    ratedCapacity = ratedCapacity_;
    ratedCOP = ratedCOP_;
}

int AirToWaterHeatPump::SetCurves(double ratedAirTemperature, double ratedWaterTemperature,
                                  double airMinimum, double airMaximum, double waterMinimum,
                                  double waterMaximum, HeatPumpCurve capacityCurve,
                                  HeatPumpCurve copCurve) {
    ratedAirTemperature_ = ratedAirTemperature;
    ratedWaterTemperature_ = ratedWaterTemperature;
    airMinimum_ = airMinimum;
    airMaximum_ = airMaximum;
    waterMinimum_ = waterMinimum;
    waterMaximum_ = waterMaximum;
    capacityCurve_ = capacityCurve;
    copCurve_ = copCurve;
    return Check();
}

int AirToWaterHeatPump::Check() {
    if (airTemperature_ == nullptr || waterInletTemperature_ == nullptr || flow_ == nullptr ||
        specificHeat_ == nullptr || on_ == nullptr) {
        return FatalError(0);
    }
    if (!(airMaximum_ > airMinimum_)) return FatalError(1, {airMinimum_, airMaximum_});
    if (!(waterMaximum_ > waterMinimum_)) return FatalError(2, {waterMinimum_, waterMaximum_});
    if (!(ratedCapacity_ > 0)) return FatalError(3, {ratedCapacity_});
    if (!(ratedCOP_ > 0)) return FatalError(4, {ratedCOP_});
    if (capacityCurve_ == nullptr) return FatalError(5);
    if (copCurve_ == nullptr) return FatalError(6);
    return SolarBase::Check();
}

int AirToWaterHeatPump::Compute() {
    capacity = 0;
    cop = 0;
    heat = 0;
    partLoadRatio = 0;
    outOfRange = 0;
    if (status_ != kReady) return status_;
    const double flow = *flow_;
    const double cp = *specificHeat_;
    if (flow < 0) return DomainError(0x101, {flow});
    if (cp <= 0) return DomainError(0x102, {cp});
    if (flow == 0) return kOk;  // still water keeps its last outlet temperature

    const double air = *airTemperature_;
    const double inlet = *waterInletTemperature_;
    if (inlet >= maximumOutletTemperature_ || *on_ == 0) {
        outletTemperature = inlet;
        return kOk;
    }
    if (air < airMinimum_ || air > airMaximum_ || inlet < waterMinimum_ || inlet > waterMaximum_) {
        // Outside the curves' ranges the heat pump is not run.
        outOfRange = 1;
        outletTemperature = inlet;
        return kOk;
    }
    capacity =
        capacityCurve_(air, ratedAirTemperature_, inlet, ratedWaterTemperature_) * ratedCapacity_;
    cop = copCurve_(air, ratedAirTemperature_, inlet, ratedWaterTemperature_) * ratedCOP_;
    if (capacity < 0) return DomainError(0x103, {capacity, air, inlet});
    if (cop < 0) return DomainError(0x104, {cop, air, inlet});

    const double needed = (maximumOutletTemperature_ - inlet) * flow * cp;  // W
    if (capacity > needed) {
        outletTemperature = maximumOutletTemperature_;
        heat = needed;
    } else {
        heat = capacity;
        outletTemperature = inlet + capacity / flow / cp;
    }
    partLoadRatio = capacity != 0 ? heat / capacity : 0.0;
    return kOk;
}

int AirToWaterHeatPump::WriteParameters(std::ostream& out) const {
    return WriteParameterLine(out, maximumOutletTemperature_, ratedCapacity_, ratedCOP_);
}

int AirToWaterHeatPump::ReadParameters(std::istream& in, int) {
    in >> maximumOutletTemperature_ >> ratedCapacity_ >> ratedCOP_;
    return EndParameterLine(in);
}

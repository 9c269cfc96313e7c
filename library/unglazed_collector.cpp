// The unglazed collector array: the wind drives its losses, and it exchanges long-wave
// radiation with the sky.
#include <algorithm>
#include <cmath>
#include <istream>
#include <ostream>

#include "collectors.h"
#include "helpers.h"

namespace {

constexpr int kVersionBanks = 10110;        // bank count: from
constexpr int kVersionMinimumWind = 10103;  // minimum wind speed: above
constexpr double kStefanBoltzmann = 5.67e-8;

}  // namespace

UnglazedCollector::UnglazedCollector() {
    Reset();
}

void UnglazedCollector::Reset() {
    FlatPlateCollector::Reset();
    skyTemperature_ = windSpeed_ = slope_ = additionalLoss_ = nullptr;
    windCorrectionFactor_ = 0;
    minimumWindSpeed_ = 0;
    effectiveWind_ = 0;
}

int UnglazedCollector::Check() {
    if (irradiance_ == nullptr || incidenceAngle_ == nullptr || inletTemperature_ == nullptr ||
        ambientTemperature_ == nullptr || skyTemperature_ == nullptr || windSpeed_ == nullptr ||
        flowRate_ == nullptr || specificHeat_ == nullptr || slope_ == nullptr)
        return FatalError(0);
    if (const int result = CheckArray(); result != kOk) return result;
    if (!(windCorrectionFactor_ >= 0)) return FatalError(6, {windCorrectionFactor_});
    if (const int result = CheckTables(7); result != kOk) return result;
    return SolarBase::Check();
}

int UnglazedCollector::SetInputs(const double* irradiance, const double* incidenceAngle,
                                 const double* inPlaneAngle, const double* inletTemperature,
                                 const double* ambientTemperature, const double* skyTemperature,
                                 const double* windSpeed, const double* flowRate,
                                 const double* specificHeat, const double* slope,
                                 const double* additionalLoss) {
    irradiance_ = irradiance;
    incidenceAngle_ = incidenceAngle;
    inPlaneAngle_ = inPlaneAngle;
    inletTemperature_ = inletTemperature;
    ambientTemperature_ = ambientTemperature;
    skyTemperature_ = skyTemperature;
    windSpeed_ = windSpeed;
    flowRate_ = flowRate;
    specificHeat_ = specificHeat;
    slope_ = slope;
    additionalLoss_ = additionalLoss;
    return Check();
}

int UnglazedCollector::SetParameters(int seriesCount, double groupsPerBank, int bankCount,
                                     double collectorArea, double a, double b, double c, double d,
                                     double e, double windCorrectionFactor, double minimumWindSpeed,
                                     double testFlowRate, int modifierMode, int count1,
                                     const double* const* table1, int count2,
                                     const double* const* table2) {
    seriesCount_ = seriesCount;
    groupsPerBank_ = groupsPerBank;
    bankCount_ = bankCount;
    collectorArea_ = collectorArea;
    a_ = a;
    b_ = b;
    c_ = c;
    d_ = d;
    e_ = e;
    windCorrectionFactor_ = windCorrectionFactor;
    minimumWindSpeed_ = minimumWindSpeed;
    testFlowRate_ = testFlowRate;
    modifierMode_ = modifierMode;
    if (SetTables(count1, table1, count2, table2) != 0) return 1;
    return Check();
}

void UnglazedCollector::GetParameters(int& seriesCount, double& groupsPerBank, int& bankCount,
                                      double& collectorArea, double& a, double& b, double& c,
                                      double& d, double& e, double& windCorrectionFactor,
                                      double& minimumWindSpeed, double& testFlowRate,
                                      int& modifierMode, int& count1, const double* const*& table1,
                                      int& count2, const double* const*& table2) const {
    seriesCount = seriesCount_;
    groupsPerBank = groupsPerBank_;
    bankCount = bankCount_;
    collectorArea = collectorArea_;
    a = a_;
    b = b_;
    c = c_;
    d = d_;
    e = e_;
    windCorrectionFactor = windCorrectionFactor_;
    minimumWindSpeed = minimumWindSpeed_;
    testFlowRate = testFlowRate_;
    modifierMode = modifierMode_;
    count1 = tableCount_[0];
    table1 = table_[0];
    count2 = tableCount_[1];
    table2 = table_[1];
}

double UnglazedCollector::EffectiveWind(double wind) const {
    return std::max(wind * windCorrectionFactor_, minimumWindSpeed_);
}

void UnglazedCollector::Coefficients(double, double, double& a, double& u) const {
    a = a_ - b_ * effectiveWind_;
    u = c_ + d_ * effectiveWind_;
}

double UnglazedCollector::NetIrradiance(double akt, double h, double sky, double ambient,
                                        double slope) const {
    const double skyView = (1.0 + std::cos(slope)) / 2.0;
    return akt * h + (std::pow(CelsiusToKelvin(sky), 4) - std::pow(CelsiusToKelvin(ambient), 4)) *
                         skyView * kStefanBoltzmann;
}

int UnglazedCollector::Compute() {
    if (status_ != kReady) return status_;
    usefulGain = 0;
    const double h = *irradiance_;
    const double tin = *inletTemperature_;
    const double ambient = *ambientTemperature_;
    const double wind = *windSpeed_;
    const double flow = *flowRate_;
    const double cp = *specificHeat_;
    const double phi = inPlaneAngle_ ? *inPlaneAngle_ : 0.0;
    const double additionalLoss = additionalLoss_ ? *additionalLoss_ : 0.0;
    incidentEnergy = h * collectorArea_ * seriesCount_ * groupsPerBank_ * bankCount_;

    if (!(flow >= 0)) return DomainError(0x101, {flow});
    if (!(cp > 0)) return DomainError(0x102, {cp});
    if (!(wind >= 0)) return DomainError(0x104, {wind});
    const double akt = IncidenceAngleModifier(*incidenceAngle_, phi);
    if (!(akt >= 0)) return DomainError(0x103, {akt});
    const double s = NetIrradiance(akt, h, *skyTemperature_, ambient, *slope_);
    absorbedIrradiance = s;
    effectiveWind_ = EffectiveWind(wind);

    if (flow == 0) {
        double a, u;
        Coefficients(tin, ambient, a, u);
        if (u == 0) return DomainError(0x105, {effectiveWind_});
        outletTemperature = meanFluidTemperature = ambient + (a * s - e_) / u;
        return status_;
    }

    double stringGain;
    const double stringFlow = flow / groupsPerBank_ / bankCount_;
    if (const int result = StringGain(s, tin, ambient, stringFlow, cp, additionalLoss, stringGain);
        result != kOk)
        return result;
    DeliverArrayGain(stringGain, tin, flow, cp);
    return status_;
}

int UnglazedCollector::WriteParameters(std::ostream& out) const {
    WriteParameterLine(out, seriesCount_, groupsPerBank_, bankCount_, collectorArea_, a_, b_, c_,
                       d_, e_, testFlowRate_, windCorrectionFactor_, minimumWindSpeed_);
    return WriteModifierLine(out);
}

int UnglazedCollector::ReadParameters(std::istream& in, int version) {
    in >> seriesCount_ >> groupsPerBank_;
    if (version >= kVersionBanks)
        in >> bankCount_;
    else
        bankCount_ = 1;
    in >> collectorArea_ >> a_ >> b_ >> c_ >> d_ >> e_ >> testFlowRate_ >> windCorrectionFactor_;
    if (version > kVersionMinimumWind) in >> minimumWindSpeed_;
    in >> SkipLine;
    if (ReadModifierLine(in, version) != 0) return 1;
    return EndParameterLine(in);
}

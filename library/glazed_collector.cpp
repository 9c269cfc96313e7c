// The glazed collector array: losses grow with the collector's temperature above ambient.
#include <algorithm>
#include <cmath>
#include <istream>
#include <ostream>

#include "collectors.h"
#include "helpers.h"

namespace {

// Files before this version have no bank count (one bank).
constexpr int kVersionBanks = 10110;

}  // namespace

GlazedCollector::GlazedCollector() {
    Reset();
}

void GlazedCollector::Reset() {
    FlatPlateCollector::Reset();
}

int GlazedCollector::Check() {
    if (irradiance_ == nullptr || incidenceAngle_ == nullptr || inletTemperature_ == nullptr ||
        ambientTemperature_ == nullptr || flowRate_ == nullptr || specificHeat_ == nullptr)
        return FatalError(0);
    if (const int result = CheckArray(); result != kOk) return result;
    if (const int result = CheckTables(7); result != kOk) return result;
    return SolarBase::Check();
}

int GlazedCollector::SetInputs(const double* irradiance, const double* incidenceAngle,
                               const double* inPlaneAngle, const double* inletTemperature,
                               const double* ambientTemperature, const double* flowRate,
                               const double* specificHeat) {
    irradiance_ = irradiance;
    incidenceAngle_ = incidenceAngle;
    inPlaneAngle_ = inPlaneAngle;
    inletTemperature_ = inletTemperature;
    ambientTemperature_ = ambientTemperature;
    flowRate_ = flowRate;
    specificHeat_ = specificHeat;
    return Check();
}

int GlazedCollector::SetParameters(int seriesCount, double groupsPerBank, int bankCount,
                                   double collectorArea, double a, double b, double c, double d,
                                   double e, double testFlowRate, int modifierMode, int count1,
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
    testFlowRate_ = testFlowRate;
    modifierMode_ = modifierMode;
    if (SetTables(count1, table1, count2, table2) != 0) return 1;
    return Check();
}

void GlazedCollector::GetParameters(int& seriesCount, double& groupsPerBank, int& bankCount,
                                    double& collectorArea, double& a, double& b, double& c,
                                    double& d, double& e, double& testFlowRate, int& modifierMode,
                                    int& count1, const double* const*& table1, int& count2,
                                    const double* const*& table2) const {
    seriesCount = seriesCount_;
    groupsPerBank = groupsPerBank_;
    bankCount = bankCount_;
    collectorArea = collectorArea_;
    a = a_;
    b = b_;
    c = c_;
    d = d_;
    e = e_;
    testFlowRate = testFlowRate_;
    modifierMode = modifierMode_;
    count1 = tableCount_[0];
    table1 = table_[0];
    count2 = tableCount_[1];
    table2 = table_[1];
}

void GlazedCollector::Coefficients(double t, double ambient, double& a, double& u) const {
    const double dT = t - ambient;
    a = a_ - b_ * dT;
    u = c_ + d_ * dT;
}

int GlazedCollector::Compute() {
    if (status_ != kReady) return status_;
    usefulGain = 0;
    const double h = *irradiance_;
    const double tin = *inletTemperature_;
    const double ambient = *ambientTemperature_;
    const double flow = *flowRate_;
    const double cp = *specificHeat_;
    const double phi = inPlaneAngle_ ? *inPlaneAngle_ : 0.0;
    incidentEnergy = h * collectorArea_ * seriesCount_ * groupsPerBank_ * bankCount_;

    if (!(flow >= 0)) return DomainError(0x101, {flow});
    if (!(cp > 0)) return DomainError(0x102, {cp});
    const double akt = IncidenceAngleModifier(*incidenceAngle_, phi);
    if (!(akt >= 0)) return DomainError(0x103, {akt});
    const double s = akt * h;
    absorbedIrradiance = s;

    if (flow == 0) return Stagnate(s, tin, ambient);

    double stringGain;
    const double stringFlow = flow / groupsPerBank_ / bankCount_;
    if (const int result = StringGain(s, tin, ambient, stringFlow, cp, 0.0, stringGain);
        result != kOk)
        return result;
    DeliverArrayGain(stringGain, tin, flow, cp);
    return status_;
}

// Without flow the absorbed sun balances the losses: T = Tamb + ((A - B dT) S - E) / (C + D dT),
// solved by fixed-point iteration from the inlet temperature, never below ambient.
int GlazedCollector::Stagnate(double s, double tin, double ambient) {
    double t = tin;
    int iterations = 0;
    bool settled = false;
    while (!settled && iterations < kStagnationIterations) {
        const double dT = t - ambient;
        const double loss = dT * d_ + c_;
        if (loss == 0) {
            outletTemperature = meanFluidTemperature = t;
            return DomainError(0x104, {t});
        }
        const double next = std::max(ambient + ((a_ - b_ * dT) * s - e_) / loss, ambient);
        settled = std::fabs(next - t) <= kStagnationTolerance;
        t = next;
        ++iterations;
    }
    outletTemperature = meanFluidTemperature = t;
    if (iterations == kStagnationIterations) return DomainError(0x104, {t});
    return status_;
}

int GlazedCollector::WriteParameters(std::ostream& out) const {
    WriteParameterLine(out, seriesCount_, groupsPerBank_, bankCount_, collectorArea_, a_, b_, c_,
                       d_, e_, testFlowRate_);
    return WriteModifierLine(out);
}

int GlazedCollector::ReadParameters(std::istream& in, int version) {
    in >> seriesCount_ >> groupsPerBank_;
    if (version >= kVersionBanks)
        in >> bankCount_;
    else
        bankCount_ = 1;
    in >> collectorArea_ >> a_ >> b_ >> c_ >> d_ >> e_ >> testFlowRate_ >> SkipLine;
    if (ReadModifierLine(in, version) != 0) return 1;
    return EndParameterLine(in);
}

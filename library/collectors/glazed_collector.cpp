// The glazed collector array: losses grow with the collector's temperature above ambient.
#include <algorithm>
#include <cmath>
#include <istream>
#include <ostream>

#include "collectors.h"
#include "helpers.h"

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
    StoreInputs(irradiance, incidenceAngle, inPlaneAngle, inletTemperature, ambientTemperature,
                flowRate, specificHeat);
    return Check();
}

int GlazedCollector::SetParameters(int seriesCount, double groupsPerBank, int bankCount,
                                   double collectorArea, double a, double b, double c, double d,
                                   double e, double testFlowRate, int modifierMode, int count1,
                                   const double* const* table1, int count2,
                                   const double* const* table2) {
    if (StoreParameters(seriesCount, groupsPerBank, bankCount, collectorArea, a, b, c, d, e,
                        testFlowRate, modifierMode, count1, table1, count2, table2) != 0)
        return 1;
    return Check();
}

void GlazedCollector::GetParameters(int& seriesCount, double& groupsPerBank, int& bankCount,
                                    double& collectorArea, double& a, double& b, double& c,
                                    double& d, double& e, double& testFlowRate, int& modifierMode,
                                    int& count1, const double* const*& table1, int& count2,
                                    const double* const*& table2) const {
    LoadParameters(seriesCount, groupsPerBank, bankCount, collectorArea, a, b, c, d, e,
                   testFlowRate, modifierMode, count1, table1, count2, table2);
}

void GlazedCollector::Coefficients(double t, double ambient, double& a, double& u) const {
    const double dT = t - ambient;
    a = a_ - b_ * dT;
    u = c_ + d_ * dT;
}

int GlazedCollector::Compute() {
    if (status_ != kReady) return status_;
    const StepInputs in = BeginStep();
    if (const int result = TestFlowAndHeat(in); result != kOk) return result;
    double akt;
    if (const int result = StepModifier(in, akt); result != kOk) return result;
    absorbedIrradiance = akt * in.irradiance;

    if (in.flow == 0) return Stagnate(absorbedIrradiance, in.inlet, in.ambient);
    return RunArray(in, absorbedIrradiance, 0.0);
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
    ReadTestValues(in, version);
    in >> SkipLine;
    if (ReadModifierLine(in, version) != 0) return 1;
    return EndParameterLine(in);
}

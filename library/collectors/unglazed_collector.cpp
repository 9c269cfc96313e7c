// The unglazed collector array: the wind drives its losses, and it exchanges long-wave
// radiation with the sky.
#include <algorithm>
#include <cmath>
#include <istream>
#include <ostream>

#include "collectors.h"
#include "helpers.h"
#include "physical_constants.h"

namespace {

constexpr int kVersionMinimumWind = 10103;  // minimum wind speed: above

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
        flowRate_ == nullptr || specificHeat_ == nullptr || slope_ == nullptr ||
        additionalLoss_ == nullptr)
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
    StoreInputs(irradiance, incidenceAngle, inPlaneAngle, inletTemperature, ambientTemperature,
                flowRate, specificHeat);
    skyTemperature_ = skyTemperature;
    windSpeed_ = windSpeed;
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
    windCorrectionFactor_ = windCorrectionFactor;
    minimumWindSpeed_ = minimumWindSpeed;
    if (StoreParameters(seriesCount, groupsPerBank, bankCount, collectorArea, a, b, c, d, e,
                        testFlowRate, modifierMode, count1, table1, count2, table2) != 0)
        return 1;
    return Check();
}

void UnglazedCollector::GetParameters(int& seriesCount, double& groupsPerBank, int& bankCount,
                                      double& collectorArea, double& a, double& b, double& c,
                                      double& d, double& e, double& windCorrectionFactor,
                                      double& minimumWindSpeed, double& testFlowRate,
                                      int& modifierMode, int& count1, const double* const*& table1,
                                      int& count2, const double* const*& table2) const {
    LoadParameters(seriesCount, groupsPerBank, bankCount, collectorArea, a, b, c, d, e,
                   testFlowRate, modifierMode, count1, table1, count2, table2);
    windCorrectionFactor = windCorrectionFactor_;
    minimumWindSpeed = minimumWindSpeed_;
}

double UnglazedCollector::EffectiveWind(double wind) const {
    return std::max(wind * windCorrectionFactor_, minimumWindSpeed_);
}

void UnglazedCollector::Coefficients(double, double, double& a, double& u) const {
    a = a_ - b_ * effectiveWind_;
    u = c_ + d_ * effectiveWind_;
}

double UnglazedCollector::NetIrradiance(double akt, double h, double sky, double ambient,
                                        double slope) {
    const double longWave = longWave_({sky, ambient, slope}, [](const auto& in) {
        const double skyView = (1.0 + std::cos(in[2])) / 2.0;
        return (std::pow(CelsiusToKelvin(in[0]), 4) - std::pow(CelsiusToKelvin(in[1]), 4)) *
               skyView * kStefanBoltzmann;
    });
    return akt * h + longWave;
}

int UnglazedCollector::TestStepInputs(const StepInputs& in) {
    if (const int result = TestFlowAndHeat(in); result != kOk) return result;
    const double wind = *windSpeed_;
    if (!(wind >= 0)) return DomainError(0x104, {wind});
    return kOk;
}

void UnglazedCollector::Absorb(const StepInputs& in, double akt) {
    absorbedIrradiance = NetIrradiance(akt, in.irradiance, *skyTemperature_, in.ambient, *slope_);
    effectiveWind_ = EffectiveWind(*windSpeed_);
}

// The balance (A - B V) S - E = (C + D V) (T - Tamb) solved for T, with the test model's own
// coefficients (not those a specialisation may adjust for the flowing string).
int UnglazedCollector::StagnationTemperature(double ambient, double& temperature) {
    double a, u;
    UnglazedCollector::Coefficients(ambient, ambient, a, u);
    if (u == 0) return DomainError(0x105, {effectiveWind_});
    temperature = ambient + (a * absorbedIrradiance - e_) / u;
    return kOk;
}

int UnglazedCollector::Compute() {
    if (status_ != kReady) return status_;
    const StepInputs in = BeginStep();
    if (const int result = TestStepInputs(in); result != kOk) return result;
    double akt;
    if (const int result = StepModifier(in, akt); result != kOk) return result;
    Absorb(in, akt);

    if (in.flow == 0) {
        double stagnation = 0;
        if (const int result = StagnationTemperature(in.ambient, stagnation); result != kOk)
            return result;
        outletTemperature = meanFluidTemperature = stagnation;
        return status_;
    }
    return RunArray(in, absorbedIrradiance, *additionalLoss_);
}

int UnglazedCollector::WriteParameters(std::ostream& out) const {
    WriteParameterLine(out, seriesCount_, groupsPerBank_, bankCount_, collectorArea_, a_, b_, c_,
                       d_, e_, testFlowRate_, windCorrectionFactor_, minimumWindSpeed_);
    return WriteModifierLine(out);
}

int UnglazedCollector::ReadParameters(std::istream& in, int version) {
    ReadTestValues(in, version);
    in >> windCorrectionFactor_;
    if (version > kVersionMinimumWind) in >> minimumWindSpeed_;
    in >> SkipLine;
    if (ReadModifierLine(in, version) != 0) return 1;
    return EndParameterLine(in);
}

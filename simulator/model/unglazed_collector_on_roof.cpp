// The unglazed collector of the program: stagnation temperature at every step (the controller
// and the roof read it), any modifier table used below grazing incidence, and the morning
// reduction of its gain.
#include <algorithm>

#include "model_classes.h"
#include "numerics.h"

void MyUnglazedCollector::Reset() {
    UnglazedCollector::Reset();
    hour_ = nullptr;
}

int MyUnglazedCollector::Check() {
    if (hour_ == nullptr) return FatalError(0);
    return UnglazedCollector::Check();
}

int MyUnglazedCollector::SetInputs(const double* irradiance, const double* incidenceAngle,
                                   const double* inPlaneAngle, const double* inletTemperature,
                                   const double* ambientTemperature, const double* skyTemperature,
                                   const double* windSpeed, const double* flowRate,
                                   const double* specificHeat, const double* slope,
                                   const double* additionalLoss, const double* hour) {
    hour_ = hour;
    return UnglazedCollector::SetInputs(irradiance, incidenceAngle, inPlaneAngle, inletTemperature,
                                        ambientTemperature, skyTemperature, windSpeed, flowRate,
                                        specificHeat, slope, additionalLoss);
}

double MyUnglazedCollector::MorningGainFactor(double hour) {
    constexpr double kFullGainHour = 12.5;
    constexpr double kLossPerHour = 0.125;
    if (!(hour < kFullGainHour)) return 1.0;
    // Left alone the factor would turn negative before 4.5 h and make the collector cool the
    // loop in the early morning while it reports a gain.
    return std::max(0.0, 1.0 - (kFullGainHour - hour) * kLossPerHour);
}

void MyUnglazedCollector::Coefficients(double t, double ambient, double& a, double& u) const {
    UnglazedCollector::Coefficients(t, ambient, a, u);
    a = std::max(a, 0.0);
}

// Past grazing incidence the plane gets no beam, so there is nothing for the table to modify:
// looked up there, a table that falls to 0 at 90 degrees would go on below 0 every night.
double MyUnglazedCollector::IncidenceAngleModifier(double theta, double) const {
    if (tableCount_[0] < 1 || theta >= kGrazingIncidence) return 1.0;
    return InterpolateTable(tableCount_[0], table_[0][0], table_[0][1], theta * kDegreesPerRadian);
}

double MyUnglazedCollector::DeliveredStringGain(double stringGain) const {
    return stringGain > 0 ? stringGain * MorningGainFactor(*hour_) : stringGain;
}

// The library collector's steps, but the stagnation temperature is computed at every step (the
// mean fluid temperature reports it, with or without flow).
int MyUnglazedCollector::Compute() {
    if (status_ != kReady) return status_;
    const StepInputs in = BeginStep();
    if (const int result = TestStepInputs(in); result != kOk) return result;
    double akt;
    if (const int result = StepModifier(in, akt); result != kOk) return result;
    Absorb(in, akt);
    double stagnation = 0;
    if (const int result = StagnationTemperature(in.ambient, stagnation); result != kOk)
        return result;
    meanFluidTemperature = stagnation;
    if (in.flow == 0) {
        outletTemperature = stagnation;
        return status_;
    }
    const int result = RunArray(in, absorbedIrradiance, *additionalLoss_);
    meanFluidTemperature = stagnation;
    return result;
}

void MyUnglazedCollector::GetUseParameters(int& seriesCount, double& groupsPerBank, int& bankCount,
                                           double& windCorrectionFactor,
                                           double& minimumWindSpeed) const {
    seriesCount = seriesCount_;
    groupsPerBank = groupsPerBank_;
    bankCount = bankCount_;
    windCorrectionFactor = windCorrectionFactor_;
    minimumWindSpeed = minimumWindSpeed_;
}

int MyUnglazedCollector::SetUseParameters(int seriesCount, double groupsPerBank, int bankCount,
                                          double windCorrectionFactor, double minimumWindSpeed) {
    seriesCount_ = seriesCount;
    groupsPerBank_ = groupsPerBank;
    bankCount_ = bankCount;
    windCorrectionFactor_ = windCorrectionFactor;
    minimumWindSpeed_ = minimumWindSpeed;
    return Check();
}

CollectorTestParameters MyUnglazedCollector::GetTestParameters() const {
    CollectorTestParameters t;
    int series, banks;
    double groups, windFactor, minimumWind;
    GetParameters(series, groups, banks, t.collectorArea, t.a, t.b, t.c, t.d, t.e, windFactor,
                  minimumWind, t.testFlowRate, t.modifierMode, t.count1, t.table1, t.count2,
                  t.table2);
    return t;
}

int MyUnglazedCollector::SetTestParameters(const CollectorTestParameters& t) {
    return SetParameters(seriesCount_, groupsPerBank_, bankCount_, t.collectorArea, t.a, t.b, t.c,
                         t.d, t.e, windCorrectionFactor_, minimumWindSpeed_, t.testFlowRate,
                         t.modifierMode, t.count1, t.table1, t.count2, t.table2);
}

// The pool's parameter groups, the glazed collector's groups and the binary weather reader's
// relative humidity.
#include <algorithm>

#include "model_classes.h"
#include "physical_constants.h"
#include "psychrometrics.h"

// ---------------------------------------------------------------------------------------------
// MyZEFIRFileReader

void MyZEFIRFileReader::Reset() {
    relativeHumidity = 0;
    ZEFIRFileReader::Reset();
}

int MyZEFIRFileReader::Compute() {
    const int result = ZEFIRFileReader::Compute();
    const double rh = RelHumFromHumidityRatio(airTemperature, humidityRatio, kStandardPressure);
    relativeHumidity = rh > 0 ? std::min(rh, 1.0) : 0.0;
    return result;
}

// ---------------------------------------------------------------------------------------------
// MySwimmingPool

void MySwimmingPool::GetDesignParameters(double& volume, double& surfaceArea,
                                         double& exposedWallFraction, double& wallEmissivity,
                                         double& wallAbsorptance, double& floorResistance,
                                         double& soilResistivity, double& soilDiffusivity,
                                         int& evaporationModel,
                                         double& windCorrectionFactor) const {
    volume = volume_;
    surfaceArea = surfaceArea_;
    exposedWallFraction = exposedWallFraction_;
    wallEmissivity = wallEmissivity_;
    wallAbsorptance = wallAbsorptance_;
    floorResistance = floorResistance_;
    soilResistivity = soilResistivity_;
    soilDiffusivity = soilDiffusivity_;
    evaporationModel = evaporationModel_;
    windCorrectionFactor = windCorrectionFactor_;
}

int MySwimmingPool::SetDesignParameters(double volume, double surfaceArea,
                                        double exposedWallFraction, double wallEmissivity,
                                        double wallAbsorptance, double floorResistance,
                                        double soilResistivity, double soilDiffusivity,
                                        int evaporationModel, double windCorrectionFactor) {
    volume_ = volume;
    surfaceArea_ = surfaceArea;
    exposedWallFraction_ = exposedWallFraction;
    wallEmissivity_ = wallEmissivity;
    wallAbsorptance_ = wallAbsorptance;
    floorResistance_ = floorResistance;
    soilResistivity_ = soilResistivity;
    soilDiffusivity_ = soilDiffusivity;
    evaporationModel_ = evaporationModel;
    windCorrectionFactor_ = windCorrectionFactor;
    double* coefficients[4] = {&convectionConstant_, &convectionWind_, &evaporationConstant_,
                               &evaporationWind_};
    if (evaporationModel == 1)
        for (int i = 0; i < 4; ++i) *coefficients[i] = kModel1Coefficients[i];
    else if (evaporationModel == 0)
        for (double* c : coefficients) *c = 0.0;
    return Check();
}

int MySwimmingPool::SetOtherWaterLoss(double otherWaterLoss) {
    otherWaterLoss_ = otherWaterLoss;
    return Check();
}

void MySwimmingPool::GetBlanketParameters(double& absorptivity, double& transmissivity,
                                          double& emissivity, double& longWaveTransmissivity,
                                          double& insulation, double& coveredFraction) const {
    absorptivity = blanketAbsorptivity_;
    transmissivity = blanketTransmissivity_;
    emissivity = blanketEmissivity_;
    longWaveTransmissivity = blanketLwTransmissivity_;
    insulation = blanketInsulation_;
    coveredFraction = coveredFraction_;
}

int MySwimmingPool::SetBlanketParameters(double absorptivity, double transmissivity,
                                         double emissivity, double longWaveTransmissivity,
                                         double insulation, double coveredFraction) {
    blanketAbsorptivity_ = absorptivity;
    blanketTransmissivity_ = transmissivity;
    blanketEmissivity_ = emissivity;
    blanketLwTransmissivity_ = longWaveTransmissivity;
    blanketInsulation_ = insulation;
    coveredFraction_ = coveredFraction;
    return Check();
}

void MySwimmingPool::GetSurfaceCoefficients(double coefficients[4]) const {
    coefficients[0] = convectionConstant_;
    coefficients[1] = convectionWind_;
    coefficients[2] = evaporationConstant_;
    coefficients[3] = evaporationWind_;
}

// ---------------------------------------------------------------------------------------------
// MyGlazedCollector

void MyGlazedCollector::GetUseParameters(int& seriesCount, double& groupsPerBank,
                                         int& bankCount) const {
    seriesCount = seriesCount_;
    groupsPerBank = groupsPerBank_;
    bankCount = bankCount_;
}

int MyGlazedCollector::SetUseParameters(int seriesCount, double groupsPerBank, int bankCount) {
    seriesCount_ = seriesCount;
    groupsPerBank_ = groupsPerBank;
    bankCount_ = bankCount;
    return Check();
}

CollectorTestParameters MyGlazedCollector::GetTestParameters() const {
    CollectorTestParameters t;
    int series, banks;
    double groups;
    GetParameters(series, groups, banks, t.collectorArea, t.a, t.b, t.c, t.d, t.e, t.testFlowRate,
                  t.modifierMode, t.count1, t.table1, t.count2, t.table2);
    return t;
}

int MyGlazedCollector::SetTestParameters(const CollectorTestParameters& t) {
    return SetParameters(seriesCount_, groupsPerBank_, bankCount_, t.collectorArea, t.a, t.b, t.c,
                         t.d, t.e, t.testFlowRate, t.modifierMode, t.count1, t.table1, t.count2,
                         t.table2);
}

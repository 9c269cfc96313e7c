// The pool's set-up: defaults, validation and derived geometry, inputs, setters and the three
// parameter lines.
#include "pool.h"

#include <cmath>
#include <istream>
#include <ostream>

#include "helpers.h"
#include "physical_constants.h"
#include "sky.h"

const double g_diffuseReflectanceWater =
    FresnelReflectance(60 * kRadiansPerDegree, 1.0, kWaterRefractiveIndex);

namespace {

// Versions of the project file that added pool parameters.
constexpr int kVersionSoilProperties = 10100;   // soil resistivity and diffusivity: above
constexpr int kVersionWallAbsorptance = 10105;  // wall absorptance: above
constexpr int kVersionBlanketLongWave = 10109;  // blanket long-wave transmissivity: from

bool IsFraction(double x) {
    return x >= 0.0 && x <= 1.0;
}

}  // namespace

SwimmingPool::SwimmingPool() {
    Reset();
}

void SwimmingPool::Reset() {
    poolTemperatureDerivative = 0;
    soilTemperatureDerivative = 0;
    evaporationRate = 0;
    waterLoss = 0;
    ZeroHeatFlows();

    time_ = poolTemperature_ = specificHeat_ = nullptr;
    beamHorizontal_ = diffuseHorizontal_ = skyTemperature_ = zenith_ = nullptr;
    shadedFraction_ = groundReflectance_ = airTemperature_ = relativeHumidity_ = nullptr;
    windSpeed_ = soilTemperature_ = deepGroundTemperature_ = nullptr;
    makeUpTemperature_ = makeUpFlow_ = loopReturnTemperature_ = loopFlow_ = nullptr;
    coverOn_ = activityLevel_ = nullptr;

    volume_ = 150.0;
    surfaceArea_ = 100.0;
    exposedWallFraction_ = 0.0;
    wallEmissivity_ = 0.9;
    wallAbsorptance_ = 0.5;
    floorResistance_ = 5.0;
    soilResistivity_ = 1.25;
    soilDiffusivity_ = 5e-7;
    otherWaterLoss_ = kWaterDensity / kSecondsPerDay;  // 1 m3 a day
    blanketAbsorptivity_ = 0.2;
    blanketTransmissivity_ = 0.7;
    blanketEmissivity_ = 0.95;
    blanketLwTransmissivity_ = 0.0;
    blanketInsulation_ = 0.01;
    coveredFraction_ = 0.95;
    evaporationModel_ = kEvaporationModelFixedCoefficients;
    convectionConstant_ = 5.68;
    convectionWind_ = 3.81;
    evaporationConstant_ = 0.0647;
    evaporationWind_ = 0.0642;
    windCorrectionFactor_ = 0.15;

    previousStepTime_ = kNoStep;
    latchedTime_ = kNoStep;
}

void SwimmingPool::ZeroHeatFlows() {
    solarGain = loopGain = totalGains = 0;
    evaporationLoss = convectionLoss = conductionLoss = radiationLoss = 0;
    makeUpLoss = sideWallLoss = totalLosses = 0;
}

int SwimmingPool::Check() {
    const void* inputs[] = {time_,
                            poolTemperature_,
                            specificHeat_,
                            beamHorizontal_,
                            diffuseHorizontal_,
                            skyTemperature_,
                            zenith_,
                            shadedFraction_,
                            groundReflectance_,
                            airTemperature_,
                            relativeHumidity_,
                            windSpeed_,
                            soilTemperature_,
                            deepGroundTemperature_,
                            makeUpTemperature_,
                            makeUpFlow_,
                            loopReturnTemperature_,
                            loopFlow_,
                            coverOn_,
                            activityLevel_};
    for (const void* input : inputs)
        if (input == nullptr) return FatalError(0);

    if (!(volume_ > 0)) return FatalError(1, {volume_});
    if (!(surfaceArea_ > 0)) return FatalError(2, {surfaceArea_});
    if (!IsFraction(exposedWallFraction_)) return FatalError(3, {exposedWallFraction_});
    if (!IsFraction(wallEmissivity_)) return FatalError(4, {wallEmissivity_});
    if (!IsFraction(wallAbsorptance_)) return FatalError(15, {wallAbsorptance_});
    if (!(floorResistance_ >= 0)) return FatalError(5, {floorResistance_});
    if (!(soilResistivity_ >= 0)) return FatalError(12, {soilResistivity_});
    if (!(soilDiffusivity_ > 0)) return FatalError(13, {soilDiffusivity_});
    if (floorResistance_ == 0 && soilResistivity_ == 0) return FatalError(14);
    if (!(otherWaterLoss_ >= 0)) return FatalError(6, {otherWaterLoss_});
    if (!IsFraction(blanketAbsorptivity_)) return FatalError(7, {blanketAbsorptivity_});
    if (!IsFraction(blanketTransmissivity_)) return FatalError(8, {blanketTransmissivity_});
    if (!IsFraction(blanketEmissivity_)) return FatalError(264, {blanketEmissivity_});
    if (!IsFraction(blanketLwTransmissivity_)) return FatalError(265, {blanketLwTransmissivity_});
    if (!(blanketInsulation_ >= 0)) return FatalError(9, {blanketInsulation_});
    if (!IsFraction(coveredFraction_)) return FatalError(10, {coveredFraction_});
    if (!(windCorrectionFactor_ >= 0)) return FatalError(11, {windCorrectionFactor_});

    sideLength_ = std::sqrt(surfaceArea_);
    depth_ = volume_ / surfaceArea_;
    const double perimeter = 4.0 * sideLength_;
    const double sideWallArea = perimeter * depth_;
    buriedArea_ = surfaceArea_ + (1.0 - exposedWallFraction_) * sideWallArea;
    exposedWallArea_ = exposedWallFraction_ * sideWallArea;
    exposedHeight_ = depth_ * exposedWallFraction_;
    penetrationDepth_ = std::sqrt(soilDiffusivity_ * 90.0 * kSecondsPerDay);

    previousStepTime_ = kNoStep;
    latchedTime_ = kNoStep;
    return SolarBase::Check();
}

int SwimmingPool::SetInputs(const double* time, const double* poolTemperature,
                            const double* specificHeat, const double* beamHorizontal,
                            const double* diffuseHorizontal, const double* skyTemperature,
                            const double* zenith, const double* shadedFraction,
                            const double* groundReflectance, const double* airTemperature,
                            const double* relativeHumidity, const double* windSpeed,
                            const double* soilTemperature, const double* deepGroundTemperature,
                            const double* makeUpTemperature, const double* makeUpFlow,
                            const double* loopReturnTemperature, const double* loopFlow,
                            const int* coverOn, const int* activityLevel) {
    time_ = time;
    poolTemperature_ = poolTemperature;
    specificHeat_ = specificHeat;
    beamHorizontal_ = beamHorizontal;
    diffuseHorizontal_ = diffuseHorizontal;
    skyTemperature_ = skyTemperature;
    zenith_ = zenith;
    shadedFraction_ = shadedFraction;
    groundReflectance_ = groundReflectance;
    airTemperature_ = airTemperature;
    relativeHumidity_ = relativeHumidity;
    windSpeed_ = windSpeed;
    soilTemperature_ = soilTemperature;
    deepGroundTemperature_ = deepGroundTemperature;
    makeUpTemperature_ = makeUpTemperature;
    makeUpFlow_ = makeUpFlow;
    loopReturnTemperature_ = loopReturnTemperature;
    loopFlow_ = loopFlow;
    coverOn_ = coverOn;
    activityLevel_ = activityLevel;
    return Check();
}

int SwimmingPool::SetSurfaceArea(double area) {
    surfaceArea_ = area;
    return Check();
}

int SwimmingPool::SetVolume(double volume) {
    volume_ = volume;
    return Check();
}

int SwimmingPool::WriteParameters(std::ostream& out) const {
    WriteParameterLine(out, volume_, surfaceArea_, exposedWallFraction_, wallEmissivity_,
                       wallAbsorptance_, floorResistance_, soilResistivity_, soilDiffusivity_,
                       otherWaterLoss_);
    WriteParameterLine(out, blanketAbsorptivity_, blanketTransmissivity_, blanketEmissivity_,
                       blanketLwTransmissivity_, blanketInsulation_, coveredFraction_,
                       evaporationModel_);
    return WriteParameterLine(out, convectionConstant_, convectionWind_, evaporationConstant_,
                              evaporationWind_, windCorrectionFactor_);
}

int SwimmingPool::ReadParameters(std::istream& in, int version) {
    in >> volume_ >> surfaceArea_ >> exposedWallFraction_ >> wallEmissivity_;
    if (version > kVersionWallAbsorptance) in >> wallAbsorptance_;
    in >> floorResistance_;
    if (version > kVersionSoilProperties) in >> soilResistivity_ >> soilDiffusivity_;
    in >> otherWaterLoss_ >> SkipLine;

    int model = evaporationModel_;
    in >> blanketAbsorptivity_ >> blanketTransmissivity_ >> blanketEmissivity_;
    if (version >= kVersionBlanketLongWave)
        in >> blanketLwTransmissivity_;
    else
        blanketLwTransmissivity_ = 0.0;
    in >> blanketInsulation_ >> coveredFraction_ >> model >> SkipLine;

    in >> convectionConstant_ >> convectionWind_ >> evaporationConstant_ >> evaporationWind_ >>
        windCorrectionFactor_;
    evaporationModel_ = model;
    return EndParameterLine(in);
}

// The hourly energy and water balance of a swimming pool.
//
// Each Compute takes the present pool temperature and weather from the components wired to it
// and returns the time derivatives of the pool temperature and of a soil node under the pool,
// with every heat flow of the balance as a separate output. The driver integrates the two
// derivatives and may call Compute several times at one time value while it iterates.
//
// Temperatures are degC at the inputs and kelvin inside the formulas; heat flows are W, water
// flows kg/s, time s, angles rad.
//
// Under the blanket the surface radiates with the water's emission let through the blanket plus
// the blanket's own: 0.95 x long-wave transmissivity + long-wave emissivity, capped at 1 (a black
// body), since a blanket whose two values add up to more than 1 would otherwise radiate more than
// any surface can.
#pragma once

#include <iosfwd>

#include "component.h"
#include "numerics.h"

// Reflectance of the water surface for diffuse light: the Fresnel reflectance from air into
// water (refractive index 1.332) at 60 degrees, computed once at start.
extern const double g_diffuseReflectanceWater;

class SwimmingPool : public SolarBase {
  public:
    SwimmingPool();

    int GetTypeId() const override { return kTypeSwimmingPool; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    // Three lines: walls and soil; blanket and evaporation model; surface coefficients.
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Stores the 20 input addresses (all required), then Check.
    int SetInputs(const double* time, const double* poolTemperature, const double* specificHeat,
                  const double* beamHorizontal, const double* diffuseHorizontal,
                  const double* skyTemperature, const double* zenith, const double* shadedFraction,
                  const double* groundReflectance, const double* airTemperature,
                  const double* relativeHumidity, const double* windSpeed,
                  const double* soilTemperature, const double* deepGroundTemperature,
                  const double* makeUpTemperature, const double* makeUpFlow,
                  const double* loopReturnTemperature, const double* loopFlow, const int* coverOn,
                  const int* activityLevel);

    int SetSurfaceArea(double area);  // m2, then Check
    int SetVolume(double volume);     // m3, then Check
    void SetEvaporationModel(int model) { evaporationModel_ = model; }
    double GetSurfaceArea() const { return surfaceArea_; }
    double GetVolume() const { return volume_; }
    int GetEvaporationModel() const { return evaporationModel_; }
    double GetWindCorrectionFactor() const { return windCorrectionFactor_; }

    // Outputs.
    double poolTemperatureDerivative = 0;  // K/s
    double soilTemperatureDerivative = 0;  // K/s
    double evaporationRate = 0;            // kg/s
    double waterLoss = 0;                  // evaporation + other water loss, kg/s
    double solarGain = 0;                  // W
    double loopGain = 0;                   // W
    double totalGains = 0;                 // solar + loop, W
    double evaporationLoss = 0;            // W
    double convectionLoss = 0;             // W
    double conductionLoss = 0;             // W
    double radiationLoss = 0;              // W
    double makeUpLoss = 0;                 // W
    double sideWallLoss = 0;               // W
    double totalLosses = 0;                // W

    static constexpr double kNoStep = -1.7976931348623157e308;    // no step taken yet
    static constexpr int kEvaporationModelFixedCoefficients = 1;  // other values: correlations

  protected:
    // Inputs.
    const double* time_ = nullptr;
    const double* poolTemperature_ = nullptr;
    const double* specificHeat_ = nullptr;
    const double* beamHorizontal_ = nullptr;
    const double* diffuseHorizontal_ = nullptr;
    const double* skyTemperature_ = nullptr;
    const double* zenith_ = nullptr;
    const double* shadedFraction_ = nullptr;
    const double* groundReflectance_ = nullptr;
    const double* airTemperature_ = nullptr;
    const double* relativeHumidity_ = nullptr;
    const double* windSpeed_ = nullptr;
    const double* soilTemperature_ = nullptr;
    const double* deepGroundTemperature_ = nullptr;
    const double* makeUpTemperature_ = nullptr;
    const double* makeUpFlow_ = nullptr;
    const double* loopReturnTemperature_ = nullptr;
    const double* loopFlow_ = nullptr;
    const int* coverOn_ = nullptr;
    const int* activityLevel_ = nullptr;

    // Parameters.
    double volume_;                   // m3
    double surfaceArea_;              // m2
    double exposedWallFraction_;      // part of the wall height above ground, 0..1
    double wallEmissivity_;           // long-wave, exposed walls
    double wallAbsorptance_;          // solar, exposed walls
    double floorResistance_;          // floor and buried walls, m2 K/W
    double soilResistivity_;          // m K/W
    double soilDiffusivity_;          // m2/s
    double otherWaterLoss_;           // spillage, kg/s
    double blanketAbsorptivity_;      // solar
    double blanketTransmissivity_;    // solar
    double blanketEmissivity_;        // long-wave
    double blanketLwTransmissivity_;  // long-wave
    double blanketInsulation_;        // m2 K/W
    double coveredFraction_;          // part of the surface the blanket covers
    int evaporationModel_;
    double convectionConstant_;   // W/m2 K
    double convectionWind_;       // W/m2 K per m/s
    double evaporationConstant_;  // W/m2 Pa
    double evaporationWind_;      // W/m2 Pa per m/s
    double windCorrectionFactor_;

  private:
    // Values of the present evaluation, in kelvin where they are temperatures.
    struct Conditions {
        double tp, tsky, ta, ts, tdg, tm, tr;
        double cp, beam, diffuse, zenith, shaded, groundReflectance, relativeHumidity, wind;
        double makeUpFlow, loopFlow;
        bool coverOn;
        int activity;
    };

    void ZeroHeatFlows();
    // The inputs of the present evaluation; then kOk, or the domain error of the first input
    // out of its range.
    Conditions ReadConditions() const;
    int CheckConditions(const Conditions& c);
    void LatchSurfaceTemperatures(double now);
    void ComputeSideWalls(const Conditions& c);
    void ComputeConduction(const Conditions& c);
    // Convective (W/m2 K) and mass (kg/s m2 Pa) transfer coefficients of the open surface.
    void SurfaceCoefficients(const Conditions& c, double& hc, double& hm);
    double SolarGain(const Conditions& c);

    // Terms that change about once an hour while the plant's loops evaluate the pool many times,
    // each kept while its inputs repeat.
    LastResult<1> skyFourthPower_;         // K^4
    LastResult<2> airVapourPressure_;      // Pa
    LastResult<1> beamReflectance_;        // of the open water
    LastResult<1> sideLengthCubed_;        // m3
    LastResult<1> surfaceForcedNusselt_;   // over the open surface
    LastResult<2> wallWaterFilm_;          // W/m2 K
    LastResult<1> wallForcedNusselt_;      // on the exposed walls' outer face
    LastResult<3> wallNaturalNusselt_[2];  // each half of the exposed walls

    // Derived by Check.
    double sideLength_ = 0;        // of a square pool, m
    double depth_ = 0;             // m
    double buriedArea_ = 0;        // floor and buried walls, m2
    double exposedWallArea_ = 0;   // m2
    double exposedHeight_ = 0;     // m
    double penetrationDepth_ = 0;  // of a 90-day temperature wave into the soil, m

    // Surface temperatures of the two halves of the exposed wall (K): 0 sunlit, 1 shaded.
    double innerSurface_[2] = {0, 0};
    double outerSurface_[2] = {0, 0};
    double previousInnerSurface_[2] = {0, 0};
    double previousOuterSurface_[2] = {0, 0};
    double previousStepTime_ = kNoStep;
    double latchedTime_ = kNoStep;
};

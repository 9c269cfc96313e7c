// Auxiliary heating of the pool loop: a heater that raises the water towards a set point within
// its capacity, and an air-to-water heat pump whose capacity and coefficient of performance
// follow curves of the outdoor air and water inlet temperatures.
#pragma once

#include <iosfwd>

#include "component.h"

// Raises the water to the set point within its capacity.
class AuxiliaryHeater : public SolarBase {
  public:
    AuxiliaryHeater() { Reset(); }

    int GetTypeId() const override { return kTypeAuxiliaryHeater; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Inlet temperature (degC), flow (kg/s), specific heat (J/kg K), on/off (non-zero = on).
    int SetInputs(const double* inletTemperature, const double* flow, const double* specificHeat,
                  const int* on);
    // Set-point temperature (degC), capacity (W).
    int SetParameters(double setPoint, double capacity);
    void GetParameters(double& setPoint, double& capacity) const;

    // Outputs.
    double outletTemperature;  // degC; kept while nothing flows
    double heat;               // W delivered to the water
    double partLoadRatio;      // heat / capacity; 0 for a heater without capacity

  protected:
    const double* inletTemperature_;
    const double* flow_;
    const double* specificHeat_;
    const int* on_;
    double setPoint_;
    double capacity_;
};

// A factor of the rated capacity or coefficient of performance, from the air temperature, the
// rating air temperature, the water temperature and the rating water temperature (all degC).
using HeatPumpCurve = double (*)(double airTemperature, double ratedAirTemperature,
                                 double waterTemperature, double ratedWaterTemperature);

// The library's default curves; both equal 1 at the rating point. With temperatures in kelvin,
// ra = Tair / Tair,rated and rw = Twater / Twater,rated:
// capacity factor = exp(-28.86 (ra - 1)^2) (ra^2 / rw)^2.564
double HeatPumpCapacityCurve(double airTemperature, double ratedAirTemperature,
                             double waterTemperature, double ratedWaterTemperature);
// COP factor = exp(-3.19 (2 rw - ra - 1) - 16.2 (ra - 1)^2)
double HeatPumpCOPCurve(double airTemperature, double ratedAirTemperature, double waterTemperature,
                        double ratedWaterTemperature);

// Base of the heat pumps.
class HeatPump : public SolarBase {
  public:
    int GetTypeId() const override { return kTypeHeatPump; }
};

class AirToWaterHeatPump : public HeatPump {
  public:
    AirToWaterHeatPump() { Reset(); }

    int GetTypeId() const override { return kTypeAirToWaterHeatPump; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Air temperature (degC, of the same kind as the rating air temperature), water inlet
    // temperature (degC), flow (kg/s), specific heat (J/kg K), on/off (non-zero = on).
    int SetInputs(const double* airTemperature, const double* waterInletTemperature,
                  const double* flow, const double* specificHeat, const int* on);
    // Maximum outlet temperature (degC), rated capacity (W), rated coefficient of performance.
    int SetParameters(double maximumOutletTemperature, double ratedCapacity, double ratedCOP);
    void GetParameters(double& maximumOutletTemperature, double& ratedCapacity,
                       double& ratedCOP) const;
    // Rating point, the ranges in which the curves hold (degC), and the two curves.
    int SetCurves(double ratedAirTemperature, double ratedWaterTemperature, double airMinimum,
                  double airMaximum, double waterMinimum, double waterMaximum,
                  HeatPumpCurve capacityCurve, HeatPumpCurve copCurve);

    // Outputs.
    double capacity;           // W available in this step
    double cop;                // coefficient of performance in this step
    double outletTemperature;  // degC; kept while nothing flows
    double heat;               // W delivered to the water
    double partLoadRatio;      // heat / capacity; 0 without capacity
    double outOfRange;         // 1 when the temperatures left the curves' ranges in this step

  private:
    const double* airTemperature_;
    const double* waterInletTemperature_;
    const double* flow_;
    const double* specificHeat_;
    const int* on_;
    double maximumOutletTemperature_;
    double ratedCapacity_;
    double ratedCOP_;
    double ratedAirTemperature_;
    double ratedWaterTemperature_;
    double airMinimum_;
    double airMaximum_;
    double waterMinimum_;
    double waterMaximum_;
    HeatPumpCurve capacityCurve_;
    HeatPumpCurve copCurve_;
};

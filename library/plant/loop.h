// Hydraulic components of the heating loops: a pump that sets a loop's flow and warms the fluid
// by part of its power, a pipe run that loses heat to its surroundings, and a heat exchanger of
// constant effectiveness between a hot and a cold stream.
#pragma once

#include <iosfwd>

#include "component.h"
#include "numerics.h"

// Sets the flow of a loop while switched on; the part of its power that heats the fluid raises
// the outlet temperature.
class Pump : public SolarBase {
  public:
    Pump() { Reset(); }

    int GetTypeId() const override { return kTypePump; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Inlet temperature (degC), specific heat (J/kg K), on/off (non-zero = on).
    int SetInputs(const double* inletTemperature, const double* specificHeat, const int* on);
    // Rated flow (kg/s, >= 0), power (W, >= 0), fraction of the power that heats the fluid (0..1).
    int SetParameters(double ratedFlow, double power, double heatFraction);
    void GetParameters(double& ratedFlow, double& power, double& heatFraction) const;
    int SetFlowRate(double ratedFlow);

    // Outputs.
    double flow;               // kg/s
    double outletTemperature;  // degC
    double heat;               // W given to the fluid
    double electricPower;      // W

  private:
    const double* inletTemperature_;
    const double* specificHeat_;
    const int* on_;
    double ratedFlow_;
    double power_;
    double heatFraction_;
};

// A pipe run: the outlet temperature approaches the surroundings exponentially with the run's
// conductance over the stream's capacity rate.
class Pipe : public SolarBase {
  public:
    Pipe() { Reset(); }

    int GetTypeId() const override { return kTypePipe; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Inlet and surroundings temperatures (degC), flow (kg/s), specific heat (J/kg K).
    int SetInputs(const double* inletTemperature, const double* surroundingsTemperature,
                  const double* flow, const double* specificHeat);
    // Loss coefficient per length (W/m K, >= 0), length (m, >= 0).
    int SetParameters(double lossCoefficient, double length);
    void GetParameters(double& lossCoefficient, double& length) const;

    // Outputs.
    double outletTemperature;  // degC; kept while nothing flows
    double heatLoss;           // W

  private:
    const double* inletTemperature_;
    const double* surroundingsTemperature_;
    const double* flow_;
    const double* specificHeat_;
    double lossCoefficient_;
    double length_;
    // The share lost, kept while conductance and capacity rate repeat (the flow is set once an
    // hour, the loop around the pipe iterates).
    LastResult<2> lostShare_;
};

// Counter-flow or any other arrangement summarised by one constant effectiveness:
// heat = effectiveness x Cmin x (hot inlet - cold inlet).
class HeatExchanger : public SolarBase {
  public:
    HeatExchanger() { Reset(); }

    int GetTypeId() const override { return kTypeHeatExchanger; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Temperatures in degC, flows in kg/s, specific heats in J/kg K.
    int SetInputs(const double* coldInletTemperature, const double* hotInletTemperature,
                  const double* coldFlow, const double* hotFlow, const double* coldSpecificHeat,
                  const double* hotSpecificHeat);
    int SetEffectiveness(double effectiveness);
    double GetEffectiveness() const { return effectiveness_; }

    // Outputs.
    double coldOutletTemperature;  // degC
    double hotOutletTemperature;   // degC
    double heat;                   // W from the hot to the cold stream

  private:
    const double* coldInletTemperature_;
    const double* hotInletTemperature_;
    const double* coldFlow_;
    const double* hotFlow_;
    const double* coldSpecificHeat_;
    const double* hotSpecificHeat_;
    double effectiveness_;
};

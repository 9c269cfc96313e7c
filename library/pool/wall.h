// Wall: one-dimensional transient conduction through a layered wall or roof.
//
// One node per layer, stepped implicitly (backward Euler) to each new time. Each face is tied to
// its boundary temperature through a surface resistance; a boundary without temperature input is
// adiabatic. Heat flows are per unit area.
#pragma once

#include <iosfwd>
#include <limits>
#include <vector>

#include "component.h"

class Wall : public SolarBase {
  public:
    Wall() { Wall::Reset(); }

    int GetTypeId() const override { return kTypeWall; }
    void Reset() override;
    int Check() override;
    int Compute() override;
    // Line 1: face resistances and node count; then one line each of the resistances, of the
    // capacity factors a and of b.
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Time (s, required) and the two boundary temperatures (degC; null = adiabatic face).
    int SetInputs(double* time, double* boundary1, double* boundary2);
    // Sizes the node arrays (zeroed); 0 when n equals the present count or n <= 0 (no nodes).
    int SetNodeCount(int n);
    // n layers: resistance (m2 K/W) and heat capacity a x b (J/m2 K) of each, and the two
    // surface resistances.
    int SetParameters(int n, const double* resistance, const double* a, const double* b,
                      double face1Resistance, double face2Resistance);
    int SetInputsAndParameters(double* time, double* boundary1, double* boundary2, int n,
                               const double* resistance, const double* a, const double* b,
                               double face1Resistance, double face2Resistance);
    int GetNodeCount() const { return count_; }

    // Outputs.
    double heatFlowIn = 0;                // W/m2 entering face 1 from boundary 1
    double heatFlowOut = 0;               // W/m2 leaving face 2 to boundary 2
    std::vector<double> nodeTemperature;  // degC at the current time
    std::vector<double> nodeHeatBalance;  // W/m2 net conductive flow into each node

    static constexpr double kNoTime = std::numeric_limits<double>::lowest();

  private:
    // Fixes the time being computed. A later time than the last one computed first makes the
    // last computed state the committed one; the same time again starts over from the same
    // committed state.
    void LatchTime(double t);
    void CommitState();
    // The conduction matrix of a time step, factored once for all the steps of that length:
    // only the node temperatures of the right-hand side change from one call to the next.
    void FactorStep(double dt);
    void ForgetFactoring() { factoredStep_ = kNoTime; }

    double* time_ = nullptr;
    double* boundary1_ = nullptr;
    double* boundary2_ = nullptr;
    double previousTime_ = kNoTime;
    double currentTime_ = kNoTime;
    std::vector<double> previousTemperature_;
    // The factored matrix of steps of factoredStep_ s (kNoTime: none), with each node's heat
    // capacity per step (W/m2 K), the conductances between nodes and at the faces (W/m2 K),
    // and the factoring's result (0, or the row of a vanishing pivot).
    double factoredStep_ = kNoTime;
    std::vector<double> lower_, diagonal_, upper_;
    std::vector<double> capacity_, conductance_;
    double faceConductance1_ = 0, faceConductance2_ = 0;
    int factorFailure_ = 0;
    int count_ = 0;
    std::vector<double> resistance_, a_, b_;
    double face1Resistance_ = 0;
    double face2Resistance_ = 0;
};

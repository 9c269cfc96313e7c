// Control pieces of the hourly step: a differential thermostat that switches the collector loop,
// a promoter that speeds up the fixed-point iteration of one loop variable, and integrators that
// advance a state by one time step from its derivative.
#pragma once

#include <iosfwd>

#include "component.h"

// Project files older than this version have no limit mode on the controller's line.
constexpr int kControllerLimitModeVersion = 20000;

// Differential thermostat with a dead band and a high limit. The dead band acts through the state
// latched at the end of each step: once on, the loop stays on down to dT off.
class DeltaTController : public SolarBase {
  public:
    // Limit modes.
    enum LimitMode : int { kLimitColdSide = 0, kLimitHotSide = 1 };  // other values: no limit

    DeltaTController() { Reset(); }

    int GetTypeId() const override { return kTypeDeltaTController; }
    void Reset() override;
    int Compute() override;
    // previous on := on.
    void LatchState() override;
    int Check() override;
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Hot-side and cold-side temperatures (degC).
    int SetInputs(const double* hotTemperature, const double* coldTemperature);
    // dT on and dT off (K), high-limit temperature (degC), limit mode.
    int SetParameters(double deltaTOn, double deltaTOff, double highLimit, int limitMode);
    void GetParameters(double& deltaTOn, double& deltaTOff, double& highLimit,
                       int& limitMode) const;
    // Sets the limit with mode 0 (the cold side is limited); no Check.
    void SetHighLimit(double highLimit);
    // The hot side less the cold side, K.
    double TemperatureDifference() const { return *hotTemperature_ - *coldTemperature_; }
    // Whether the limited side is above the high limit, which holds the loop off.
    bool AboveHighLimit() const;

    // Outputs.
    int on;
    int previousOn;

  private:
    const double* hotTemperature_;
    const double* coldTemperature_;
    double deltaTOn_;
    double deltaTOff_;
    double highLimit_;
    int limitMode_;
};

// Proposes the next guess of an iterated loop variable from the value the loop computed with the
// last guess: substitution for the first two guesses, then the secant, bisection once the root is
// bracketed, or regula falsi on the last two points. Compute returns 8 (iterate again) until a
// guess reproduces itself within the tolerance, then 0.
class ConvergencePromoter : public SolarBase {
  public:
    ConvergencePromoter() { Reset(); }

    int GetTypeId() const override { return kTypeConvergencePromoter; }
    void Reset() override;
    int Compute() override;
    int Check() override;
    int WriteParameters(std::ostream& out) const override;
    int ReadParameters(std::istream& in, int version) override;

    // Each of these stores its value, clears the history and runs Check.
    int SetTolerance(double tolerance);
    int SetVariable(const double* variable);
    int SetVariableAndTolerance(const double* variable, double tolerance);
    double GetTolerance() const { return tolerance_; }
    // Forgets the guesses; called at the start of every iterated step.
    void ClearHistory();
    // The variable as the loop last computed it, from the last guess.
    double LoopValue() const { return *variable_; }

    // Output: the guess the loop must be computed with next.
    double nextGuess;

  private:
    const double* variable_;
    double tolerance_;
    double guesses_[3];
    double differences_[3];  // guess minus the value the loop computed from it
    int count_;
};

// Advances a state by one time step from its derivative.
class Integrator : public SolarBase {
  public:
    Integrator() { Reset(); }

    int GetTypeId() const override { return kTypeIntegrator; }
    void Reset() override;
    int Check() override;
    // Binds the three inputs through SetInputs and returns the status.
    virtual int Init(const double* state, const double* derivative, const double* timeStep);
    // State, its time derivative (per s) and the time step (s); then Check.
    virtual int SetInputs(const double* state, const double* derivative, const double* timeStep);

    // Output: the state at the end of the step.
    double newState;

  protected:
    const double* state_;
    const double* derivative_;
    const double* timeStep_;
};

// Explicit Euler step: new state = state + time step x derivative.
class EulerIntegrator : public Integrator {
  public:
    int GetTypeId() const override { return kTypeEulerIntegrator; }
    int Compute() override;
};

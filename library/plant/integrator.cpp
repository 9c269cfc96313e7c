#include "control.h"

void Integrator::Reset() {
    newState = 0;
    state_ = nullptr;
    derivative_ = nullptr;
    timeStep_ = nullptr;
}

int Integrator::Init(const double* state, const double* derivative, const double* timeStep) {
    SetInputs(state, derivative, timeStep);
    return status_;
}

int Integrator::SetInputs(const double* state, const double* derivative, const double* timeStep) {
    state_ = state;
    derivative_ = derivative;
    timeStep_ = timeStep;
    return Check();
}

int Integrator::Check() {
    if (state_ == nullptr || derivative_ == nullptr || timeStep_ == nullptr) return FatalError(0);
    return SolarBase::Check();
}

int EulerIntegrator::Compute() {
    if (status_ != kReady) return status_;
    newState = *state_ + *timeStep_ * *derivative_;
    return status_;
}

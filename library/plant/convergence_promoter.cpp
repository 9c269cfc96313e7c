#include <cmath>
#include <istream>
#include <ostream>

#include "control.h"

void ConvergencePromoter::Reset() {
    nextGuess = 0;
    variable_ = nullptr;
    tolerance_ = 0;
    ClearHistory();
}

void ConvergencePromoter::ClearHistory() {
    for (int i = 0; i < 3; ++i) {
        guesses_[i] = 0;
        differences_[i] = 0;
    }
    count_ = 0;
}

int ConvergencePromoter::SetTolerance(double tolerance) {
    tolerance_ = tolerance;
    ClearHistory();
    return Check();
}

int ConvergencePromoter::SetVariable(const double* variable) {
    variable_ = variable;
    ClearHistory();
    return Check();
}

int ConvergencePromoter::SetVariableAndTolerance(const double* variable, double tolerance) {
    SetVariable(variable);
    SetTolerance(tolerance);
    return status_;
}

int ConvergencePromoter::Check() {
    if (variable_ == nullptr) return FatalError(0);
    if (!(tolerance_ > 0)) return FatalError(1, {tolerance_});
    return SolarBase::Check();
}

int ConvergencePromoter::Compute() {
    if (status_ != kReady) return status_;
    const double y = *variable_;
    double* g = guesses_;
    double* d = differences_;
    if (count_ > 0 && count_ <= 3 && std::fabs(g[count_ - 1] - y) < tolerance_) return kOk;

    switch (count_) {
        case 0:  // first guess: the variable as it stands
            nextGuess = g[0] = y;
            count_ = 1;
            return kIterateAgain;

        case 1:  // second guess: plain substitution
            d[0] = g[0] - y;
            nextGuess = g[1] = y;
            count_ = 2;
            return kIterateAgain;

        case 2:
            d[1] = g[1] - y;
            if (d[1] * d[0] < 0) {
                // The root lies between the two guesses.
                if (std::fabs(g[0] - g[1]) < tolerance_) return kOk;
                nextGuess = (g[0] + g[1]) / 2;
            } else if (std::fabs(d[1] - d[0]) < tolerance_) {
                // No usable slope: step just above the larger guess and try again.
                if (g[0] < g[1]) {
                    g[0] = g[1];
                    d[0] = d[1];
                }
                nextGuess = g[1] = g[0] + 10 * tolerance_;
                return kIterateAgain;
            } else {
                nextGuess = (g[0] * d[1] - g[1] * d[0]) / (d[1] - d[0]);  // secant
            }
            g[2] = nextGuess;
            count_ = 3;
            return kIterateAgain;

        case 3:
            d[2] = g[2] - y;
            if (d[0] * d[2] < 0) {
                // Root between g0 and the new guess.
                g[1] = g[2];
                d[1] = d[2];
                if (std::fabs(g[0] - g[1]) < tolerance_) return kOk;
                nextGuess = (g[0] + g[1]) / 2;
            } else if (d[2] * d[1] < 0) {
                // Root between the new guess and g1.
                g[0] = g[2];
                d[0] = d[2];
                if (std::fabs(g[0] - g[1]) < tolerance_) return kOk;
                nextGuess = (g[0] + g[1]) / 2;
            } else if (std::fabs(d[1]) <= std::fabs(d[2])) {
                // The new point is no better: substitute from g1.
                g[0] = g[1];
                d[0] = d[1];
                nextGuess = g[1] = g[1] - d[1];
                count_ = 2;
                return kIterateAgain;
            } else {
                // Regula falsi on the last two points.
                g[0] = g[1];
                d[0] = d[1];
                g[1] = g[2];
                d[1] = d[2];
                nextGuess = (g[0] * d[1] - g[1] * d[0]) / (d[1] - d[0]);
            }
            g[2] = nextGuess;
            return kIterateAgain;

        default:
            return DomainError(0x101, {count_});
    }
}

int ConvergencePromoter::WriteParameters(std::ostream& out) const {
    return WriteParameterLine(out, tolerance_);
}

int ConvergencePromoter::ReadParameters(std::istream& in, int) {
    in >> tolerance_;
    return EndParameterLine(in);
}

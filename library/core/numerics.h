// Tridiagonal solver, table interpolation and present-worth functions.
// Rates are fractions per year (0.05 for 5 %); counts of years are ints. The present-worth
// factor is the PWF(N, i, d) of the economic analysis in J. A. Duffie and W. A. Beckman, Solar
// Engineering of Thermal Processes, 4th ed. (Wiley, 2013), chapter 11.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

// Thomas algorithm in place, without pivoting, in two steps so that a matrix factored once
// serves many right-hand sides: a is the sub-diagonal (a[0] unused), b the diagonal, c the
// super-diagonal (c[n-1] unused), d the right-hand side.
// FactorTridiagonal overwrites b and c with the elimination's pivots and multipliers. Returns 0,
// -1 when n < 1, or the 1-based row whose reduced pivot is below 1e-10 in magnitude.
int FactorTridiagonal(int n, const double* a, double* b, double* c);
// With b and c as FactorTridiagonal left them (returning 0), overwrites d with the solution.
void SolveFactoredTridiagonal(int n, const double* a, const double* b, const double* c, double* d);
// Both steps for one right-hand side: FactorTridiagonal's result; on 0 the solution is in d,
// otherwise d is left as it was.
int SolveTridiagonal(int n, const double* a, double* b, double* c, double* d);

// Linear interpolation in a table of increasing x, extrapolated along the end segments.
double InterpolateTable(int n, const double* x, const double* y, double x0);

// amount x (1 + e)^(n - 1) / (1 + d)^n
double PresentWorthSingle(double amount, int n, double e, double d);

// A series of yearly amounts over `years`, the first a year from now, each `escalation` more
// than the one before, discounted at `discount`.
struct YearlySeries {
    int years = 0;
    double escalation = 0;
    double discount = 0;
};
// Present worth of the series per unit of its first amount: years / (1 + escalation) when
// discount = escalation, else (1 - ((1 + escalation) / (1 + discount))^years) /
// (discount - escalation).
double PresentWorthFactor(const YearlySeries& series);
// Present worth of the series whose first amount is `amount`: amount x PresentWorthFactor.
double PresentWorthSeries(double amount, int n, double e, double d);

// A loan of 0 costs 0 a year; a loan over no years is paid back at once (the whole amount).
double AnnualPayment(double loan, int n, double i);

// What a system costs over its life, in today's money.
struct LifeCycleTerms {
    double energyCost = 0;       // $/year, escalating with fuelInflationRate
    double maintenanceCost = 0;  // $/year, escalating with inflationRate
    double capital = 0;          // $ of initial costs, of which `loan` is borrowed
    double loan = 0;
    double salvage = 0;  // $ at the end of the life
    int loanYears = 0;
    int lifeYears = 0;
    double loanRate = 0;
    double discountRate = 0;
    double inflationRate = 0;
    double fuelInflationRate = 0;
};
// The part not borrowed, the discounted loan payments, the discounted energy and maintenance
// costs, less the discounted salvage.
double LifeCycleCost(const LifeCycleTerms& terms);

// The last result of a costly pure function, reused while every argument repeats bit for bit
// (so the result is the one a new call would give): the plant's loops evaluate the models many
// times an hour on inputs that mostly change once an hour. Starts empty.
template <int N>
class LastResult {
  public:
    using Arguments = std::array<double, N>;

    // compute(arguments) when they differ from the last ones, else the last result.
    template <class Function>
    double operator()(const Arguments& arguments, Function compute) {
        if (!Holds(arguments)) Keep(arguments, compute(arguments));
        return result_;
    }

    // Whether the last result belongs to these arguments; for functions that can fail, which
    // Keep only their results.
    [[nodiscard]] bool Holds(const Arguments& arguments) const {
        if (!held_) return false;
        for (int i = 0; i < N; ++i)
            if (std::bit_cast<std::uint64_t>(arguments[i]) != bits_[i]) return false;
        return true;
    }
    void Keep(const Arguments& arguments, double result) {
        for (int i = 0; i < N; ++i) bits_[i] = std::bit_cast<std::uint64_t>(arguments[i]);
        result_ = result;
        held_ = true;
    }
    double Result() const { return result_; }

  private:
    std::array<std::uint64_t, N> bits_{};
    double result_ = 0;
    bool held_ = false;
};

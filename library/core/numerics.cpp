#include "numerics.h"

#include <cmath>

int FactorTridiagonal(int n, const double* a, double* b, double* c) {
    constexpr double kTinyPivot = 1e-10;
    if (n < 1) return -1;
    if (std::fabs(b[0]) < kTinyPivot) return 1;
    for (int i = 1; i < n; ++i) {
        c[i - 1] /= b[i - 1];
        b[i] -= a[i] * c[i - 1];
        if (std::fabs(b[i]) < kTinyPivot) return i + 1;
    }
    return 0;
}

void SolveFactoredTridiagonal(int n, const double* a, const double* b, const double* c, double* d) {
    d[0] /= b[0];
    for (int i = 1; i < n; ++i) {
        d[i] -= a[i] * d[i - 1];
        d[i] /= b[i];
    }
    for (int k = n - 2; k >= 0; --k) d[k] -= c[k] * d[k + 1];
}

int SolveTridiagonal(int n, const double* a, double* b, double* c, double* d) {
    const int result = FactorTridiagonal(n, a, b, c);
    if (result == 0) SolveFactoredTridiagonal(n, a, b, c, d);
    return result;
}

double InterpolateTable(int n, const double* x, const double* y, double x0) {
    if (n < 2) return y[0];
    if (x0 < x[0]) return y[0] + (x0 - x[0]) * (y[1] - y[0]) / (x[1] - x[0]);
    if (x0 > x[n - 1])
        return y[n - 1] + (x0 - x[n - 1]) * (y[n - 1] - y[n - 2]) / (x[n - 1] - x[n - 2]);
    int lo = 0, hi = n - 1;
    while (lo + 1 < hi) {
        const int mid = (lo + hi) / 2;
        if (x0 < x[mid])
            hi = mid;
        else
            lo = mid;
    }
    return ((x[hi] - x0) * y[lo] + (x0 - x[lo]) * y[hi]) / (x[hi] - x[lo]);
}

double PresentWorthSingle(double amount, int n, double e, double d) {
    return amount * std::pow(1.0 + e, n - 1) / std::pow(1.0 + d, n);
}

double PresentWorthFactor(const YearlySeries& series) {
    const double d = series.discount, e = series.escalation;
    if (d == e) return series.years / (1.0 + e);
    return (1.0 - std::pow((1.0 + e) / (1.0 + d), series.years)) / (d - e);
}

double PresentWorthSeries(double amount, int n, double e, double d) {
    return amount * PresentWorthFactor({.years = n, .escalation = e, .discount = d});
}

// A loan over no years is paid back at once.
double AnnualPayment(double loan, int n, double i) {
    if (loan == 0.0) return 0.0;
    return n > 0 ? loan / PresentWorthFactor({.years = n, .escalation = 0.0, .discount = i}) : loan;
}

double LifeCycleCost(const LifeCycleTerms& t) {
    const double loanCost = t.loanYears > 0
                                ? PresentWorthSeries(AnnualPayment(t.loan, t.loanYears, t.loanRate),
                                                     t.loanYears, 0.0, t.discountRate)
                                : t.loan;
    const auto overLife = [&t](double amount, double escalation) {
        return PresentWorthSeries(amount, t.lifeYears, escalation, t.discountRate);
    };
    return (t.capital - t.loan) + overLife(t.energyCost, t.fuelInflationRate) + loanCost +
           overLife(t.maintenanceCost, t.inflationRate) -
           PresentWorthSingle(t.salvage, t.lifeYears, 0.0, t.discountRate);
}

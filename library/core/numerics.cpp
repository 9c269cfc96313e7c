#include "numerics.h"

#include <cmath>

int SolveTridiagonal(int n, const double* a, double* b, double* c, double* d) {
    constexpr double kTinyPivot = 1e-10;
    if (n < 1) return -1;
    if (std::fabs(b[0]) < kTinyPivot) return 1;
    d[0] /= b[0];
    for (int i = 1; i < n; ++i) {
        c[i - 1] /= b[i - 1];
        b[i] -= a[i] * c[i - 1];
        d[i] -= a[i] * d[i - 1];
        if (std::fabs(b[i]) < kTinyPivot) return i + 1;
        d[i] /= b[i];
    }
    for (int k = n - 2; k >= 0; --k) d[k] -= c[k] * d[k + 1];
    return 0;
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

double PresentWorthFactor(int n, double e, double d) {
    if (d == e) return n / (1.0 + e);
    return (1.0 - std::pow((1.0 + e) / (1.0 + d), n)) / (d - e);
}

// A loan over no years is paid back at once.
double AnnualPayment(double loan, int n, double i) {
    if (loan == 0.0) return 0.0;
    return n > 0 ? loan / PresentWorthFactor(n, 0.0, i) : loan;
}

double PresentWorthSeries(double amount, int n, double e, double d) {
    return amount * PresentWorthFactor(n, e, d);
}

double LifeCycleCost(double annualCost1, double annualCost2, double capital, double loan,
                     double salvage, int loanYears, int lifeYears, double loanRate,
                     double discountRate, double escalation2, double escalation1) {
    const double loanCost = loanYears > 0
                                ? PresentWorthSeries(AnnualPayment(loan, loanYears, loanRate),
                                                     loanYears, 0.0, discountRate)
                                : loan;
    return (capital - loan) +
           PresentWorthSeries(annualCost1, lifeYears, escalation1, discountRate) + loanCost +
           PresentWorthSeries(annualCost2, lifeYears, escalation2, discountRate) -
           PresentWorthSingle(salvage, lifeYears, 0.0, discountRate);
}

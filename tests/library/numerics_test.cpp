#include "numerics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// Gaussian elimination with partial pivoting on the full matrix, for comparison.
std::vector<double> DenseSolve(std::vector<std::vector<double>> m, std::vector<double> r) {
    const std::size_t n = r.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::fabs(m[i][k]) > std::fabs(m[p][k])) p = i;
        std::swap(m[k], m[p]);
        std::swap(r[k], r[p]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const double f = m[i][k] / m[k][k];
            for (std::size_t j = k; j < n; ++j) m[i][j] -= f * m[k][j];
            r[i] -= f * r[k];
        }
    }
    std::vector<double> x(n);
    for (std::size_t i = n; i-- > 0;) {
        double s = r[i];
        for (std::size_t j = i + 1; j < n; ++j) s -= m[i][j] * x[j];
        x[i] = s / m[i][i];
    }
    return x;
}

// Solves with copies of the diagonal and super-diagonal, which the solver overwrites.
int SolveTridiagonal(int n, const double* a, std::vector<double> b, std::vector<double> c,
                     double* d) {
    return ::SolveTridiagonal(n, a, b.data(), c.data(), d);
}

TEST(SolveTridiagonal, AgreesWithADenseSolve) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    for (int n : {1, 2, 3, 10, 40}) {
        std::vector<double> a(n), b(n), c(n), d(n);
        std::vector<std::vector<double>> m(n, std::vector<double>(n, 0.0));
        for (int i = 0; i < n; ++i) {
            a[i] = u(random);
            c[i] = u(random);
            b[i] = 3.0 + u(random);  // diagonally dominant
            d[i] = 10 * u(random);
            m[i][i] = b[i];
            if (i > 0) m[i][i - 1] = a[i];
            if (i + 1 < n) m[i][i + 1] = c[i];
        }
        const auto expected = DenseSolve(m, d);
        ASSERT_EQ(SolveTridiagonal(n, a.data(), b, c, d.data()), 0);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(d[i], expected[i], 1e-12) << n << " " << i;
    }
}

TEST(SolveTridiagonal, SizesAndZeroPivots) {
    const double a[2] = {0, 1};
    double d[2] = {2, 5};
    EXPECT_EQ(SolveTridiagonal(0, a, {4, 1}, {0, 0}, d), -1);
    EXPECT_EQ(SolveTridiagonal(1, a, {4, 1}, {0, 0}, d), 0);
    EXPECT_DOUBLE_EQ(d[0], 0.5);

    double d0[1] = {3};
    EXPECT_EQ(SolveTridiagonal(1, a, {0}, {0}, d0), 1);
    EXPECT_EQ(d0[0], 3.0);  // untouched

    // Second reduced pivot vanishes: 1 - 1 x 1 = 0.
    double d2[2] = {1, 1};
    EXPECT_EQ(SolveTridiagonal(2, a, {1, 1}, {1, 0}, d2), 2);
}

TEST(InterpolateTable, InsideAtAndBeyondBothEnds) {
    const double x[] = {0, 10, 20, 40};
    const double y[] = {1, 0.9, 0.7, 0.1};
    EXPECT_DOUBLE_EQ(InterpolateTable(4, x, y, 10), 0.9);
    EXPECT_DOUBLE_EQ(InterpolateTable(4, x, y, 0), 1.0);
    EXPECT_DOUBLE_EQ(InterpolateTable(4, x, y, 40), 0.1);
    EXPECT_NEAR(InterpolateTable(4, x, y, 15), 0.8, 1e-15);
    EXPECT_NEAR(InterpolateTable(4, x, y, 30), 0.4, 1e-15);
    EXPECT_NEAR(InterpolateTable(4, x, y, -10), 1.1, 1e-15);  // along the first segment
    EXPECT_NEAR(InterpolateTable(4, x, y, 50), -0.2, 1e-15);  // along the last segment
    const double one[] = {5};
    const double oneY[] = {0.3};
    EXPECT_EQ(InterpolateTable(1, one, oneY, -100), 0.3);
    EXPECT_EQ(InterpolateTable(1, one, oneY, 100), 0.3);
}

TEST(PresentWorth, WorkedValues) {
    EXPECT_NEAR(PresentWorthFactor({.years = 10, .escalation = 0.03, .discount = 0.03}), 10 / 1.03,
                1e-12);
    EXPECT_DOUBLE_EQ(PresentWorthFactor({.years = 7}), 7.0);
    // Uniform series at 5 % over 10 years: 7.721734929...
    EXPECT_NEAR(PresentWorthFactor({.years = 10, .discount = 0.05}), 7.721734929184818, 1e-12);
    // Escalation and discount are not interchangeable.
    EXPECT_NEAR(PresentWorthFactor({.years = 2, .escalation = 0.1, .discount = 0}), 2.1, 1e-12);
    EXPECT_NEAR(PresentWorthSingle(1000, 1, 0.04, 0.08), 1000 / 1.08, 1e-9);
    EXPECT_NEAR(PresentWorthSingle(1000, 3, 0.04, 0.08), 1000 * 1.04 * 1.04 / std::pow(1.08, 3),
                1e-9);
    EXPECT_NEAR(PresentWorthSeries(100, 10, 0, 0.05), 772.1734929184818, 1e-9);
    EXPECT_NEAR(PresentWorthSeries(100, 10, 0.03, 0.03), 1000 / 1.03, 1e-9);
    // A 10 000 loan over 10 years at 6 %: 1358.68 a year.
    EXPECT_NEAR(AnnualPayment(10000, 10, 0.06), 1358.6795822038, 1e-6);
}

TEST(PresentWorth, LifeCycleCost) {
    // No loan: capital + discounted costs - discounted salvage.
    LifeCycleTerms terms{.energyCost = 100,
                         .maintenanceCost = 50,
                         .capital = 5000,
                         .salvage = 500,
                         .lifeYears = 10,
                         .loanRate = 0.05,
                         .discountRate = 0.05,
                         .inflationRate = 0.02,
                         .fuelInflationRate = 0.03};
    const double noLoan = LifeCycleCost(terms);
    const double expected =
        5000 + 100 * PresentWorthFactor({.years = 10, .escalation = 0.03, .discount = 0.05}) +
        50 * PresentWorthFactor({.years = 10, .escalation = 0.02, .discount = 0.05}) -
        500 / std::pow(1.05, 10);
    EXPECT_NEAR(noLoan, expected, 1e-9);
    // A loan at the discount rate costs its amount in present worth.
    terms.loan = 3000;
    terms.loanYears = 5;
    EXPECT_NEAR(LifeCycleCost(terms), noLoan, 1e-9);
    // A loan over no years is paid at once, not infinite.
    terms.loanYears = 0;
    EXPECT_NEAR(LifeCycleCost(terms), noLoan, 1e-9);
    EXPECT_EQ(AnnualPayment(0, 0, 0.05), 0.0);
}

// A kept result is reused only for the same arguments bit for bit: -0 is not 0 (1/x tells them
// apart), a NaN argument never matches a number, a failed evaluation is not kept.
TEST(LastResult, ReusesOnlyForIdenticalArguments) {
    LastResult<2> last;
    int evaluations = 0;
    auto inverseSum = [&](const LastResult<2>::Arguments& x) {
        ++evaluations;
        return 1.0 / (x[0] + x[1]);
    };
    EXPECT_EQ(last({2.0, 0.0}, inverseSum), 0.5);
    EXPECT_EQ(last({2.0, 0.0}, inverseSum), 0.5);
    EXPECT_EQ(evaluations, 1);
    EXPECT_EQ(last({0.0, 0.0}, inverseSum), HUGE_VAL);
    EXPECT_EQ(last({-0.0, -0.0}, inverseSum), -HUGE_VAL);
    EXPECT_EQ(last({2.0, 1.0}, inverseSum), 1.0 / 3.0);
    EXPECT_EQ(evaluations, 4);
    EXPECT_TRUE(std::isnan(last({NAN, 1.0}, inverseSum)));
    EXPECT_EQ(last({2.0, 1.0}, inverseSum), 1.0 / 3.0);
    EXPECT_EQ(evaluations, 6);

    LastResult<1> failing;
    EXPECT_FALSE(failing.Holds({1.0}));
    failing.Keep({1.0}, 7.0);
    EXPECT_TRUE(failing.Holds({1.0}));
    EXPECT_FALSE(failing.Holds({std::nextafter(1.0, 2.0)}));
    EXPECT_EQ(failing.Result(), 7.0);
}

}  // namespace

#include "economics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// 4 collectors at $500, $300 of other hardware, $700 of installation, $1000 down; a 10-year loan
// at 6 % over a 10-year life, discounted at 6 %; energy prices escalate at 6 %, maintenance not.
EconomicInputs TenYearSystem() {
    EconomicInputs in;
    in.collectorCount = 4;
    in.costPerCollector = 500;
    in.otherHardwareCost = 300;
    in.installationCost = 700;
    in.downPayment = 1000;
    in.loanYears = 10;
    in.interestRate = 0.06;
    in.systemLife = 10;
    in.maintenanceCost = 50;
    in.resaleValue = 1000;
    in.discountRate = 0.06;
    in.inflationRate = 0;
    in.fuelInflationRate = 0.06;
    in.fuelCost = 10;           // $/GJ
    in.electricityCost = 0.20;  // $/kWh
    return in;
}

YearlyEnergies TenYearEnergies() {
    YearlyEnergies energies;
    energies.fuel = 100;           // GJ: $1000 a year
    energies.electricity = 500;    // kWh: $100 a year
    energies.delivered = 200;      // GJ
    energies.displacedFuel = 150;  // GJ: worth $1500 a year
    return energies;
}

}  // namespace

TEST(Economics, HandCalculatedSystem) {
    const EconomicResults r = ComputeEconomics(TenYearSystem(), TenYearEnergies());
    // Hand values: the annuity factor of 10 years at 6 %, (1 - 1.06^-10) / 0.06, and the present
    // worth of the $1000 resale, 1000 / 1.06^10.
    const double annuity = 7.360087051414706;
    const double resale = 558.3947769151179;
    EXPECT_DOUBLE_EQ(r.collectorsCost, 2000);
    EXPECT_DOUBLE_EQ(r.initialCosts, 3000);
    EXPECT_DOUBLE_EQ(r.loanAmount, 2000);
    EXPECT_NEAR(r.loanPayment, 2000 / annuity, 1e-9);
    EXPECT_DOUBLE_EQ(r.fuelAnnualCost, 1000);
    EXPECT_DOUBLE_EQ(r.electricityAnnualCost, 100);
    EXPECT_DOUBLE_EQ(r.yearlyCosts, 1150);
    EXPECT_DOUBLE_EQ(r.valueOfEnergy, 1500);
    // The loan at the discount rate is worth the loan itself: the initial costs count in full.
    // Energy escalating at the discount rate is worth 10 / 1.06 of a year's cost.
    const double lifeCycle = 3000 + 1100 * 10 / 1.06 + 50 * annuity - resale;
    EXPECT_NEAR(r.lifeCycleCost, lifeCycle, 1e-8);
    EXPECT_NEAR(r.netPresentValue, 1500 * 10 / 1.06 - 3000 - 50 * annuity + resale, 1e-8);
    EXPECT_NEAR(r.simplePayback, 3000.0 / (1500 - 50), 1e-12);
    EXPECT_NEAR(r.unitCost, lifeCycle / 10 / 200, 1e-10);
}

TEST(Economics, NothingSavedOrDeliveredAndNoLoan) {
    EconomicInputs in = TenYearSystem();
    in.downPayment = 5000;  // above the initial costs: nothing borrowed
    YearlyEnergies energies;
    EconomicResults r = ComputeEconomics(in, energies);
    EXPECT_EQ(r.loanAmount, 0);
    EXPECT_EQ(r.loanPayment, 0);
    EXPECT_EQ(r.simplePayback, kNeverPaysBack);
    EXPECT_TRUE(std::isnan(r.unitCost));
    // A saving that only pays the maintenance never repays the system either.
    energies.displacedFuel = 5;  // $50 a year
    energies.delivered = 10;
    r = ComputeEconomics(in, energies);
    EXPECT_EQ(r.simplePayback, kNeverPaysBack);
    EXPECT_TRUE(std::isfinite(r.unitCost));
    in.systemLife = 0;
    EXPECT_TRUE(std::isnan(ComputeEconomics(in, energies).unitCost));
}

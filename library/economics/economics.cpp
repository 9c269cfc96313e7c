#include "economics.h"

#include <algorithm>
#include <cmath>

#include "numerics.h"

EconomicResults ComputeEconomics(const EconomicInputs& in, const YearlyEnergies& energies) {
    EconomicResults out{};
    out.collectorsCost = in.collectorCount * in.costPerCollector;
    out.initialCosts = in.otherHardwareCost + out.collectorsCost + in.installationCost;
    out.loanAmount = out.initialCosts - std::min(in.downPayment, out.initialCosts);
    out.loanPayment = AnnualPayment(out.loanAmount, in.loanYears, in.interestRate);

    out.fuelAnnualCost = energies.fuel * in.fuelCost;
    out.electricityAnnualCost = energies.electricity * in.electricityCost;
    out.yearlyCosts = out.fuelAnnualCost + in.maintenanceCost + out.electricityAnnualCost;
    out.valueOfEnergy =
        energies.displacedElectricity * in.electricityCost + energies.displacedFuel * in.fuelCost;

    // Energy escalates with the fuel inflation rate, maintenance with the general one.
    LifeCycleTerms terms{.energyCost = out.fuelAnnualCost + out.electricityAnnualCost,
                         .maintenanceCost = in.maintenanceCost,
                         .capital = out.initialCosts,
                         .loan = out.loanAmount,
                         .salvage = in.resaleValue,
                         .loanYears = in.loanYears,
                         .lifeYears = in.systemLife,
                         .loanRate = in.interestRate,
                         .discountRate = in.discountRate,
                         .inflationRate = in.inflationRate,
                         .fuelInflationRate = in.fuelInflationRate};
    out.lifeCycleCost = LifeCycleCost(terms);
    // The savings escalate like the energy prices they are made of.
    terms.energyCost = 0;
    out.netPresentValue = PresentWorthSeries(out.valueOfEnergy, in.systemLife, in.fuelInflationRate,
                                             in.discountRate) -
                          LifeCycleCost(terms);

    const double yearlySaving = out.valueOfEnergy - in.maintenanceCost;
    const double payback = yearlySaving > 0 ? out.initialCosts / yearlySaving : 0.0;
    out.simplePayback = payback > 0 && std::isfinite(payback) ? payback : kNeverPaysBack;

    out.unitCost = energies.delivered > 0 && in.systemLife > 0
                       ? out.lifeCycleCost / in.systemLife / energies.delivered
                       : std::nan("");
    return out;
}

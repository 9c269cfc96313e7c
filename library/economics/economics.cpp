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
    const auto lifeCycleCost = [&in, &out](double energyCost) {
        return LifeCycleCost(energyCost, in.maintenanceCost, out.initialCosts, out.loanAmount,
                             in.resaleValue, in.loanYears, in.systemLife, in.interestRate,
                             in.discountRate, in.inflationRate, in.fuelInflationRate);
    };
    out.lifeCycleCost = lifeCycleCost(out.fuelAnnualCost + out.electricityAnnualCost);
    // The savings escalate like the energy prices they are made of.
    out.netPresentValue = PresentWorthSeries(out.valueOfEnergy, in.systemLife, in.fuelInflationRate,
                                             in.discountRate) -
                          lifeCycleCost(0.0);

    const double yearlySaving = out.valueOfEnergy - in.maintenanceCost;
    const double payback = yearlySaving > 0 ? out.initialCosts / yearlySaving : 0.0;
    out.simplePayback = payback > 0 && std::isfinite(payback) ? payback : kNeverPaysBack;

    out.unitCost = energies.delivered > 0 && in.systemLife > 0
                       ? out.lifeCycleCost / in.systemLife / energies.delivered
                       : std::nan("");
    return out;
}

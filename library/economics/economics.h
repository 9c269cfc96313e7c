// The economics of a pool heating system over its life: what it costs to buy, finance, run and
// maintain, set against the heat it delivers and the energy its solar heat saves. One home for
// both programs: the simulation's text report and the front end's economics of a run.
// Money in dollars; rates are fractions per year (0.05 for 5 %); counts of years are ints.
#pragma once

// What the system costs and how it is paid for.
struct EconomicInputs {
    double collectorCount = 0;     // collectors of the array
    double costPerCollector = 0;   // $
    double otherHardwareCost = 0;  // $
    double installationCost = 0;   // $
    double downPayment = 0;        // $ paid at once; the rest of the initial costs is borrowed
    int loanYears = 0;
    double interestRate = 0;     // of the loan
    int systemLife = 0;          // years
    double maintenanceCost = 0;  // $/year in today's money; escalates with the inflation rate
    double resaleValue = 0;      // $ at the end of the system's life
    double discountRate = 0;
    double inflationRate = 0;
    double fuelInflationRate = 0;  // escalation of the fuel and electricity prices
    double fuelCost = 0;           // $/GJ of primary energy (gas or oil)
    double electricityCost = 0;    // $/kWh
};

// The system's energies over one year, from a simulated run.
struct YearlyEnergies {
    double fuel = 0;                  // GJ of primary energy burnt by the heater
    double electricity = 0;           // kWh used by the pumps and the heat pump
    double delivered = 0;             // GJ of heat delivered to the pool
    double displacedFuel = 0;         // GJ of fuel the solar heat replaces
    double displacedElectricity = 0;  // kWh of electricity the solar heat replaces
};

// Simple payback of a system whose savings never repay its initial costs.
inline constexpr double kNeverPaysBack = 9999;

// Every value derived from the inputs and a year's energies.
struct EconomicResults {
    double collectorsCost;         // $: collector count x cost per collector
    double initialCosts;           // $: other hardware, collectors and installation
    double loanAmount;             // $: initial costs less the down payment, never below 0
    double loanPayment;            // $/year over the loan years
    double fuelAnnualCost;         // $/year
    double electricityAnnualCost;  // $/year
    double yearlyCosts;            // $/year: fuel, maintenance and electricity
    double valueOfEnergy;          // $/year: what the displaced fuel and electricity would cost
    // Present worth over the system's life of the initial costs, the loan payments, the energy
    // and maintenance costs, less the resale value.
    double lifeCycleCost;
    // Present worth of the savings (the value of energy) less that of the initial costs, the
    // loan payments and maintenance, plus the resale value.
    double netPresentValue;
    // Years: initial costs / (value of energy - maintenance), or kNeverPaysBack when that is not
    // a positive number of years.
    double simplePayback;
    // $/GJ: life-cycle cost per year of life and per GJ delivered in a year; NaN when nothing is
    // delivered or the life is not positive.
    double unitCost;
};

EconomicResults ComputeEconomics(const EconomicInputs& inputs, const YearlyEnergies& energies);

// The economic data of a project: system life, costs and rates (fractions per year).
#pragma once

#include <iosfwd>

class EconomicData {
  public:
    EconomicData() { SetDefaults(); }

    void SetDefaults();
    // All twelve values in the order of the fields below; returns 0.
    int SetData(int systemLife, double costPerCollector, double installationCost,
                double maintenanceCost, double resaleValue, double downPayment, double interestRate,
                double discountRate, double inflationRate, double fuelInflationRate,
                double primaryEnergyCost, double electricityCost);
    void GetData(int& systemLife, double& costPerCollector, double& installationCost,
                 double& maintenanceCost, double& resaleValue, double& downPayment,
                 double& interestRate, double& discountRate, double& inflationRate,
                 double& fuelInflationRate, double& primaryEnergyCost,
                 double& electricityCost) const;
    // Three lines: life and the four costs; down payment and the four rates; the two energy
    // prices. 0 when the stream is still good, else 1.
    int Write(std::ostream& out) const;
    int Read(std::istream& in);

    int systemLife;            // years
    double costPerCollector;   // $
    double installationCost;   // $
    double maintenanceCost;    // $/year
    double resaleValue;        // $
    double downPayment;        // $
    double interestRate;       // fraction per year
    double discountRate;       // fraction per year
    double inflationRate;      // fraction per year
    double fuelInflationRate;  // fraction per year
    double primaryEnergyCost;  // $/GJ (gas or oil)
    double electricityCost;    // $/kWh
};

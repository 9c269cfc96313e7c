#include "economic_data.h"

#include <istream>
#include <ostream>

#include "component.h"
#include "helpers.h"

void EconomicData::SetDefaults() {
    SetData(10, 200, 1000, 100, 0, 0, 0.1, 0.1, 0.05, 0.05, 1, 0.1);
}

int EconomicData::SetData(int life, double collectorCost, double installation, double maintenance,
                          double resale, double down, double interest, double discount,
                          double inflation, double fuelInflation, double primaryCost,
                          double electricity) {
    systemLife = life;
    costPerCollector = collectorCost;
    installationCost = installation;
    maintenanceCost = maintenance;
    resaleValue = resale;
    downPayment = down;
    interestRate = interest;
    discountRate = discount;
    inflationRate = inflation;
    fuelInflationRate = fuelInflation;
    primaryEnergyCost = primaryCost;
    electricityCost = electricity;
    return 0;
}

void EconomicData::GetData(int& life, double& collectorCost, double& installation,
                           double& maintenance, double& resale, double& down, double& interest,
                           double& discount, double& inflation, double& fuelInflation,
                           double& primaryCost, double& electricity) const {
    life = systemLife;
    collectorCost = costPerCollector;
    installation = installationCost;
    maintenance = maintenanceCost;
    resale = resaleValue;
    down = downPayment;
    interest = interestRate;
    discount = discountRate;
    inflation = inflationRate;
    fuelInflation = fuelInflationRate;
    primaryCost = primaryEnergyCost;
    electricity = electricityCost;
}

int EconomicData::Write(std::ostream& out) const {
    WriteParameterLine(out, systemLife, costPerCollector, installationCost, maintenanceCost,
                       resaleValue);
    WriteParameterLine(out, downPayment, interestRate, discountRate, inflationRate,
                       fuelInflationRate);
    return WriteParameterLine(out, primaryEnergyCost, electricityCost);
}

int EconomicData::Read(std::istream& in) {
    in >> systemLife >> costPerCollector >> installationCost >> maintenanceCost >> resaleValue >>
        SkipLine;
    in >> downPayment >> interestRate >> discountRate >> inflationRate >> fuelInflationRate >>
        SkipLine;
    in >> primaryEnergyCost >> electricityCost >> SkipLine;
    return in.fail() ? 1 : 0;
}

#include "collector_dialogs.h"

#include "helpers.h"
#include "simulator_strings.h"
#include "string_table.h"
#include "text_output.h"

// ---------------------------------------------------------------------------------------------
// Collector test

std::vector<DialogField> CCollectorTestDlg::Fields() {
    return {
        ComboTextField(kCollectorType, &collectorType, kMaxTypeLength),
        DoubleField(kA, &a, 0, 1),
        DoubleField(kArea, &area, 1e-6, 1e10),
        DoubleField(kB, &b),
        DoubleField(kC, &c),
        DoubleField(kD, &d),
        DoubleField(kE, &e),
        DoubleField(kTestFlow, &testFlow, 1e-6, 1e10),
        RadioField(kModifiersNone, &modifierMode),
    };
}

std::vector<ControlState> CCollectorTestDlg::ControlStates() const {
    return {{kModifierTable, modifierMode == kModifierProfile}};
}

bool CCollectorTestDlg::IsGlazed() const {
    return collectorType == LoadResString(kStrGlazed);
}

bool CCollectorTestDlg::IsUnglazed() const {
    return collectorType == LoadResString(kStrUnglazed);
}

std::vector<ControlText> CCollectorTestDlg::ControlTexts() const {
    if (IsGlazed())
        return {{kEquation, LoadResString(kStrGlazedEquation)},
                {kBUnit, LoadResString(kStrUnitPerC)},
                {kCUnit, LoadResString(kStrUnitWm2C)},
                {kDUnit, LoadResString(kStrUnitWm2C2)},
                {kEUnit, LoadResString(kStrUnitWm2)}};
    if (IsUnglazed())
        return {{kEquation, LoadResString(kStrUnglazedEquation)},
                {kBUnit, LoadResString(kStrUnitSmC)},
                {kCUnit, LoadResString(kStrUnitWm2C)},
                {kDUnit, LoadResString(kStrUnitJm3C)},
                {kEUnit, LoadResString(kStrUnitWm2)}};
    return {};
}

CProfileDoubleEdit CCollectorTestDlg::ModifierEditor() const {
    CProfileDoubleEdit editor;
    const std::string xLabel =
        LoadResString(kStrIncidenceAngle) + " [" + LoadResString(kStrUnitDegree) + "]";
    const std::string yLabel = LoadResString(kStrIncidenceAngleModifier) + " [" + "]";
    editor.SetUp(xLabel, yLabel, angles.data(), modifiers.data(), 1, 0, 0, 90, 0, 0);
    editor.requireIncreasingX = 1;
    return editor;
}

void CCollectorTestDlg::AcceptModifiers(const CProfileDoubleEdit& editor) {
    angles = editor.x;
    modifiers = editor.y;
}

void CCollectorTestDlg::SetDefaultModifiers() {
    for (int i = 0; i < kPoints; ++i) {
        angles[i] = 10.0 * i;
        modifiers[i] = 1;
    }
}

ExchangeStatus CCollectorTestDlg::OnOK() {
    if (modifierMode == kNoModifiers) return {};
    CProfileDoubleEdit editor = ModifierEditor();
    ExchangeStatus status = editor.OnOK();
    if (!status) status.controlId = kModifierTable;
    return status;
}

void CCollectorTestDlg::PrintSummary(std::ostream& out, int language) const {
    const bool fr = language == kFrench;
    if (fr) {
        Print(out, "PARAMÈTRES DE TEST DES CAPTEURS\n");
        Print(out, "Type de capteur: %s\n", collectorType.c_str());
        Print(out, "Aire d'un seul capteur: %g m2\n", area);
        Print(out, "Débit de test: %g kg/s\n", testFlow);
        Print(out, "Paramètres de test:\n");
    } else {
        Print(out, "COLLECTOR TEST DATA\n");
        Print(out, "Collector Type: %s\n", collectorType.c_str());
        Print(out, "Collector Area: %g m2\n", area);
        Print(out, "Test Flow Rate: %g kg/s\n", testFlow);
        Print(out, "Test Parameters:\n");
    }
    Print(out, "  A = %g\n", a);
    if (IsGlazed()) {
        Print(out, "  B = %g 1/C\n", b);
        Print(out, "  C = %g W/m2/C\n", c);
        Print(out, "  D = %g W/m2/C2\n", d);
    } else {
        Print(out, "  B = %g s/m/C\n", b);
        Print(out, "  C = %g W/m2/C\n", c);
        Print(out, "  D = %g J/m3/C\n", d);
    }
    Print(out, "  E = %g W/m2\n", e);
    const bool profile = modifierMode != kNoModifiers;
    if (fr)
        Print(out, "Coefficients correcteurs de l'angle d'incidence: %s",
              profile ? "Profil\n" : "Aucun\n");
    else
        Print(out, "Incidence Angle Modifiers: %s", profile ? "Profile\n" : "None\n");
    ModifierEditor().PrintSummary(out, language);
    Print(out, "\n");
}

// ---------------------------------------------------------------------------------------------
// Collector use

std::vector<DialogField> CCollectorUseDlg::Fields() {
    return {
        DoubleField(kAzimuth, &azimuth, -180, 180),
        DoubleField(kDeltaTOff, &deltaTOff),
        DoubleField(kDeltaTOn, &deltaTOn),
        DoubleField(kPumpFlow, &pumpFlow, 0, 1e10),
        DoubleField(kPumpFraction, &pumpFraction, 0, 1),
        DoubleField(kPumpPower, &pumpPower, 0, 1e10),
        DoubleField(kSlope, &slope, 0, 180),
        DoubleField(kTMaxPool, &tMaxPool),
        IntField(kInSeries, &inSeries, 1, 1000),
        DoubleField(kGroupsInParallel, &groupsInParallel, 1, 1000),
        IntFieldRealRange(kBanks, &banks, 1, 1000),
        DoubleField(kWindCorrection, &windCorrection, 0, 1000),
        DoubleField(kWindThreshold, &windThreshold),
        ComboIndexField(kRoofType, &roofType),
    };
}

std::vector<ControlState> CCollectorUseDlg::ControlStates() const {
    const bool enabled = unglazed != 0;
    return {{kWindCorrection, enabled}, {kWindThreshold, enabled}, {kRoofType, enabled}};
}

void CCollectorUseDlg::PrintSummary(std::ostream& out, int language) const {
    static const char* const kRoofs[2][3] = {
        {"Insulation", "Asphalt roof, insulated", "Asphalt roof, not insulated"},
        {"Isolation", "Toit en asphalte, isolé", "Toit en asphalte, non isolé"}};
    const bool fr = language == kFrench;
    const char* roof = roofType >= 0 && roofType <= 2 ? kRoofs[fr][roofType] : "";
    if (fr) {
        Print(out, "PARAMÈTRES D'UTILISATION DES CAPTEURS\n");
        Print(out, "Nombre de capteurs en série: %d\n", inSeries);
        Print(out, "Nombre de groupes en série mis en parallèle dans une batterie: %lg\n",
              groupsInParallel);
        Print(out, "Nombre de batteries de capteurs: %d\n", banks);
        Print(out, "Orientation des capteurs\n");
        Print(out, "  Inclinaison: %g degrés\n", slope);
        Print(out, "  Azimut: %g degrés\n", azimuth);
        Print(out, "Régulateur thermique\n");
        Print(out, "  Delta T pour mise en marche: %g C\n", deltaTOn);
        Print(out, "  Delta T pour arrêt: %g C\n", deltaTOff);
        Print(out, "  Tmax piscine: %g C\n", tMaxPool);
        Print(out, "Pompe\n");
        Print(out, "  Débit de la pompe: %g kg/s\n", pumpFlow);
        Print(out, "  Puissance de la pompe: %g W\n", pumpPower);
        Print(out, "  Fraction de la puissance de la pompe transférée au fluide: %g\n",
              pumpFraction);
        if (unglazed) {
            Print(out, "Facteur de correction du vent: %g\n", windCorrection);
            Print(out, "Seuil éolien: %g\n", windThreshold);
            Print(out, "Les capteurs reposent sur: %s\n", roof);
        }
    } else {
        Print(out, "COLLECTOR USE DATA\n");
        Print(out, "Number of Collectors in Series: %d\n", inSeries);
        Print(out, "Number of Series Groups in Parallel in a Bank: %lg\n", groupsInParallel);
        Print(out, "Number of Banks of Collectors: %d\n", banks);
        Print(out, "Collector Orientation\n");
        Print(out, "  Slope: %g degree\n", slope);
        Print(out, "  Azimuth: %g degree\n", azimuth);
        Print(out, "Controller\n");
        Print(out, "  Delta T On : %g C\n", deltaTOn);
        Print(out, "  Delta T Off: %g C\n", deltaTOff);
        Print(out, "  Tmax Pool  : %g C\n", tMaxPool);
        Print(out, "Pump\n");
        Print(out, "  Pump Flow Rate: %g kg/s\n", pumpFlow);
        Print(out, "  Pump Power: %g W\n", pumpPower);
        Print(out, "  Fraction of Pump Power Transferred to Fluid: %g\n", pumpFraction);
        if (unglazed) {
            Print(out, "Wind Speed Correction Factor: %g\n", windCorrection);
            Print(out, "Wind Speed Threshold: %g\n", windThreshold);
            Print(out, "Collector sits on: %s\n", roof);
        }
    }
    Print(out, "\n");
}

// ---------------------------------------------------------------------------------------------
// Pipes

std::vector<DialogField> CPipesDlg::Fields() {
    return {
        DoubleField(kInletInside, &inletInside, 0, 1e10),
        DoubleField(kInletOutside, &inletOutside, 0, 1e10),
        DoubleField(kOutletInside, &outletInside, 0, 1e10),
        DoubleField(kOutletOutside, &outletOutside, 0, 1e10),
        DoubleField(kLossInside, &lossInside, 0, 1e10),
        DoubleField(kLossOutside, &lossOutside, 0, 1e10),
        DoubleField(kSurroundTemp, &surroundTemp, -50, 50),
    };
}

void CPipesDlg::PrintSummary(std::ostream& out, int language) const {
    if (language == kFrench) {
        Print(out, "PARAMÈTRES DES CANALISATIONS\n");
        Print(out, "Longueurs\n");
        Print(out, "  Longueur de la canalisation d'entrée  - à l'intérieur: %g m\n", inletInside);
        Print(out, "                                        - à l'extérieur: %g m\n", inletOutside);
        Print(out, "  Longueur de la canalisation de sortie - à l'intérieur: %g m\n", outletInside);
        Print(out, "                                        - à l'extérieur: %g m\n",
              outletOutside);
        Print(out, "Isolation (par unité de longueur de canalisation)\n");
        Print(out, "  Taux de perte de chaleur à l'intérieur: %g W/m/C\n", lossInside);
        Print(out, "  Taux de perte de chaleur à l'extérieur: %g W/m/C\n", lossOutside);
        Print(out, "Température\n");
        Print(out, "  Température moyenne à l'intérieur ou dans le sol: %g C\n", surroundTemp);
    } else {
        Print(out, "PIPES DATA\n");
        Print(out, "Lengths\n");
        Print(out, "  Inlet  Pipe Length - Inside : %g m\n", inletInside);
        Print(out, "                     - Outside: %g m\n", inletOutside);
        Print(out, "  Outlet Pipe Length - Inside : %g m\n", outletInside);
        Print(out, "                     - Outside: %g m\n", outletOutside);
        Print(out, "Insulation (per unit pipe length)\n");
        Print(out, "  Heat Loss Coefficient Inside : %g W/m/C\n", lossInside);
        Print(out, "  Heat Loss Coefficient Outside: %g W/m/C\n", lossOutside);
        Print(out, "Temperature\n");
        Print(out, "  Average Indoor/Soil Temperature: %g C\n", surroundTemp);
    }
    Print(out, "\n");
}

// ---------------------------------------------------------------------------------------------
// Heat exchanger

std::vector<DialogField> CHeatExchangerDlg::Fields() {
    return {
        DoubleField(kPumpFlow, &pumpFlow, 0, 1e10),
        DoubleField(kPumpFraction, &pumpFraction, 0, 1),
        DoubleField(kPumpPower, &pumpPower, 0, 1e10),
        DoubleField(kEffectiveness, &effectiveness, 0, 1),
        DoubleField(kFluidCp, &fluidCp, 0.001, 1e10),
    };
}

std::vector<ControlText> CHeatExchangerDlg::ControlTexts() const {
    return {{kFlowUnit, LoadResString(kStrUnitKgPerS)},
            {kCpUnit, LoadResString(kStrUnitJkgC)},
            {kPowerUnit, LoadResString(kStrUnitWatt)}};
}

void CHeatExchangerDlg::PrintSummary(std::ostream& out, int language) const {
    if (language == kFrench) {
        Print(out, "PARAMÈTRES DE L'ÉCHANGEUR DE CHALEUR\n");
        Print(out, "Efficacité de l'échangeur de chaleur: %g\n", effectiveness);
        Print(out, "Capacité calorifique du fluide dans les capteurs: %g J/kg/C\n", fluidCp);
        Print(out, "Pompe côté piscine\n");
        Print(out, "  Débit de la pompe: %g kg/s\n", pumpFlow);
        Print(out, "  Puissance de la pompe: %g W\n", pumpPower);
        Print(out, "  Fraction de la puissance de la pompe transférée au fluide: %g\n",
              pumpFraction);
    } else {
        Print(out, "HEAT EXCHANGER DATA\n");
        Print(out, "Heat Exchanger Effectiveness: %g\n", effectiveness);
        Print(out, "Collector Fluid Heat Capacitance: %g J/kg/C\n", fluidCp);
        Print(out, "Pump on Pool Side\n");
        Print(out, "  Pump Flow Rate: %g kg/s\n", pumpFlow);
        Print(out, "  Pump Power: %g W\n", pumpPower);
        Print(out, "  Fraction of Pump Power Transferred to Fluid: %g\n", pumpFraction);
    }
    Print(out, "\n");
}

// ---------------------------------------------------------------------------------------------
// Economics

std::vector<DialogField> CEconomicsDlg::Fields() {
    return {
        DoubleField(kCostPerCollector, &costPerCollector, 0, 1e9),
        DoubleField(kDiscountRate, &discountRate, 0, 1000),
        DoubleField(kDownPayment, &downPayment, 0, 1e9),
        DoubleField(kElectricityCost, &electricityCost, 0, 1e9),
        DoubleField(kPrimaryEnergyCost, &primaryEnergyCost, 0, 1e9),
        DoubleField(kFuelInflationRate, &fuelInflationRate),
        DoubleField(kInflationRate, &inflationRate),
        DoubleField(kInstallationCost, &installationCost, 0, 1e9),
        IntField(kSystemLife, &systemLife, 1, 50),
        DoubleField(kMaintenanceCost, &maintenanceCost, 0, 1e9),
        DoubleField(kResaleValue, &resaleValue),
        DoubleField(kInterestRate, &interestRate, 0, 1000),
    };
}

void CEconomicsDlg::PrintSummary(std::ostream& out, int language) const {
    if (language == kFrench) {
        Print(out, "PARAMÈTRES ÉCONOMIQUES\n");
        Print(out, "Paramètres du système\n");
        Print(out, "  Durée de vie du système: %d années\n", systemLife);
        Print(out, "  Coût par capteur: %g $/capteur\n", costPerCollector);
        Print(out, "  Coûts d'installation: %g $\n", installationCost);
        Print(out, "  Coûts de maintenance: %g $/an\n", maintenanceCost);
        Print(out, "  Valeur de revente: %g $\n", resaleValue);
        Print(out, "Paramètres financiers\n");
        Print(out, "  Acompte: %g $\n", downPayment);
        Print(out, "  Taux d'intérêt: %g %%/an\n", interestRate);
        Print(out, "  Taux d'escompte: %g %%/an\n", discountRate);
        Print(out, "  Taux d'inflation: %g %%/an\n", inflationRate);
        Print(out, "  Taux d'inflation de l'énergie: %g %%/an\n", fuelInflationRate);
        Print(out, "Coûts énergétiques\n");
        Print(out, "  Coût de l'énergie primaire (gaz ou mazout): %g $/GJ\n", primaryEnergyCost);
        Print(out, "  Coût de l'électricité: %g $/kWh\n", electricityCost);
    } else {
        Print(out, "ECONOMIC DATA\n");
        Print(out, "System Parameters\n");
        Print(out, "  System Life: %d years\n", systemLife);
        Print(out, "  Cost per Collector: %g $/Collector\n", costPerCollector);
        Print(out, "  Installation Cost: %g $\n", installationCost);
        Print(out, "  Maintenance Cost: %g $/year\n", maintenanceCost);
        Print(out, "  Resale Value: %g $\n", resaleValue);
        Print(out, "Financial Parameters\n");
        Print(out, "  Down Payment: %g $\n", downPayment);
        Print(out, "  Interest Rate: %g %%/yr\n", interestRate);
        Print(out, "  Discount Rate: %g %%/yr\n", discountRate);
        Print(out, "  Inflation Rate: %g %%/yr\n", inflationRate);
        Print(out, "  Fuel Inflation Rate: %g %%/yr\n", fuelInflationRate);
        Print(out, "Energy Costs\n");
        Print(out, "  Primary Energy (gas or oil) Cost: %g $/GJ\n", primaryEnergyCost);
        Print(out, "  Electricity Cost: %g $/kWh\n", electricityCost);
    }
    Print(out, "\n");
}

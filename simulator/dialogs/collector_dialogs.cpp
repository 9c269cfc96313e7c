#include "collector_dialogs.h"

#include "helpers.h"
#include "input_ranges.h"
#include "simulator_strings.h"
#include "string_table.h"
#include "text_output.h"

namespace {

// The three lines of a pump, shared by the collector loop and the exchanger loop.
void PrintPump(std::ostream& out, Language language, double flow, double power, double fraction) {
    const bool fr = language == Language::French;
    Print(out, fr ? "  Débit de la pompe: %g kg/s\n" : "  Pump Flow Rate: %g kg/s\n", flow);
    Print(out, fr ? "  Puissance de la pompe: %g W\n" : "  Pump Power: %g W\n", power);
    Print(out,
          fr ? "  Fraction de la puissance de la pompe transférée au fluide: %g\n"
             : "  Fraction of Pump Power Transferred to Fluid: %g\n",
          fraction);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Collector test

std::vector<DialogField> CCollectorTestDlg::Fields() {
    return {
        ComboTextField(kCollectorType, &collectorType, kMaxTypeLength),
        DoubleField(kA, &a, kCollectorInterceptRange.min, kCollectorInterceptRange.max),
        DoubleField(kArea, &area, kPositiveQuantityRange.min, kPositiveQuantityRange.max),
        DoubleField(kB, &b),
        DoubleField(kC, &c),
        DoubleField(kD, &d),
        DoubleField(kE, &e),
        DoubleField(kTestFlow, &testFlow, kPositiveQuantityRange.min, kPositiveQuantityRange.max),
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

void CCollectorTestDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    Print(out, fr ? "PARAMÈTRES DE TEST DES CAPTEURS\n" : "COLLECTOR TEST DATA\n");
    Print(out, fr ? "Type de capteur: %s\n" : "Collector Type: %s\n", collectorType.c_str());
    Print(out, fr ? "Aire d'un seul capteur: %g m2\n" : "Collector Area: %g m2\n", area);
    Print(out, fr ? "Débit de test: %g kg/s\n" : "Test Flow Rate: %g kg/s\n", testFlow);
    Print(out, fr ? "Paramètres de test:\n" : "Test Parameters:\n");
    const bool glazed = IsGlazed();
    Print(out, "  A = %g\n", a);
    Print(out, glazed ? "  B = %g 1/C\n" : "  B = %g s/m/C\n", b);
    Print(out, "  C = %g W/m2/C\n", c);
    Print(out, glazed ? "  D = %g W/m2/C2\n" : "  D = %g J/m3/C\n", d);
    Print(out, "  E = %g W/m2\n", e);
    Print(out,
          fr ? "Coefficients correcteurs de l'angle d'incidence: " : "Incidence Angle Modifiers: ");
    if (modifierMode != kNoModifiers)
        Print(out, fr ? "Profil\n" : "Profile\n");
    else
        Print(out, fr ? "Aucun\n" : "None\n");
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
        DoubleField(kSlope, &slope, kSlopeRange.min, kSlopeRange.max),
        DoubleField(kTMaxPool, &tMaxPool),
        IntField(kInSeries, &inSeries, static_cast<int>(kCollectorCountRange.min),
                 static_cast<int>(kCollectorCountRange.max)),
        DoubleField(kGroupsInParallel, &groupsInParallel, kCollectorCountRange.min,
                    kCollectorCountRange.max),
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

void CCollectorUseDlg::PrintSummary(std::ostream& out, Language language) const {
    static const char* const kRoofs[2][3] = {
        {"Insulation", "Asphalt roof, insulated", "Asphalt roof, not insulated"},
        {"Isolation", "Toit en asphalte, isolé", "Toit en asphalte, non isolé"}};
    const bool fr = language == Language::French;
    const char* roof = roofType >= 0 && roofType <= 2 ? kRoofs[fr][roofType] : "";
    Print(out, fr ? "PARAMÈTRES D'UTILISATION DES CAPTEURS\n" : "COLLECTOR USE DATA\n");
    Print(out, fr ? "Nombre de capteurs en série: %d\n" : "Number of Collectors in Series: %d\n",
          inSeries);
    Print(out,
          fr ? "Nombre de groupes en série mis en parallèle dans une batterie: %lg\n"
             : "Number of Series Groups in Parallel in a Bank: %lg\n",
          groupsInParallel);
    Print(out, fr ? "Nombre de batteries de capteurs: %d\n" : "Number of Banks of Collectors: %d\n",
          banks);
    Print(out, fr ? "Orientation des capteurs\n" : "Collector Orientation\n");
    Print(out, fr ? "  Inclinaison: %g degrés\n" : "  Slope: %g degree\n", slope);
    Print(out, fr ? "  Azimut: %g degrés\n" : "  Azimuth: %g degree\n", azimuth);
    Print(out, fr ? "Régulateur thermique\n" : "Controller\n");
    Print(out, fr ? "  Delta T pour mise en marche: %g C\n" : "  Delta T On : %g C\n", deltaTOn);
    Print(out, fr ? "  Delta T pour arrêt: %g C\n" : "  Delta T Off: %g C\n", deltaTOff);
    Print(out, fr ? "  Tmax piscine: %g C\n" : "  Tmax Pool  : %g C\n", tMaxPool);
    Print(out, fr ? "Pompe\n" : "Pump\n");
    PrintPump(out, language, pumpFlow, pumpPower, pumpFraction);
    if (unglazed) {
        Print(out,
              fr ? "Facteur de correction du vent: %g\n" : "Wind Speed Correction Factor: %g\n",
              windCorrection);
        Print(out, fr ? "Seuil éolien: %g\n" : "Wind Speed Threshold: %g\n", windThreshold);
        Print(out, fr ? "Les capteurs reposent sur: %s\n" : "Collector sits on: %s\n", roof);
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

void CPipesDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    const auto printOutside = [&](double length) {
        Print(out,
              fr ? "                                        - à l'extérieur: %g m\n"
                 : "                     - Outside: %g m\n",
              length);
    };
    Print(out, fr ? "PARAMÈTRES DES CANALISATIONS\n" : "PIPES DATA\n");
    Print(out, fr ? "Longueurs\n" : "Lengths\n");
    Print(out,
          fr ? "  Longueur de la canalisation d'entrée  - à l'intérieur: %g m\n"
             : "  Inlet  Pipe Length - Inside : %g m\n",
          inletInside);
    printOutside(inletOutside);
    Print(out,
          fr ? "  Longueur de la canalisation de sortie - à l'intérieur: %g m\n"
             : "  Outlet Pipe Length - Inside : %g m\n",
          outletInside);
    printOutside(outletOutside);
    Print(out, fr ? "Isolation (par unité de longueur de canalisation)\n"
                  : "Insulation (per unit pipe length)\n");
    Print(out,
          fr ? "  Taux de perte de chaleur à l'intérieur: %g W/m/C\n"
             : "  Heat Loss Coefficient Inside : %g W/m/C\n",
          lossInside);
    Print(out,
          fr ? "  Taux de perte de chaleur à l'extérieur: %g W/m/C\n"
             : "  Heat Loss Coefficient Outside: %g W/m/C\n",
          lossOutside);
    Print(out, fr ? "Température\n" : "Temperature\n");
    Print(out,
          fr ? "  Température moyenne à l'intérieur ou dans le sol: %g C\n"
             : "  Average Indoor/Soil Temperature: %g C\n",
          surroundTemp);
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

void CHeatExchangerDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    Print(out, fr ? "PARAMÈTRES DE L'ÉCHANGEUR DE CHALEUR\n" : "HEAT EXCHANGER DATA\n");
    Print(out,
          fr ? "Efficacité de l'échangeur de chaleur: %g\n" : "Heat Exchanger Effectiveness: %g\n",
          effectiveness);
    Print(out,
          fr ? "Capacité calorifique du fluide dans les capteurs: %g J/kg/C\n"
             : "Collector Fluid Heat Capacitance: %g J/kg/C\n",
          fluidCp);
    Print(out, fr ? "Pompe côté piscine\n" : "Pump on Pool Side\n");
    PrintPump(out, language, pumpFlow, pumpPower, pumpFraction);
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

void CEconomicsDlg::PrintSummary(std::ostream& out, Language language) const {
    const bool fr = language == Language::French;
    Print(out, fr ? "PARAMÈTRES ÉCONOMIQUES\n" : "ECONOMIC DATA\n");
    Print(out, fr ? "Paramètres du système\n" : "System Parameters\n");
    Print(out, fr ? "  Durée de vie du système: %d années\n" : "  System Life: %d years\n",
          systemLife);
    Print(out, fr ? "  Coût par capteur: %g $/capteur\n" : "  Cost per Collector: %g $/Collector\n",
          costPerCollector);
    Print(out, fr ? "  Coûts d'installation: %g $\n" : "  Installation Cost: %g $\n",
          installationCost);
    Print(out, fr ? "  Coûts de maintenance: %g $/an\n" : "  Maintenance Cost: %g $/year\n",
          maintenanceCost);
    Print(out, fr ? "  Valeur de revente: %g $\n" : "  Resale Value: %g $\n", resaleValue);
    Print(out, fr ? "Paramètres financiers\n" : "Financial Parameters\n");
    Print(out, fr ? "  Acompte: %g $\n" : "  Down Payment: %g $\n", downPayment);
    Print(out, fr ? "  Taux d'intérêt: %g %%/an\n" : "  Interest Rate: %g %%/yr\n", interestRate);
    Print(out, fr ? "  Taux d'escompte: %g %%/an\n" : "  Discount Rate: %g %%/yr\n", discountRate);
    Print(out, fr ? "  Taux d'inflation: %g %%/an\n" : "  Inflation Rate: %g %%/yr\n",
          inflationRate);
    Print(out,
          fr ? "  Taux d'inflation de l'énergie: %g %%/an\n" : "  Fuel Inflation Rate: %g %%/yr\n",
          fuelInflationRate);
    Print(out, fr ? "Coûts énergétiques\n" : "Energy Costs\n");
    Print(out,
          fr ? "  Coût de l'énergie primaire (gaz ou mazout): %g $/GJ\n"
             : "  Primary Energy (gas or oil) Cost: %g $/GJ\n",
          primaryEnergyCost);
    Print(out, fr ? "  Coût de l'électricité: %g $/kWh\n" : "  Electricity Cost: %g $/kWh\n",
          electricityCost);
    Print(out, "\n");
}

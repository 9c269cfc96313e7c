// The collector test, collector use, piping, heat exchanger and economics dialogs: members,
// field tables, rules and summary printers.
#pragma once

#include <array>
#include <string>

#include "dialog_fields.h"
#include "profile_editors.h"

class CCollectorTestDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 104;
    static constexpr int kPoints = CProfileDoubleEdit::kPoints;
    // Longest type text the type combo gives.
    static constexpr int kMaxTypeLength = 16;
    enum Control : int {
        kCollectorType = 1000,
        kA = 1005,
        kArea = 1009,
        kB = 1006,
        kC = 1007,
        kD = 1008,
        kE = 1011,
        kTestFlow = 1010,
        kModifiersNone = 1001,
        kModifiersProfile = 1003,
        kModifierTable = 1004,
        kEquation = 1013,
        kBUnit = 1016,
        kCUnit = 1017,
        kDUnit = 1018,
        kEUnit = 1019,
    };
    enum ModifierMode : int { kNoModifiers = 0, kModifierProfile = 1 };

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    std::vector<ControlState> ControlStates() const override;
    // The equation and the units of B to E by the type text.
    std::vector<ControlText> ControlTexts() const override;
    // With the profile chosen, the angles must increase from each point to the next.
    ExchangeStatus OnOK() override;
    void PrintSummary(std::ostream& out, Language language) const override;
    void OnModifierModeClick(int mode) { modifierMode = mode; }

    // True when the type text is the glazed (unglazed) collector's.
    [[nodiscard]] bool IsGlazed() const;
    [[nodiscard]] bool IsUnglazed() const;

    // The editor of the modifier table: angles 0..90 degrees, increasing.
    CProfileDoubleEdit ModifierEditor() const;
    void AcceptModifiers(const CProfileDoubleEdit& editor);
    // The table shown for a collector that has none: 0, 10, ..., 90 degrees, modifiers 1.
    void SetDefaultModifiers();

    std::string collectorType;
    double a = 0;
    double area = 0;  // m2
    double b = 0;
    double c = 0;
    double d = 0;
    double e = 0;
    double testFlow = 0;  // kg/s
    int modifierMode = 0;
    std::array<double, kPoints> angles{};  // degrees
    std::array<double, kPoints> modifiers{};
};

class CCollectorUseDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 113;
    enum Control : int {
        kAzimuth = 1071,
        kDeltaTOff = 1062,
        kDeltaTOn = 1061,
        kPumpFlow = 1010,
        kPumpFraction = 1068,
        kPumpPower = 1067,
        kSlope = 1055,
        kTMaxPool = 1066,
        kInSeries = 1021,
        kGroupsInParallel = 1022,
        kBanks = 1269,
        kWindCorrection = 1045,
        kWindThreshold = 1255,
        kRoofType = 1254,
    };
    enum RoofType : int { kInsulation = 0, kAsphaltInsulated = 1, kAsphaltNotInsulated = 2 };

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    // Wind and roof fields for an unglazed collector only.
    std::vector<ControlState> ControlStates() const override;
    void PrintSummary(std::ostream& out, Language language) const override;
    void OnRoofTypeChange(int selection) { roofType = selection; }

    double azimuth = 0;  // degrees
    double deltaTOff = 0;
    double deltaTOn = 0;
    double pumpFlow = 0;  // kg/s
    double pumpFraction = 0;
    double pumpPower = 0;  // W
    double slope = 0;      // degrees
    double tMaxPool = 0;   // C
    int inSeries = 0;
    double groupsInParallel = 0;
    int banks = 0;
    double windCorrection = 0;
    double windThreshold = 0;  // m/s
    int roofType = 0;
    int unglazed = 0;
};

class CPipesDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 125;
    enum Control : int {
        kInletInside = 1137,
        kInletOutside = 1138,
        kOutletInside = 1139,
        kOutletOutside = 1140,
        kLossInside = 1141,
        kLossOutside = 1142,
        kSurroundTemp = 1143,
    };

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    void PrintSummary(std::ostream& out, Language language) const override;

    double inletInside = 0;  // m
    double inletOutside = 0;
    double outletInside = 0;
    double outletOutside = 0;
    double lossInside = 0;  // W/m/C
    double lossOutside = 0;
    double surroundTemp = 0;  // C
};

class CHeatExchangerDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 119;
    enum Control : int {
        kPumpFlow = 1010,
        kPumpFraction = 1068,
        kPumpPower = 1067,
        kEffectiveness = 1107,
        kFluidCp = 1154,
        kFlowUnit = 1015,
        kCpUnit = 1155,
        kPowerUnit = 1069,
    };

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    std::vector<ControlText> ControlTexts() const override;
    void PrintSummary(std::ostream& out, Language language) const override;

    double pumpFlow = 0;  // kg/s
    double pumpFraction = 0;
    double pumpPower = 0;  // W
    double effectiveness = 0;
    double fluidCp = 0;  // J/kg/C
};

class CEconomicsDlg : public InputDialog {
  public:
    static constexpr int kTemplate = 137;
    enum Control : int {
        kSystemLife = 1235,
        kCostPerCollector = 1236,
        kInstallationCost = 1237,
        kMaintenanceCost = 1238,
        kResaleValue = 1239,
        kDownPayment = 1240,
        kInterestRate = 1241,
        kDiscountRate = 1242,
        kInflationRate = 1243,
        kFuelInflationRate = 1244,
        kPrimaryEnergyCost = 1245,
        kElectricityCost = 1246,
    };

    int TemplateId() const override { return kTemplate; }
    std::vector<DialogField> Fields() override;
    void PrintSummary(std::ostream& out, Language language) const override;

    int systemLife = 0;  // years
    double costPerCollector = 0;
    double installationCost = 0;
    double maintenanceCost = 0;  // $/year
    double resaleValue = 0;
    double downPayment = 0;
    double interestRate = 0;  // %/year
    double discountRate = 0;
    double inflationRate = 0;
    double fuelInflationRate = 0;
    double primaryEnergyCost = 0;  // $/GJ
    double electricityCost = 0;    // $/kWh
};

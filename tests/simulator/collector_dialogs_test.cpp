#include "collector_dialogs.h"

#include <gtest/gtest.h>

#include "dialog_test_support.h"

using test::Contains;
using test::DialogTest;
using test::Lines;
using test::OkUnchanged;
using test::Summary;
using test::Texts;

namespace {

CCollectorTestDlg SampleTest(const char* type) {
    CCollectorTestDlg dialog;
    dialog.collectorType = type;
    dialog.a = 0.75;
    dialog.area = 5;
    dialog.b = 0;
    dialog.c = 5;
    dialog.d = 0;
    dialog.e = 0;
    dialog.testFlow = 0.02;
    dialog.SetDefaultModifiers();
    return dialog;
}

}  // namespace

class CollectorTest : public DialogTest {};

TEST_F(CollectorTest, UnitsFollowTheTypeText) {
    const std::vector<std::string> glazed = Lines(Summary(SampleTest("Glazed")));
    EXPECT_EQ(glazed[0], "COLLECTOR TEST DATA");
    EXPECT_EQ(glazed[1], "Collector Type: Glazed");
    EXPECT_EQ(glazed[2], "Collector Area: 5 m2");
    EXPECT_EQ(glazed[3], "Test Flow Rate: 0.02 kg/s");
    EXPECT_EQ(glazed[6], "  B = 0 1/C");
    EXPECT_EQ(glazed[8], "  D = 0 W/m2/C2");
    EXPECT_EQ(glazed[10], "Incidence Angle Modifiers: None");
    EXPECT_EQ(glazed[11], "  Incidence Angle [degree]");
    EXPECT_EQ(glazed[14], "  Incidence Angle Modifier []");
    const std::string other = Summary(SampleTest("Tubes"));
    EXPECT_TRUE(Contains(other, "  B = 0 s/m/C\n"));
    EXPECT_TRUE(Contains(other, "  D = 0 J/m3/C\n"));
    EXPECT_TRUE(SampleTest("Tubes").ControlTexts().empty()) << "labels are left as they are";
    const std::vector<ControlText> unglazed = SampleTest("Unglazed").ControlTexts();
    ASSERT_EQ(unglazed.size(), 5u);
    EXPECT_EQ(unglazed[0].text, "Qc = Area ((A-B.V) Akt H - (C+D.V) dT - E)");
    EXPECT_EQ(unglazed[3].text, "J/m3/C");
}

TEST_F(CollectorTest, ModifierTableMustIncreaseWhenUsed) {
    CCollectorTestDlg dialog = SampleTest("Glazed");
    dialog.angles[3] = dialog.angles[2];
    EXPECT_TRUE(OkUnchanged(dialog)) << "not used without modifiers";
    dialog.OnModifierModeClick(CCollectorTestDlg::kModifierProfile);
    EXPECT_TRUE(StateOf(dialog, CCollectorTestDlg::kModifierTable).enabled);
    ExchangeStatus status = OkUnchanged(dialog);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.controlId, CCollectorTestDlg::kModifierTable);

    CProfileDoubleEdit editor = dialog.ModifierEditor();
    EXPECT_FALSE(SaveDialog(editor, Texts({})));
    ASSERT_TRUE(SaveDialog(editor, Texts({{1047, "25"}})));
    dialog.AcceptModifiers(editor);
    EXPECT_EQ(dialog.angles[3], 25);
    EXPECT_TRUE(OkUnchanged(dialog));
}

TEST_F(CollectorTest, Ranges) {
    CCollectorTestDlg dialog = SampleTest("Glazed");
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CCollectorTestDlg::kArea, "0"}})));
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CCollectorTestDlg::kTestFlow, "0"}})));
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CCollectorTestDlg::kA, "1.01"}})));
    EXPECT_TRUE(SaveDialog(dialog, Texts({{CCollectorTestDlg::kB, "-7"}})));
}

namespace {

CCollectorUseDlg SampleUse(int unglazed) {
    CCollectorUseDlg dialog;
    dialog.azimuth = 0;
    dialog.deltaTOff = 2;
    dialog.deltaTOn = 5;
    dialog.pumpFlow = 0.02;
    dialog.pumpFraction = 0.5;
    dialog.pumpPower = 10;
    dialog.slope = 45;
    dialog.tMaxPool = 30;
    dialog.inSeries = 2;
    dialog.groupsInParallel = 1;
    dialog.banks = 1;
    dialog.windCorrection = 1;
    dialog.windThreshold = 0;
    dialog.roofType = CCollectorUseDlg::kAsphaltInsulated;
    dialog.unglazed = unglazed;
    return dialog;
}

}  // namespace

class CollectorUse : public DialogTest {};

TEST_F(CollectorUse, GlazedCollectorsPrintNoWindOrRoof) {
    const std::string glazed = Summary(SampleUse(0));
    EXPECT_EQ(glazed,
              "COLLECTOR USE DATA\n"
              "Number of Collectors in Series: 2\n"
              "Number of Series Groups in Parallel in a Bank: 1\n"
              "Number of Banks of Collectors: 1\n"
              "Collector Orientation\n"
              "  Slope: 45 degree\n"
              "  Azimuth: 0 degree\n"
              "Controller\n"
              "  Delta T On : 5 C\n"
              "  Delta T Off: 2 C\n"
              "  Tmax Pool  : 30 C\n"
              "Pump\n"
              "  Pump Flow Rate: 0.02 kg/s\n"
              "  Pump Power: 10 W\n"
              "  Fraction of Pump Power Transferred to Fluid: 0.5\n"
              "\n");
    const std::string unglazed = Summary(SampleUse(1));
    EXPECT_TRUE(Contains(unglazed,
                         "Wind Speed Correction Factor: 1\n"
                         "Wind Speed Threshold: 0\n"
                         "Collector sits on: Asphalt roof, insulated\n\n"));
    EXPECT_TRUE(Contains(Summary(SampleUse(1), Language::French),
                         "Les capteurs reposent sur: Toit en asphalte, isolé\n"));
}

TEST_F(CollectorUse, WindAndRoofOnlyForUnglazedCollectors) {
    CCollectorUseDlg dialog = SampleUse(0);
    EXPECT_FALSE(StateOf(dialog, CCollectorUseDlg::kRoofType).enabled);
    EXPECT_FALSE(StateOf(dialog, CCollectorUseDlg::kWindThreshold).enabled);
    dialog.unglazed = 1;
    EXPECT_TRUE(StateOf(dialog, CCollectorUseDlg::kWindCorrection).enabled);
    dialog.OnRoofTypeChange(2);
    EXPECT_EQ(dialog.roofType, 2);
}

TEST_F(CollectorUse, NoBankOfZeroCollectors) {
    CCollectorUseDlg dialog = SampleUse(0);
    ExchangeStatus status = SaveDialog(dialog, Texts({{CCollectorUseDlg::kBanks, "0"}}));
    EXPECT_EQ(status.controlId, CCollectorUseDlg::kBanks);
    EXPECT_EQ(status.message, "Please enter a number between 1 and 1000.");
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CCollectorUseDlg::kInSeries, "0"}})));
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CCollectorUseDlg::kSlope, "181"}})));
    EXPECT_TRUE(SaveDialog(dialog, Texts({{CCollectorUseDlg::kBanks, "1000"}})));
    EXPECT_EQ(dialog.banks, 1000);
}

class PipesAndExchanger : public DialogTest {};

TEST_F(PipesAndExchanger, Summaries) {
    CPipesDlg pipes;
    pipes.inletInside = 5;
    pipes.inletOutside = 10;
    pipes.outletInside = 5;
    pipes.outletOutside = 10;
    pipes.lossInside = 0.08;
    pipes.lossOutside = 0.08;
    pipes.surroundTemp = 10;
    const std::vector<std::string> lines = Lines(Summary(pipes));
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[2], "  Inlet  Pipe Length - Inside : 5 m");
    EXPECT_EQ(lines[3], "                     - Outside: 10 m");
    EXPECT_EQ(lines[10], "  Average Indoor/Soil Temperature: 10 C");
    EXPECT_FALSE(SaveDialog(pipes, Texts({{CPipesDlg::kSurroundTemp, "-51"}})));

    CHeatExchangerDlg exchanger;
    exchanger.effectiveness = 0.8;
    exchanger.fluidCp = 4200;
    exchanger.pumpFlow = 0.02;
    exchanger.pumpPower = 10;
    exchanger.pumpFraction = 0.5;
    EXPECT_EQ(Summary(exchanger),
              "HEAT EXCHANGER DATA\n"
              "Heat Exchanger Effectiveness: 0.8\n"
              "Collector Fluid Heat Capacitance: 4200 J/kg/C\n"
              "Pump on Pool Side\n"
              "  Pump Flow Rate: 0.02 kg/s\n"
              "  Pump Power: 10 W\n"
              "  Fraction of Pump Power Transferred to Fluid: 0.5\n"
              "\n");
    EXPECT_FALSE(SaveDialog(exchanger, Texts({{CHeatExchangerDlg::kFluidCp, "0"}})));
    EXPECT_EQ(exchanger.ControlTexts()[1].text, "J/kg/C");
}

TEST_F(PipesAndExchanger, EconomicsSummaryInBothLanguages) {
    CEconomicsDlg dialog;
    dialog.systemLife = 10;
    dialog.costPerCollector = 200;
    dialog.installationCost = 1000;
    dialog.maintenanceCost = 100;
    dialog.resaleValue = 0;
    dialog.downPayment = 0;
    dialog.interestRate = 10;
    dialog.discountRate = 10;
    dialog.inflationRate = 5;
    dialog.fuelInflationRate = 5;
    dialog.primaryEnergyCost = 1;
    dialog.electricityCost = 0.1;
    EXPECT_EQ(Summary(dialog),
              "ECONOMIC DATA\n"
              "System Parameters\n"
              "  System Life: 10 years\n"
              "  Cost per Collector: 200 $/Collector\n"
              "  Installation Cost: 1000 $\n"
              "  Maintenance Cost: 100 $/year\n"
              "  Resale Value: 0 $\n"
              "Financial Parameters\n"
              "  Down Payment: 0 $\n"
              "  Interest Rate: 10 %/yr\n"
              "  Discount Rate: 10 %/yr\n"
              "  Inflation Rate: 5 %/yr\n"
              "  Fuel Inflation Rate: 5 %/yr\n"
              "Energy Costs\n"
              "  Primary Energy (gas or oil) Cost: 1 $/GJ\n"
              "  Electricity Cost: 0.1 $/kWh\n"
              "\n");
    const std::vector<std::string> fr = Lines(Summary(dialog, Language::French));
    EXPECT_EQ(fr[2], "  Durée de vie du système: 10 années");
    EXPECT_EQ(fr[9], "  Taux d'intérêt: 10 %/an");
    EXPECT_EQ(SaveDialog(dialog, Texts({{CEconomicsDlg::kSystemLife, "0"}})).controlId,
              CEconomicsDlg::kSystemLife);
    EXPECT_FALSE(SaveDialog(dialog, Texts({{CEconomicsDlg::kSystemLife, "51"}})));
    EXPECT_TRUE(SaveDialog(dialog, Texts({{CEconomicsDlg::kInflationRate, "-3"}})));
}

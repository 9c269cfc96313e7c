// The economics of a run: by hand for the defaults, the invariants of the loan, what is stored,
// and the dialog's boxes read and checked.
#include "run_economics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "economic_entry.h"
#include "frontend_globals.h"
#include "run_fixture.h"

namespace {

class EconomicsTest : public test::RunTest {
  protected:
    // A run of 5 collectors and a gas heater of 80 % whose season used 10 GJ of fuel and 3.6e9 J
    // of electricity and delivered 20 GJ, with the default economics of a new run.
    int AddSimulatedRun(bool withResults = true) {
        CHeatersSet heater;
        heater.m_strFilter = "0";
        heater.Open();
        heater.AddNew();
        heater.m_Name = "Gas 80 %";
        heater.m_Capacity = 20000;
        heater.m_EfficiencyCOP = 80;
        heater.Update();
        const int heaterId = static_cast<int>(heater.GetLastAddedId());
        const int runId = AddRun([&](CRunsSet& run) {
            run.m_CollectorId = 2;
            run.m_NumberOfColl = 5;
            run.m_NumberOfBanks = 1;
            run.m_HeaterId = heaterId;
        });
        if (withResults) {
            CResultsSet season;
            season.m_strFilter = "0";
            season.Open();
            season.AddNew();
            season.m_RunId = runId;
            season.m_QPrimary = 10;
            season.m_QElec = 3.6e9;
            season.m_QAct = 20;
            season.Update();
        }
        g_nRunCreationMode = RunCreationMode::New;
        g_nCurrentRunId = runId;
        SQLite::Database connection = ConnectDatabase();
        CreateEconomics(-1, connection);
        return runId;
    }

    CEconomicsSet& Stored(int runId) {
        row.Close();
        EXPECT_TRUE(SelectById(row, kRunIdColumn, runId));
        return row;
    }

    CEconomicsSet row;
};

TEST_F(EconomicsTest, DefaultsComputedByHandAndStored) {
    const int runId = AddSimulatedRun();
    EXPECT_EQ(Stored(runId).m_LifeCycleCost, kEconomicsNotComputed);
    EXPECT_EQ(Stored(runId).m_InitialCosts, kEconomicsNotComputed);
    ASSERT_TRUE(ComputeRunEconomics(runId));
    const CEconomicsSet& e = Stored(runId);
    EXPECT_DOUBLE_EQ(e.m_CollTotalCost, 500);
    EXPECT_DOUBLE_EQ(e.m_InitialCosts, 1600);
    EXPECT_DOUBLE_EQ(e.m_EnergyAnnualCost, 60);       // 10 GJ at $6
    EXPECT_DOUBLE_EQ(e.m_ElectricityAnnualCost, 80);  // 1000 kWh at 8 cents
    EXPECT_DOUBLE_EQ(e.m_YearlyCosts, 190);
    EXPECT_DOUBLE_EQ(e.m_ValueOfEnergy, 150);  // 20 GJ / 0.8 at $6
    EXPECT_NEAR(e.m_LoanPayment, 369.56, 0.005);
    EXPECT_DOUBLE_EQ(e.m_SimplePayback, 16);
    EXPECT_TRUE(messages.shown.empty());
}

// With the interest rate equal to the discount rate the loan payments are worth the loan: the
// life-cycle cost does not depend on how much is borrowed.
TEST_F(EconomicsTest, DiscountedLoanPaymentsEqualTheLoanAtTheDiscountRate) {
    std::optional<EconomicDialogData> data = LoadEconomicData(AddSimulatedRun(), UnitSystem::SI);
    ASSERT_TRUE(data);
    data->InterestRate = data->DiscountRate = 7;
    data->Recalculate();
    const double borrowed = data->LifeCycleCost;
    EXPECT_GT(data->LoanAmount, 0);
    data->DownPayment = 5000;
    data->Recalculate();
    data->LowerDownPayment();
    EXPECT_EQ(data->DownPayment, 1600);
    EXPECT_EQ(data->LoanAmount, 0);
    EXPECT_NEAR(data->LifeCycleCost, borrowed, 1e-9);
}

// A loan over 0 years is paid at once; outside 0..50 years it is refused; a system that never
// pays back is stored as 9999; a run without results stores its inputs and 0.
TEST_F(EconomicsTest, EdgesOfTheLoanThePaybackAndMissingResults) {
    const int runId = AddSimulatedRun();
    std::optional<EconomicDialogData> data = LoadEconomicData(runId, UnitSystem::IP);
    ASSERT_TRUE(data);
    data->LoanDuration = 0;
    data->Recalculate();
    EXPECT_DOUBLE_EQ(data->LoanPayment, data->LoanAmount);
    EXPECT_TRUE(std::isfinite(data->LifeCycleCost));
    data->LoanDuration = 51;
    EXPECT_EQ(data->CheckInputs(), Problem{"The loan duration should be between 0 and 50 years."});
    data->LoanDuration = 5;
    data->InterestRate = 101;
    EXPECT_EQ(data->CheckInputs(), Problem{"Value should be between 0 and 100."});
    data->InterestRate = 5;
    data->MaintenanceCost = 1000;  // above the value of energy
    data->Recalculate();
    EXPECT_EQ(data->PaybackText(), "N/A");
    ASSERT_TRUE(SaveEconomics(*data));
    EXPECT_EQ(Stored(runId).m_SimplePayback, 9999);
    // Per GJ as stored, whatever the units shown.
    EXPECT_EQ(data->EnergyUnitCost, 6);
    EXPECT_EQ(Stored(runId).m_EnergyUnitCost, 6);

    const int bare = AddSimulatedRun(false);
    data = LoadEconomicData(bare, UnitSystem::SI);
    ASSERT_TRUE(data);
    EXPECT_FALSE(data->RecalculateEnabled());
    EXPECT_EQ(data->ComputedText(123), "-");
    ASSERT_TRUE(ComputeRunEconomics(bare));
    EXPECT_EQ(Stored(bare).m_SimplePayback, 0);
    EXPECT_EQ(Stored(bare).m_LoanPayment, 0);
    EXPECT_EQ(Stored(bare).m_CollUnitCost, 100);
}

TEST_F(EconomicsTest, ANewRunCopiesItsModelsInputsOrTakesTheDefaults) {
    const int model = AddSimulatedRun();
    std::optional<EconomicDialogData> data = LoadEconomicData(model, UnitSystem::SI);
    ASSERT_TRUE(data);
    data->HardwareCost = 777;
    ASSERT_TRUE(SaveEconomics(*data));
    g_nCurrentRunId = AddRun();
    SQLite::Database connection = ConnectDatabase();
    CreateEconomics(model, connection);
    EXPECT_EQ(Stored(g_nCurrentRunId).m_HardwareCost, 777);
    EXPECT_EQ(Stored(g_nCurrentRunId).m_NetPresentValue, kEconomicsNotComputed);
    CreateEconomics(9999, connection);  // no such run: the defaults, the same single row
    EXPECT_EQ(messages.shown.back(), "Internal error - no economic data for run 9999");
    EXPECT_EQ(Stored(g_nCurrentRunId).m_HardwareCost, 500);
    row.MoveNext();
    EXPECT_TRUE(row.IsEOF());
    EXPECT_FALSE(LoadEconomicData(12345, UnitSystem::SI));
}

TEST(EconomicEntryTest, EveryTypedBoxReadAndCheckedBeforeAnythingChanges) {
    EconomicDialogData data;
    data.LoanDuration = 5;
    data.SystemLife = 15;
    EconomicTexts texts;
    for (int i = 0; i < kEconomicFieldCount; ++i)
        texts[static_cast<std::size_t>(i)] = EconomicFieldText(static_cast<EconomicField>(i), data);
    EconomicFieldFlags all;
    all.fill(true);
    EconomicFieldFlags changed = all;
    EXPECT_FALSE(ReadEconomicInputs(texts, changed, data));
    EXPECT_EQ(changed, EconomicFieldFlags{});  // read boxes are read again only once typed into

    struct Case {
        EconomicField field;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {EconomicField::HardwareCost, "12abc", "Enter a number."},
        {EconomicField::HardwareCost, "1000001", "Value should be between 0 and 1e+06."},
        {EconomicField::LoanDuration, "51", "The loan duration should be between 0 and 50 years."},
        {EconomicField::LoanDuration, "-1", "The loan duration should be between 0 and 50 years."},
        {EconomicField::LoanDuration, "1e12",
         "The loan duration should be between 0 and 50 years."},
        {EconomicField::SystemLife, "2.5", "Enter an integer."},
        {EconomicField::FuelInflationRate, "101", "Value should be between 0 and 100."},
    };
    test::FrontEndMessages messages;
    for (const Case& c : cases) {
        EconomicTexts wrong = texts;
        wrong[static_cast<std::size_t>(c.field)] = c.text;
        EconomicDialogData refused = data;
        changed = all;
        const std::optional<EconomicProblem> problem = ReadEconomicInputs(wrong, changed, refused);
        ASSERT_TRUE(problem) << c.text;
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(problem->message, c.message);
        EXPECT_EQ(refused.LoanDuration, 5);  // nothing taken from a refused entry
        EXPECT_EQ(changed, all);
        // The same text in a box not typed into is never read.
        changed = {};
        EXPECT_FALSE(ReadEconomicInputs(wrong, changed, refused)) << c.text;
    }
    texts[static_cast<std::size_t>(EconomicField::LoanDuration)] = "50";
    changed[static_cast<std::size_t>(EconomicField::LoanDuration)] = true;
    EXPECT_FALSE(ReadEconomicInputs(texts, changed, data));
    EXPECT_EQ(data.LoanDuration, 50);
}

// Values of more digits than the boxes show stay as stored until typed over; in IP the energy
// unit cost is shown per MBTU and what is typed is stored per GJ.
TEST(EconomicEntryTest, BoxesOnlyLookedAtKeepTheStoredValues) {
    EconomicDialogData data;
    data.UnitsIP = 1;
    data.HardwareCost = 1234.567;
    data.EnergyUnitCost = 6;
    const auto text = [&](EconomicField field) { return EconomicFieldText(field, data); };
    EXPECT_EQ(text(EconomicField::HardwareCost), "1234.57");
    EXPECT_EQ(text(EconomicField::EnergyUnitCost), "6.33034");
    EconomicTexts texts;
    for (int i = 0; i < kEconomicFieldCount; ++i)
        texts[static_cast<std::size_t>(i)] = text(static_cast<EconomicField>(i));
    EconomicFieldFlags changed{};
    EXPECT_FALSE(ReadEconomicInputs(texts, changed, data));
    EXPECT_EQ(data.HardwareCost, 1234.567);
    EXPECT_EQ(data.EnergyUnitCost, 6);

    texts[static_cast<std::size_t>(EconomicField::EnergyUnitCost)] = "1.055056";
    changed[static_cast<std::size_t>(EconomicField::EnergyUnitCost)] = true;
    EXPECT_FALSE(ReadEconomicInputs(texts, changed, data));
    EXPECT_NEAR(data.EnergyUnitCost, 1, 1e-12);
    EXPECT_EQ(data.HardwareCost, 1234.567);
}

}  // namespace

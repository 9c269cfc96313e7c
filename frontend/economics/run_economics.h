// The economics of a run as the economics dialog edits them and the Economics row keeps them:
// the cost and finance inputs, the run's yearly energies, and the values derived from them by
// the one computation both programs share (ComputeEconomics). Without windows: the dialog shows
// these members and calls these operations.
//
// Money in dollars; rates in % per year; durations in years. The energy unit cost is per GJ as
// stored, whatever the units shown (its box converts what it shows and what is typed); the
// electricity unit cost in cents per kWh.
#pragma once

#include <SQLiteCpp/Database.h>

#include <optional>
#include <string>

#include "display_units.h"
#include "economics.h"
#include "problem.h"

// Bounds of the economic inputs.
inline constexpr double kMaxCost = 1000000;          // $ of a cost or the resale value
inline constexpr double kMaxDownPayment = 99999999;  // $
inline constexpr double kMaxRate = 100;              // % per year
inline constexpr int kMaxYears = 50;                 // loan duration and system life
inline constexpr double kNoHeaterEfficiency = 0.6;   // of the fuel a pool without heater saves

struct EconomicDialogData {
    int RunId = 0;
    double CollUnitCost = 0;
    double CollTotalCost = 0;
    double HardwareCost = 0;
    double InstallationCost = 0;
    double InitialCosts = 0;
    double MaintenanceCost = 0;
    double EnergyUnitCost = 0;
    double EnergyAnnualCost = 0;
    double ElectricityUnitCost = 0;
    double ElectricityAnnualCost = 0;
    double YearlyCosts = 0;
    double ValueOfEnergy = 0;
    double DownPayment = 0;
    double LoanAmount = 0;
    int LoanDuration = 0;
    double InterestRate = 0;
    double LoanPayment = 0;
    int SystemLife = 0;
    double ResaleValue = 0;
    double DiscountRate = 0;
    double InflationRate = 0;
    double FuelInflationRate = 0;
    double LifeCycleCost = 0;
    double NetPresentValue = 0;
    double SimplePayback = 0;
    int HaveResults = 0;  // 1 when the run has its season's Results row
    int UnitsIP = 0;
    double NumberOfCollectors = 0;
    double FuelEnergy = 0;            // GJ a year (QPrimary)
    double ElectricEnergy = 0;        // J a year (QElec)
    double DeliveredEnergy = 0;       // GJ a year (QAct)
    double DisplacedFuel = 0;         // GJ a year
    double DisplacedElectricity = 0;  // GJ a year

    // The first input outside its range, as the message to show; nothing when all are in range.
    [[nodiscard]] std::optional<Problem> CheckInputs() const;
    // Every computed member from the inputs and energies; nothing changes without results.
    void Recalculate();
    // The Recalculate button works only on a run with results.
    bool RecalculateEnabled() const { return HaveResults == 1; }
    // A down payment above the initial costs is lowered to them (nothing is borrowed).
    void LowerDownPayment();
    // A computed value as its box shows it: "%8.2lf", or "-" without results.
    std::string ComputedText(double value) const;
    // The simple payback as its box shows it: "%9.1lf" when positive, "N/A" when the system
    // never pays back, "-" without results.
    std::string PaybackText() const;

    // The inputs and the year's energies in the units of ComputeEconomics.
    EconomicInputs Inputs() const;
    YearlyEnergies Energies() const;
};

class CRunsSet;
class CEconomicsSet;
class CResultsSet;

// The economics of `run` (saved or not) with the inputs of the Economics row `row`, shown in
// `units`: its collector count and, when `season` (its season's Results row) is given, the
// season's energies and the energies its solar heat displaces. Nothing after message 151 (its
// heater missing).
[[nodiscard]] std::optional<EconomicDialogData> RunEconomicData(const CRunsSet& run,
                                                                const CEconomicsSet& row,
                                                                const CResultsSet* season,
                                                                UnitSystem units);

// `data` with its inputs checked and every value computed, as a simulated run's economics are
// stored; nothing after the message of an input out of its range.
[[nodiscard]] std::optional<EconomicDialogData> ComputedEconomics(EconomicDialogData data);

// The simple payback as the Economics row keeps it: kNeverPaysBack when it is not positive.
double StoredSimplePayback(const EconomicDialogData& data);

// The economics of the run `runId` as the dialog opens on them: the inputs of its Economics row
// (shown in `units`), its collector count and, when it has results,
// its season's energies and the energies its solar heat displaces. Nothing after message 161
// (no Economics row), 146 (no Runs row) or 151 (its heater missing).
[[nodiscard]] std::optional<EconomicDialogData> LoadEconomicData(int runId, UnitSystem units);

// Stores `data` into its run's Economics row: the inputs, the computed
// values (0 without results) and the simple payback (0 without results). False after message
// 161 when the run has no row.
[[nodiscard]] bool SaveEconomics(const EconomicDialogData& data);

// Gives the current run (g_nCurrentRunId) of a new run (g_nRunCreationMode not Existing) a fresh
// Economics row: the inputs of the run `sourceRunId` (or the defaults when it is -1, or after
// message 161 when it has no row), every computed column kEconomicsNotComputed. Does nothing for an
// existing run. Written on `connection` inside its caller's transaction, which stores the new run
// itself: a run is never stored without its economics.
void CreateEconomics(int sourceRunId, SQLite::Database& connection);

// A run stored without its Economics row (by an older program, or an edit made outside this one)
// is given the row of a new run, with the defaults, and a note says so. A run that has its row
// is left as it is.
void RestoreMissingEconomics(int runId);

// The economics of a simulated run computed and stored: its row read, its inputs checked, every
// value computed. False after the failure's message.
[[nodiscard]] bool ComputeRunEconomics(int runId);

#include "run_economics.h"

#include <SQLiteCpp/Transaction.h>

#include <array>
#include <cstdio>

#include "frontend_globals.h"
#include "frontend_strings.h"
#include "object_type.h"
#include "record_sets.h"
#include "user_interface.h"

namespace {

constexpr double kJoulesPerKilowattHour = 3.6e6;
constexpr double kKilowattHoursPerGigajoule = 1e9 / kJoulesPerKilowattHour;
constexpr double kCentsPerDollar = 100;
constexpr double kPercent = 100;

struct InputRange {
    double EconomicDialogData::*member;
    double min;
    double max;
};

// The money and rate inputs with their ranges, in the order of the dialog's boxes.
constexpr std::array<InputRange, 12> kInputRanges = {{
    {&EconomicDialogData::CollUnitCost, 0, kMaxCost},
    {&EconomicDialogData::HardwareCost, 0, kMaxCost},
    {&EconomicDialogData::InstallationCost, 0, kMaxCost},
    {&EconomicDialogData::MaintenanceCost, 0, kMaxCost},
    {&EconomicDialogData::EnergyUnitCost, 0, kMaxCost},
    {&EconomicDialogData::ElectricityUnitCost, 0, kMaxCost},
    {&EconomicDialogData::DownPayment, 0, kMaxDownPayment},
    {&EconomicDialogData::InterestRate, 0, kMaxRate},
    {&EconomicDialogData::ResaleValue, 0, kMaxCost},
    {&EconomicDialogData::DiscountRate, 0, kMaxRate},
    {&EconomicDialogData::InflationRate, 0, kMaxRate},
    {&EconomicDialogData::FuelInflationRate, 0, kMaxRate},
}};

// The year's energies of a run with results, and what its solar heat displaces: fuel burnt by
// its heater (or by one of 60 % without heater), or a heat pump's electricity. False after
// message 151 when the heater row is missing.
bool SetEnergies(const CRunsSet& run, const CResultsSet& season, EconomicDialogData& data) {
    data.FuelEnergy = season.m_QPrimary;
    data.ElectricEnergy = season.m_QElec;
    data.DeliveredEnergy = season.m_QAct;
    if (run.m_HeaterId == kNoObjectId) {
        data.DisplacedFuel = season.m_QAct / kNoHeaterEfficiency;
        return true;
    }
    CHeatersSet heater;
    if (!SelectById(heater, ObjectIdColumn(heater.Type()), run.m_HeaterId)) {
        ShowMessage(FormatResString(kStrHeaterNotFound, run.m_HeaterId));
        return false;
    }
    if (heater.m_EfficiencyCOP <= 0) return true;  // a heater that heats nothing displaces nothing
    if (heater.Kind() == HeaterKind::Fuel)
        data.DisplacedFuel = season.m_QAct / (heater.m_EfficiencyCOP / kPercent);
    else
        data.DisplacedElectricity = season.m_QAct / heater.m_EfficiencyCOP;
    return true;
}

void CopyInputs(const CEconomicsSet& from, CEconomicsSet& to) {
    to.m_CollUnitCost = from.m_CollUnitCost;
    to.m_HardwareCost = from.m_HardwareCost;
    to.m_InstallationCost = from.m_InstallationCost;
    to.m_InitialCosts = from.m_InitialCosts;
    to.m_MaintenanceCost = from.m_MaintenanceCost;
    to.m_EnergyUnitCost = from.m_EnergyUnitCost;
    to.m_ElectricityUnitCost = from.m_ElectricityUnitCost;
    to.m_DownPayment = from.m_DownPayment;
    to.m_LoanDuration = from.m_LoanDuration;
    to.m_InterestRate = from.m_InterestRate;
    to.m_SystemLife = from.m_SystemLife;
    to.m_ResaleValue = from.m_ResaleValue;
    to.m_DiscountRate = from.m_DiscountRate;
    to.m_InflationRate = from.m_InflationRate;
    to.m_FuelInflationRate = from.m_FuelInflationRate;
}

// The inputs of a new run's economics.
void SetDefaultInputs(CEconomicsSet& row) {
    row.m_CollUnitCost = 100;
    row.m_HardwareCost = 500;
    row.m_InstallationCost = 600;
    row.m_InitialCosts = kEconomicsNotComputed;
    row.m_MaintenanceCost = 50;
    row.m_EnergyUnitCost = 6;
    row.m_ElectricityUnitCost = 8;
    row.m_DownPayment = 0;
    row.m_LoanDuration = 5;
    row.m_InterestRate = 5;
    row.m_SystemLife = 15;
    row.m_ResaleValue = 0;
    row.m_DiscountRate = 5;
    row.m_InflationRate = 2;
    row.m_FuelInflationRate = 2;
}

void SetNotComputed(CEconomicsSet& row) {
    for (double CEconomicsSet::*column :
         {&CEconomicsSet::m_CollTotalCost, &CEconomicsSet::m_EnergyAnnualCost,
          &CEconomicsSet::m_ElectricityAnnualCost, &CEconomicsSet::m_YearlyCosts,
          &CEconomicsSet::m_ValueOfEnergy, &CEconomicsSet::m_LoanAmount,
          &CEconomicsSet::m_LoanPayment, &CEconomicsSet::m_LifeCycleCost,
          &CEconomicsSet::m_NetPresentValue, &CEconomicsSet::m_SimplePayback})
        row.*column = kEconomicsNotComputed;
}

}  // namespace

std::optional<Problem> EconomicDialogData::CheckInputs() const {
    for (const InputRange& range : kInputRanges)
        if (!(this->*range.member >= range.min && this->*range.member <= range.max))
            return Problem{FormatResString(kStrValueBetween, range.min, range.max)};
    if (LoanDuration < 0 || LoanDuration > kMaxYears)
        return Problem{FormatResString(kStrLoanDurationRange, 0, kMaxYears)};
    if (SystemLife < 0 || SystemLife > kMaxYears)
        return Problem{FormatResString(kStrValueBetween, 0.0, double{kMaxYears})};
    return std::nullopt;
}

EconomicInputs EconomicDialogData::Inputs() const {
    EconomicInputs in;
    in.collectorCount = NumberOfCollectors;
    in.costPerCollector = CollUnitCost;
    in.otherHardwareCost = HardwareCost;
    in.installationCost = InstallationCost;
    in.downPayment = DownPayment;
    in.loanYears = LoanDuration;
    in.interestRate = InterestRate / kPercent;
    in.systemLife = SystemLife;
    in.maintenanceCost = MaintenanceCost;
    in.resaleValue = ResaleValue;
    in.discountRate = DiscountRate / kPercent;
    in.inflationRate = InflationRate / kPercent;
    in.fuelInflationRate = FuelInflationRate / kPercent;
    in.fuelCost = EnergyUnitCost;
    in.electricityCost = ElectricityUnitCost / kCentsPerDollar;
    return in;
}

YearlyEnergies EconomicDialogData::Energies() const {
    YearlyEnergies energies;
    energies.fuel = FuelEnergy;
    energies.electricity = ElectricEnergy / kJoulesPerKilowattHour;
    energies.delivered = DeliveredEnergy;
    energies.displacedFuel = DisplacedFuel;
    energies.displacedElectricity = DisplacedElectricity * kKilowattHoursPerGigajoule;
    return energies;
}

void EconomicDialogData::Recalculate() {
    if (HaveResults != 1) return;
    const EconomicResults r = ComputeEconomics(Inputs(), Energies());
    CollTotalCost = r.collectorsCost;
    InitialCosts = r.initialCosts;
    EnergyAnnualCost = r.fuelAnnualCost;
    ElectricityAnnualCost = r.electricityAnnualCost;
    YearlyCosts = r.yearlyCosts;
    ValueOfEnergy = r.valueOfEnergy;
    LoanAmount = r.loanAmount;
    LoanPayment = r.loanPayment;
    LifeCycleCost = r.lifeCycleCost;
    NetPresentValue = r.netPresentValue;
    SimplePayback = r.simplePayback;
}

void EconomicDialogData::LowerDownPayment() {
    if (DownPayment > InitialCosts) DownPayment = InitialCosts;
}

std::string EconomicDialogData::ComputedText(double value) const {
    if (HaveResults != 1) return "-";
    char text[64];
    std::snprintf(text, sizeof text, "%8.2f", value);
    return text;
}

std::string EconomicDialogData::PaybackText() const {
    if (HaveResults != 1) return "-";
    if (!(SimplePayback > 0) || SimplePayback == kNeverPaysBack)
        return LoadResString(kStrNotAvailable);
    char text[64];
    std::snprintf(text, sizeof text, "%9.1f", SimplePayback);
    return text;
}

std::optional<EconomicDialogData> RunEconomicData(const CRunsSet& run, const CEconomicsSet& row,
                                                  const CResultsSet* season, UnitSystem units) {
    EconomicDialogData data;
    data.RunId = run.m_RunId;
    data.UnitsIP = units == UnitSystem::IP ? 1 : 0;
    data.HaveResults = season != nullptr ? 1 : 0;
    data.CollUnitCost = row.m_CollUnitCost;
    data.HardwareCost = row.m_HardwareCost;
    data.InstallationCost = row.m_InstallationCost;
    data.MaintenanceCost = row.m_MaintenanceCost;
    data.EnergyUnitCost = row.m_EnergyUnitCost;
    data.ElectricityUnitCost = row.m_ElectricityUnitCost;
    data.DownPayment = row.m_DownPayment;
    data.LoanDuration = row.m_LoanDuration;
    data.InterestRate = row.m_InterestRate;
    data.SystemLife = row.m_SystemLife;
    data.ResaleValue = row.m_ResaleValue;
    data.DiscountRate = row.m_DiscountRate;
    data.InflationRate = row.m_InflationRate;
    data.FuelInflationRate = row.m_FuelInflationRate;
    data.NumberOfCollectors =
        run.m_CollectorId == kNoObjectId ? 0 : run.m_NumberOfBanks * run.m_NumberOfColl;
    if (season != nullptr && !SetEnergies(run, *season, data)) return std::nullopt;
    return data;
}

std::optional<EconomicDialogData> LoadEconomicData(int runId, UnitSystem units) {
    CResultsSet season;
    season.m_strFilter = Bracketed(kRunIdColumn) + " = ? AND [Month] = 0";
    season.m_filterValues = {std::int64_t{runId}};
    season.Open();
    CEconomicsSet row;
    if (!SelectById(row, kRunIdColumn, runId)) {
        ShowMessage(FormatResString(kStrNoEconomicData, runId));
        return std::nullopt;
    }
    CRunsSet run;
    if (!SelectById(run, kRunIdColumn, runId)) {
        ShowMessage(FormatResString(kStrRunNotFound, runId));
        return std::nullopt;
    }
    return RunEconomicData(run, row, season.IsEOF() ? nullptr : &season, units);
}

double StoredSimplePayback(const EconomicDialogData& data) {
    return data.SimplePayback > 0 ? data.SimplePayback : kNeverPaysBack;
}

std::optional<EconomicDialogData> ComputedEconomics(EconomicDialogData data) {
    if (const std::optional<Problem> problem = data.CheckInputs()) {
        ShowMessage(problem->message);
        return std::nullopt;
    }
    data.Recalculate();
    return data;
}

bool SaveEconomics(const EconomicDialogData& data) {
    CEconomicsSet row;
    if (!SelectById(row, kRunIdColumn, data.RunId)) {
        ShowMessage(FormatResString(kStrNoEconomicData, data.RunId));
        return false;
    }
    row.Edit();
    row.m_CollUnitCost = data.CollUnitCost;
    row.m_HardwareCost = data.HardwareCost;
    row.m_InstallationCost = data.InstallationCost;
    row.m_MaintenanceCost = data.MaintenanceCost;
    row.m_EnergyUnitCost = data.EnergyUnitCost;
    row.m_ElectricityUnitCost = data.ElectricityUnitCost;
    row.m_DownPayment = data.DownPayment;
    row.m_LoanDuration = data.LoanDuration;
    row.m_InterestRate = data.InterestRate;
    row.m_SystemLife = data.SystemLife;
    row.m_ResaleValue = data.ResaleValue;
    row.m_DiscountRate = data.DiscountRate;
    row.m_InflationRate = data.InflationRate;
    row.m_FuelInflationRate = data.FuelInflationRate;
    const bool computed = data.HaveResults == 1;
    const auto stored = [computed](double value) { return computed ? value : 0.0; };
    row.m_CollTotalCost = stored(data.CollTotalCost);
    row.m_InitialCosts = stored(data.InitialCosts);
    row.m_EnergyAnnualCost = stored(data.EnergyAnnualCost);
    row.m_ElectricityAnnualCost = stored(data.ElectricityAnnualCost);
    row.m_YearlyCosts = stored(data.YearlyCosts);
    row.m_ValueOfEnergy = stored(data.ValueOfEnergy);
    row.m_LoanAmount = stored(data.LoanAmount);
    row.m_LoanPayment = stored(data.LoanPayment);
    row.m_LifeCycleCost = stored(data.LifeCycleCost);
    row.m_NetPresentValue = stored(data.NetPresentValue);
    row.m_SimplePayback = stored(StoredSimplePayback(data));
    row.Update();
    return true;
}

namespace {

// Adds the Economics row of the run `runId` on `connection`: the inputs of `source`, or the
// defaults without one, every computed column kEconomicsNotComputed.
void AddEconomicsRow(SQLite::Database& connection, int runId, const CEconomicsSet* source) {
    CEconomicsSet row;
    OpenById(row, kRunIdColumn, runId, &connection);
    row.AddNew();
    row.m_RunId = runId;
    if (source)
        CopyInputs(*source, row);
    else
        SetDefaultInputs(row);
    SetNotComputed(row);
    row.Update();
}

}  // namespace

void CreateEconomics(int sourceRunId, SQLite::Database& connection) {
    if (g_nRunCreationMode == RunCreationMode::Existing) return;
    DeleteById(connection, "Economics", kRunIdColumn, g_nCurrentRunId);
    CEconomicsSet source;
    bool copied = false;
    if (sourceRunId != -1) {
        copied = SelectById(source, kRunIdColumn, sourceRunId, &connection);
        if (!copied) ShowMessage(FormatResString(kStrNoEconomicData, sourceRunId));
    }
    AddEconomicsRow(connection, g_nCurrentRunId, copied ? &source : nullptr);
}

void RestoreMissingEconomics(int runId) {
    SQLite::Database connection = ConnectDatabase();
    SQLite::Transaction transaction(connection);
    CEconomicsSet row;
    if (SelectById(row, kRunIdColumn, runId, &connection)) return;
    AddEconomicsRow(connection, runId, nullptr);
    transaction.commit();
    ShowMessage(FormatResString(kStrEconomicsRestored, runId));
}

bool ComputeRunEconomics(int runId) {
    const std::optional<EconomicDialogData> data = LoadEconomicData(runId, UnitSystem::SI);
    if (!data) return false;
    const std::optional<EconomicDialogData> computed = ComputedEconomics(*data);
    return computed && SaveEconomics(*computed);
}

#include "report_values.h"

#include <array>
#include <string>

#include "display_units.h"
#include "economics.h"
#include "html_text.h"
#include "report_names.h"

namespace {

constexpr const char* kMoney = "%-8.2lf";
constexpr const char* kArea = "%8.1lf";
constexpr const char* kTemperature = "%5.1lf";

bool IsIP(const ReportStyle& style) {
    return style.units == UnitSystem::IP;
}

std::string Temperature(double celsius, const ReportStyle& style) {
    return FormatDouble(kTemperature, ReportTemperature(celsius, style.units));
}

std::string Area(double squareMetres, const ReportStyle& style) {
    return FormatDouble(kArea,
                        IsIP(style) ? squareMetres * kSquareMetresToSquareFeet : squareMetres);
}

// An economic result: "not computed" while it still holds the mark of a result never computed.
std::string Result(double value, const ReportStyle& style) {
    if (value == kEconomicsNotComputed) return std::string(NotComputedText(style.language));
    return FormatDouble(kMoney, value);
}

// The simple payback, or the economics dialog's word for a payback that never comes (stored as
// kNeverPaysBack).
std::string Payback(double years, const ReportStyle& style) {
    if (years == kNeverPaysBack) return std::string(NotAvailableText(style.language));
    return Result(years, style);
}

struct EconomicsColumn {
    std::string_view word;
    double CEconomicsSet::*member;
};

// The economics the user entered.
constexpr std::array kEconomicsInputs{
    EconomicsColumn{"Economics.CollUnitCost", &CEconomicsSet::m_CollUnitCost},
    EconomicsColumn{"Economics.HardwareCost", &CEconomicsSet::m_HardwareCost},
    EconomicsColumn{"Economics.InstallationCost", &CEconomicsSet::m_InstallationCost},
    EconomicsColumn{"Economics.MaintenanceCost", &CEconomicsSet::m_MaintenanceCost},
    EconomicsColumn{"Economics.ElectricityUnitCost", &CEconomicsSet::m_ElectricityUnitCost},
    EconomicsColumn{"Economics.DownPayment", &CEconomicsSet::m_DownPayment},
    EconomicsColumn{"Economics.InterestRate", &CEconomicsSet::m_InterestRate},
    EconomicsColumn{"Economics.ResaleValue", &CEconomicsSet::m_ResaleValue},
    EconomicsColumn{"Economics.DiscountRate", &CEconomicsSet::m_DiscountRate},
    EconomicsColumn{"Economics.InflationRate", &CEconomicsSet::m_InflationRate},
    EconomicsColumn{"Economics.FuelInflationRate", &CEconomicsSet::m_FuelInflationRate},
};

// The economics computed from the inputs and the run's results.
constexpr std::array kEconomicsResults{
    EconomicsColumn{"Economics.CollTotalCost", &CEconomicsSet::m_CollTotalCost},
    EconomicsColumn{"Economics.InitialCosts", &CEconomicsSet::m_InitialCosts},
    EconomicsColumn{"Economics.EnergyAnnualCost", &CEconomicsSet::m_EnergyAnnualCost},
    EconomicsColumn{"Economics.ElectricityAnnualCost", &CEconomicsSet::m_ElectricityAnnualCost},
    EconomicsColumn{"Economics.YearlyCosts", &CEconomicsSet::m_YearlyCosts},
    EconomicsColumn{"Economics.ValueOfEnergy", &CEconomicsSet::m_ValueOfEnergy},
    EconomicsColumn{"Economics.LoanAmount", &CEconomicsSet::m_LoanAmount},
    EconomicsColumn{"Economics.LoanPayment", &CEconomicsSet::m_LoanPayment},
    EconomicsColumn{"Economics.LifeCycleCost", &CEconomicsSet::m_LifeCycleCost},
    EconomicsColumn{"Economics.NetPresentValue", &CEconomicsSet::m_NetPresentValue},
};

}  // namespace

void AddClientValues(const CClientsSet& client, PlaceholderValues& words) {
    words["Clients.Name"] = EscapeHtml(client.m_Name);
    words["Clients.Info"] = EscapeHtml(client.m_Info);
}

void AddInstallerValues(const CInstallersSet& installer, PlaceholderValues& words) {
    words["Installers.Name"] = EscapeHtml(installer.m_Name);
    words["Installers.Info"] = EscapeHtml(installer.m_Info);
}

void AddRunValues(const CRunsSet& run, const ReportStyle& style, PlaceholderValues& words) {
    const Language language = style.language;
    words["Runs.Comments"] = EscapeHtml(run.m_Comments);
    words["Runs.PoolType"] = PoolTypeName(run.m_PoolType, language);
    words["Runs.City"] = EscapeHtml(run.m_City);
    words["Runs.OpensDate"] = SeasonDate(run.m_OpensMonth, run.m_OpensDay, language);
    words["Runs.ClosesDate"] = SeasonDate(run.m_ClosesMonth, run.m_ClosesDay, language);
    words["Runs.PoolArea"] = Area(run.m_PoolArea, style);
    words["Runs.Shading"] = FormatDouble("%8.0lf", run.m_Shading);
    words["Runs.NumberOfColl"] = FormatDouble("%5.1lf", run.m_NumberOfColl);
    words["Runs.NumberOfBanks"] = FormatInt(run.m_NumberOfBanks, "%5d");
    words["Runs.AreaPerColl"] = Area(run.m_AreaPerColl, style);
    words["Runs.Slope"] = FormatDouble("%8.1lf", run.m_Slope);
    words["Runs.TotalFlow"] = FormatDouble(
        "%8.1lf", IsIP(style) ? run.m_TotalFlow * kKilogramsPerSecondToUsGpm : run.m_TotalFlow);
    words["Runs.Orientation"] = OrientationName(run.m_Orientation, language);
    words["Runs.HeaterMonthlyUse"] = MonthLetters(run.m_HeaterMonthlyUse);
    words["Runs.BlanketMonthlyUse"] = MonthLetters(run.m_BlanketMonthlyUse);
}

void AddEconomicsValues(const CEconomicsSet& economics, const ReportStyle& style,
                        PlaceholderValues& words) {
    for (const EconomicsColumn& column : kEconomicsInputs)
        words[std::string(column.word)] = FormatDouble(kMoney, economics.*column.member);
    for (const EconomicsColumn& column : kEconomicsResults)
        words[std::string(column.word)] = Result(economics.*column.member, style);
    words["Economics.SimplePayback"] = Payback(economics.m_SimplePayback, style);
    // Stored per GJ; shown per MBtu in IP.
    const double energyUnitCost =
        IsIP(style) ? economics.m_EnergyUnitCost / kGigajoulesToMBtu : economics.m_EnergyUnitCost;
    words["Economics.EnergyUnitCost"] = FormatDouble(kMoney, energyUnitCost);
    words["Economics.LoanDuration"] =
        FormatDouble(kMoney, static_cast<double>(economics.m_LoanDuration));
    words["Economics.SystemLife"] =
        FormatDouble(kMoney, static_cast<double>(economics.m_SystemLife));
}

void AddPoolUseValues(const CPoolUseSet& poolUse, const ReportStyle& style,
                      PlaceholderValues& words) {
    words["PoolUse.MinTPool"] = Temperature(poolUse.m_MinTPool, style);
    words["PoolUse.MaxTPool"] = Temperature(poolUse.m_MaxTPool, style);
    words["PoolUse.WeekdayOpen"] = FormatInt(poolUse.m_WeekdayOpen, "%2d");
    words["PoolUse.WeekdayClose"] = FormatInt(poolUse.m_WeekdayClose, "%2d");
    words["PoolUse.WeekendOpen"] = FormatInt(poolUse.m_WeekendOpen, "%2d");
    words["PoolUse.WeekendClose"] = FormatInt(poolUse.m_WeekendClose, "%2d");
    words["PoolUse.ActivityLevel"] = ActivityLevelName(poolUse.m_ActivityLevel, style.language);
    words["PoolUse.MinTAmbSunny"] = Temperature(poolUse.m_MinTAmbSunny, style);
    words["PoolUse.MinTAmbCloudy"] = Temperature(poolUse.m_MinTAmbCloudy, style);
}

void AddCollectorValues(const CCollectorsSet& collector, PlaceholderValues& words) {
    words["Collectors.Name"] = EscapeHtml(collector.m_Name);
}

void AddHeaterValues(const CHeatersSet& heater, const ReportStyle& style,
                     PlaceholderValues& words) {
    words["Heaters.Name"] = EscapeHtml(heater.m_Name);
    // Whole watts or Btu/h: a capacity's decimals are noise.
    words["Heaters.Capacity"] = FormatDouble(
        "%8.0f", IsIP(style) ? heater.m_Capacity * kWattsToBtuPerHour : heater.m_Capacity);
    words["Heaters.EfficiencyType"] = EfficiencyTypeName(heater.Kind(), style.language);
    words["Heaters.EfficiencyCOP"] = FormatDouble("%8.2f", heater.m_EfficiencyCOP);
    // An efficiency is a percentage; a COP has no unit.
    words["Heaters.EfficiencyUnits"] = std::string(heater.Kind() == HeaterKind::Fuel ? 1 : 0, '%');
}

void AddBlanketValues(const CBlanketsSet& blanket, PlaceholderValues& words) {
    words["Blankets.Name"] = EscapeHtml(blanket.m_Name);
}

void AddUnitValues(const ReportStyle& style, PlaceholderValues& words) {
    const bool ip = IsIP(style);
    words["Units.$_GJ"] = ip ? "$/MBTU" : "$/GJ";
    words["Units.m2"] = ip ? "ft2" : "m2";
    words["Units.C"] = ip ? "°F" : "°C";
    words["Units.GJ"] = ip ? "MBTU" : "GJ";
    words["Units.kg_s"] = ip ? "usgpm" : "kg/s";
    words["Units.W"] = ip ? "Btu/h" : "W";
}

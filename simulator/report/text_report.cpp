// The text report of a run: header, configuration, characteristics, the monthly tables, the
// economic analysis and the input summaries, written from the monthly result files of the run.
#include <array>
#include <cmath>
#include <ctime>
#include <fstream>
#include <functional>
#include <new>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "dialog_exchange.h"
#include "document.h"
#include "economics.h"
#include "file_kind.h"
#include "file_replace.h"
#include "helpers.h"
#include "messages.h"
#include "physical_constants.h"
#include "program_language.h"
#include "result_columns.h"
#include "result_records.h"
#include "simulator_strings.h"
#include "string_table.h"
#include "text_output.h"
#include "user_interface.h"

namespace {

using MonthlyRow = MonthlyRecord;

constexpr double kKilowattHoursPerGigajoule = kJoulesPerGigajoule / kJoulesPerKilowattHour;

std::string Text(int id) {
    return LoadResString(id);
}

// A string-table text filled with checked arguments; the raw text when they do not fit it.
std::string Formatted(int id, std::span<const MessageArg> args) {
    const std::string format = Text(id);
    return FormatChecked(format, args).value_or(format);
}

template <class... Args>
std::string Formatted(int id, const Args&... args) {
    const MessageArg list[] = {MessageArg(args)...};
    return Formatted(id, std::span<const MessageArg>(list, sizeof...(Args)));
}

// A line whose last conversion is the amount "%-8.2f", after the arguments `leading`. An amount
// that is not a number (a division by zero of the inputs) is shown as "n/a" in its field.
std::string AmountLine(int id, double amount, std::vector<MessageArg> leading = {}) {
    if (std::isfinite(amount)) {
        leading.emplace_back(amount);
        return Formatted(id, std::span<const MessageArg>(leading));
    }
    std::string format = Text(id);
    const std::string conversion = "%-8.2f";
    const std::size_t at = format.find(conversion);
    if (at == std::string::npos) return format;
    format.replace(at, conversion.size(), PadRight(Text(kStrNotAvailable), 8));
    return FormatChecked(format, leading).value_or(format);
}

// The records of a monthly result file; reading ends at the end of the file or at the first
// line that is not a record of its headings.
std::vector<MonthlyRow> ReadMonthlyRows(std::istream& in) {
    std::vector<MonthlyRow> rows;
    MonthlyRecordReader reader(in);
    if (reader.ReadHeadings()) return rows;
    for (MonthlyRow row; reader.ReadRecord(row);) rows.push_back(row);
    return rows;
}

bool IsEnergyColumn(int column) {
    return kMonthlyColumns[static_cast<std::size_t>(column)].quantity == ResultQuantity::kEnergy;
}

// The local time as the C library's standard text gives it, line end included.
std::string RunTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return "\n";
    char month[10];
    MonthShortName(local.tm_mon % 12 + 1, month, Language::English);
    char text[64];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n",
                  WeekdayShortName(local.tm_wday % 7), month, local.tm_mday, local.tm_hour,
                  local.tm_min, local.tm_sec, 1900 + local.tm_year);
    return text;
}

// One text of a monthly table. It has no default, so a table that leaves a text out does not
// build.
struct TableText {
    constexpr TableText(SimulatorString text) : id(text) {}
    SimulatorString id;
};

// The texts of a monthly table, top to bottom.
struct MonthlyTableTexts {
    TableText title;
    TableText header1, header2, header3;
    TableText separator;
    TableText total;           // the label of the annual line
    TableText totalSeparator;  // above the annual line
    TableText row;             // the row format: the month's label, then the values
    TableText closing;
};

constexpr MonthlyTableTexts kSimulationTable{
    .title = kStrSimulationTableTitle,
    .header1 = kStrSimulationTableHeader1,
    .header2 = kStrSimulationTableHeader2,
    .header3 = kStrSimulationTableHeader3,
    .separator = kStrSimulationTableSeparator,
    .total = kStrSimulationTableTotal,
    .totalSeparator = kStrSimulationTableTotalSeparator,
    .row = kStrSimulationTableRow,
    .closing = kStrSimulationTableClosing,
};
constexpr MonthlyTableTexts kLossesTable{
    .title = kStrLossesTableTitle,
    .header1 = kStrLossesTableHeader1,
    .header2 = kStrLossesTableHeader2,
    .header3 = kStrLossesTableHeader3,
    .separator = kStrLossesTableSeparator,
    .total = kStrLossesTableTotal,
    .totalSeparator = kStrLossesTableTotalSeparator,
    .row = kStrLossesTableRow,
    .closing = kStrLossesTableClosing,
};
constexpr MonthlyTableTexts kSolarTable{
    .title = kStrSolarTableTitle,
    .header1 = kStrSolarTableHeader1,
    .header2 = kStrSolarTableHeader2,
    .header3 = kStrSolarTableHeader3,
    .separator = kStrSolarTableSeparator,
    .total = kStrSolarTableTotal,
    .totalSeparator = kStrSolarTableTotalSeparator,
    .row = kStrSolarTableRow,
    .closing = kStrSolarTableClosing,
};
constexpr MonthlyTableTexts kPrimaryTable{
    .title = kStrPrimaryTableTitle,
    .header1 = kStrPrimaryTableHeader1,
    .header2 = kStrPrimaryTableHeader2,
    .header3 = kStrPrimaryTableHeader3,
    .separator = kStrPrimaryTableSeparator,
    .total = kStrPrimaryTableTotal,
    .totalSeparator = kStrPrimaryTableTotalSeparator,
    .row = kStrPrimaryTableRow,
    .closing = kStrPrimaryTableClosing,
};
constexpr MonthlyTableTexts kDaysThreeTable{
    .title = kStrDaysThreeTableTitle,
    .header1 = kStrDaysThreeTableHeader1,
    .header2 = kStrDaysThreeTableHeader2,
    .header3 = kStrDaysThreeTableHeader3,
    .separator = kStrDaysThreeTableSeparator,
    .total = kStrDaysThreeTableTotal,
    .totalSeparator = kStrDaysThreeTableTotalSeparator,
    .row = kStrDaysThreeTableRow,
    .closing = kStrDaysThreeTableClosing,
};
constexpr MonthlyTableTexts kDaysTwoTable{
    .title = kStrDaysTwoTableTitle,
    .header1 = kStrDaysTwoTableHeader1,
    .header2 = kStrDaysTwoTableHeader2,
    .header3 = kStrDaysTwoTableHeader3,
    .separator = kStrDaysTwoTableSeparator,
    .total = kStrDaysTwoTableTotal,
    .totalSeparator = kStrDaysTwoTableTotalSeparator,
    .row = kStrDaysTwoTableRow,
    .closing = kStrDaysTwoTableClosing,
};

// A monthly table: its texts and the values of each row.
struct MonthlyTable {
    const MonthlyTableTexts& texts;
    std::function<std::vector<double>(const MonthlyRow& row, std::size_t index)> values;
};

void WriteTable(std::ostream& out, const MonthlyTable& table, const std::vector<MonthlyRow>& rows,
                Language language) {
    const MonthlyTableTexts& texts = table.texts;
    for (TableText text :
         {texts.title, texts.header1, texts.header2, texts.header3, texts.separator})
        out << Text(text.id);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r + 1 == rows.size()) out << Text(texts.totalSeparator.id);
        const double monthValue = rows[r][kMonthlyMonth];
        const int month = std::isfinite(monthValue) && std::fabs(monthValue) < 100
                              ? static_cast<int>(monthValue)
                              : 0;
        std::string label;
        if (month >= 1 && month <= 12) {
            char name[10];
            label = MonthShortName(month, name, language);
        } else {
            label = Text(texts.total.id);
        }
        // "%3s" pads by bytes: the label is padded by characters first.
        label = PadLeft(label, 3);
        std::vector<MessageArg> args{MessageArg(label)};
        const std::vector<double> values = table.values(rows[r], r);
        for (double v : values) args.emplace_back(v);
        out << Formatted(texts.row.id, std::span<const MessageArg>(args));
    }
    out << Text(texts.closing.id);
}

// Reads the monthly rows of the run (energies in GJ) and, with the reference run, the usable days
// of the reference pass row by row. False after a message when a file cannot be opened or the
// tables cannot be held.
bool ReadMonthlyFiles(const std::string& base, bool referenceRun, std::vector<MonthlyRow>& rows,
                      std::vector<double>& referenceUsable) {
    std::ifstream monthly = OpenRegularFile(base + kMonthlyResultExtension);
    std::ifstream reference;
    if (referenceRun) reference = OpenRegularFile(base + kReferenceMonthlyResultExtension);
    if (!monthly || (referenceRun && !reference)) {
        ShowMessage(Text(kStrCannotOpenReport), MessageKind::Error);
        return false;
    }
    try {
        rows = ReadMonthlyRows(monthly);
        referenceUsable.assign(rows.size(), 0);
        if (referenceRun) {
            const std::vector<MonthlyRow> referenceRows = ReadMonthlyRows(reference);
            for (std::size_t r = 0; r < rows.size() && r < referenceRows.size(); ++r)
                referenceUsable[r] = referenceRows[r][kMonthlyUsableDays];
        }
    } catch (const std::bad_alloc&) {
        ShowMessage(Text(kStrReportAllocationFailure), MessageKind::Error);
        return false;
    }
    for (MonthlyRow& row : rows)
        for (int column = 0; column < kMonthlyColumnCount; ++column)
            if (IsEnergyColumn(column)) row[column] /= kJoulesPerGigajoule;
    return true;
}

void WriteHeader(std::ostream& out, const CTidewarmDoc& doc) {
    out << Formatted(kStrReportTitle, 3, 0, 0);
    out << Formatted(kStrReportSimulationFile, doc.GetPathName());
    out << Formatted(kStrReportRunOn, RunTime());
    out << "\n";
}

void WriteConfiguration(std::ostream& out, const CTidewarmDoc& doc) {
    out << Text(kStrReportConfiguration);
    if (doc.UseSolar) {
        out << Text(kStrReportSolarCollector);
        out << Text(doc.UseExchanger ? kStrReportHeatExchanger : kStrReportNoHeatExchanger);
    } else {
        out << Text(kStrReportNoSolarCollector);
    }
    out << Text(doc.UseAuxHeater ? kStrReportAuxiliaryHeater : kStrReportNoAuxiliaryHeater);
    const FileReader* weather = doc.SelectedWeatherReader();
    const char* weatherFile = weather ? weather->GetFileName() : nullptr;
    out << Formatted(kStrReportWeatherFile, weatherFile ? weatherFile : "");
    if (doc.UseAlternateInput) {
        const char* alternateFile = doc.alternateReader.GetFileName();
        out << Formatted(kStrReportAlternateFile, alternateFile ? alternateFile : "");
    } else {
        out << Text(kStrReportNoAlternateFile);
    }
    out << "\n";
}

void WritePoolCharacteristics(std::ostream& out, const CTidewarmDoc& doc) {
    out << Text(kStrReportPoolCharacteristics);
    out << Formatted(kStrReportPoolVolume, doc.pool.GetVolume());
    out << Formatted(kStrReportPoolArea, doc.pool.GetSurfaceArea());
    out << Text(doc.pool.GetEvaporationModel() == 1 ? kStrReportEvaporationRspec
                                                    : kStrReportEvaporationFirstPrinciples);
    out << Formatted(kStrReportPoolWindFactor, doc.pool.GetWindCorrectionFactor());
}

// The size of the selected collector array; all 0 for an index out of range.
struct ArraySize {
    int series = 0, banks = 0;
    double groups = 0;  // per bank
    double area = 0;    // m2 of one collector
    double Collectors() const { return series * groups * banks; }
};

ArraySize SelectedArraySize(const CTidewarmDoc& doc) {
    ArraySize size;
    if (doc.Collector == CollectorKind::Glazed) {
        doc.glazedCollector.GetUseParameters(size.series, size.groups, size.banks);
        size.area = doc.glazedCollector.GetTestParameters().collectorArea;
    } else if (doc.Collector == CollectorKind::Unglazed) {
        double wind = 0, threshold = 0;
        doc.unglazedCollector.GetUseParameters(size.series, size.groups, size.banks, wind,
                                               threshold);
        size.area = doc.unglazedCollector.GetTestParameters().collectorArea;
    }
    return size;
}

void WriteSolarCharacteristics(std::ostream& out, const CTidewarmDoc& doc, const ArraySize& size) {
    if (doc.UseSolar) {
        out << "\n";
        out << Text(kStrReportSolarCharacteristics);
        out << Text(doc.Collector == CollectorKind::Glazed ? kStrReportGlazed : kStrReportUnglazed);
        out << Formatted(kStrReportCollectorArea,
                         size.groups * size.series * size.area * size.banks);
    }
    out << "\n";
}

void WriteMonthlyTables(std::ostream& out, const CTidewarmDoc& doc,
                        const std::vector<MonthlyRow>& rows,
                        const std::vector<double>& referenceUsable, Language language) {
    const auto pick = [](std::initializer_list<int> columns) {
        return [columns](const MonthlyRow& row, std::size_t) {
            std::vector<double> values;
            for (int c : columns) values.push_back(row[c]);
            return values;
        };
    };
    WriteTable(out,
               {kSimulationTable, pick({kMonthlyQPass, kMonthlyQAct, kMonthlyQAux, kMonthlyQLoss,
                                        kMonthlyQRes, kMonthlyTPool})},
               rows, language);
    out << "\n";
    WriteTable(out,
               {kLossesTable, pick({kMonthlyQEvap, kMonthlyQConv, kMonthlyQCond, kMonthlyQRad,
                                    kMonthlyQSide, kMonthlyQMakeup, kMonthlyQLoss})},
               rows, language);
    if (doc.UseSolar) {
        out << "\n";
        WriteTable(out,
                   {kSolarTable, pick({kMonthlyQInc, kMonthlyQColl, kMonthlyQPipes, kMonthlyQPumps,
                                       kMonthlyQAct})},
                   rows, language);
    }
    out << "\n";
    WriteTable(out,
               {kPrimaryTable,
                [](const MonthlyRow& row, std::size_t) {
                    return std::vector<double>{row[kMonthlyCollOnTime] / kSecondsPerHour,
                                               row[kMonthlyAuxHeatOnTime] / kSecondsPerHour,
                                               row[kMonthlyQElec] * kKilowattHoursPerGigajoule,
                                               row[kMonthlyQPrimary]};
                }},
               rows, language);
    if (doc.SwimmableCriterion && doc.ReferenceRun) {
        out << "\n";
        WriteTable(out,
                   {kDaysThreeTable,
                    [&referenceUsable](const MonthlyRow& row, std::size_t r) {
                        return std::vector<double>{row[kMonthlySwimDays], row[kMonthlyUsableDays],
                                                   referenceUsable[r]};
                    }},
                   rows, language);
    } else if (doc.SwimmableCriterion) {
        out << "\n";
        WriteTable(out, {kDaysTwoTable, pick({kMonthlySwimDays, kMonthlyUsableDays})}, rows,
                   language);
    }
}

// The project's economic data as the economics take them: the loan runs over the system's life.
EconomicInputs ProjectEconomicInputs(const EconomicData& e, double collectorCount) {
    EconomicInputs in;
    in.collectorCount = collectorCount;
    in.costPerCollector = e.costPerCollector;
    in.installationCost = e.installationCost;
    in.downPayment = e.downPayment;
    in.loanYears = e.systemLife;
    in.interestRate = e.interestRate;
    in.systemLife = e.systemLife;
    in.maintenanceCost = e.maintenanceCost;
    in.resaleValue = e.resaleValue;
    in.discountRate = e.discountRate;
    in.inflationRate = e.inflationRate;
    in.fuelInflationRate = e.fuelInflationRate;
    in.fuelCost = e.primaryEnergyCost;
    in.electricityCost = e.electricityCost;
    return in;
}

// The yearly energies of the annual line (energies in GJ). A period longer than a year is
// brought back to one year: the annual line's energies are scaled by 365 / the number of days.
YearlyEnergies AnnualLineEnergies(const MonthlyRow& annual, int numDays) {
    const double toYear = numDays > kDaysPerYear ? double(kDaysPerYear) / numDays : 1.0;
    YearlyEnergies energies;
    energies.fuel = annual[kMonthlyQPrimary] * toYear;
    energies.electricity = annual[kMonthlyQElec] * kKilowattHoursPerGigajoule * toYear;
    energies.delivered = (annual[kMonthlyQAct] + annual[kMonthlyQAux]) * toYear;
    return energies;
}

// The economic analysis, from the annual line (the last row).
void WriteEconomics(std::ostream& out, const CTidewarmDoc& doc, const std::vector<MonthlyRow>& rows,
                    const ArraySize& size) {
    const EconomicData& e = doc.economicData;
    const EconomicResults results = ComputeEconomics(
        ProjectEconomicInputs(e, size.Collectors()),
        AnnualLineEnergies(rows.empty() ? MonthlyRow{} : rows.back(), doc.NumDays));

    out << "\n";
    out << Text(kStrEconomicTitle);
    out << Formatted(kStrEconomicSystemLife, e.systemLife);
    out << AmountLine(kStrEconomicCapitalCost, results.initialCosts);
    out << AmountLine(kStrEconomicDownPayment, e.downPayment);
    out << Formatted(kStrEconomicInterestRate, e.interestRate * 100);
    out << AmountLine(kStrEconomicLoan, results.loanPayment, {MessageArg(e.systemLife)});
    out << AmountLine(kStrEconomicMaintenance, e.maintenanceCost);
    out << Text(kStrEconomicEnergyCost);
    out << AmountLine(kStrEconomicPrimaryEnergy, results.fuelAnnualCost);
    out << AmountLine(kStrEconomicElectricity, results.electricityAnnualCost);
    out << Text(kStrEconomicUnitCost);
    if (std::isfinite(results.unitCost))
        Print(out, "  %8.2f $/GJ\n", results.unitCost);
    else
        Print(out, "  %s $/GJ\n", PadLeft(Text(kStrNotAvailable), 8).c_str());
}

// Input summaries, each from its dialog filled as its command fills it; a dialog that cannot be
// filled (its message shown) prints no summary rather than its own defaults as the project's.
void WriteInputSummaries(std::ostream& out, CTidewarmDoc& doc, Language language) {
    out << "\n\n" << Text(kStrSystemParameters) << Text(kStrSystemParametersRule) << "\n";
    const auto summary = [&doc, &out, language](auto&& dialog) {
        if (Fill(doc, dialog)) dialog.PrintSummary(out, language);
    };
    summary(CPoolConfigDlg());
    summary(CWeatherDlg());
    if (doc.UseAlternateInput) summary(CAlternateDlg());
    summary(CSimulationDlg());
    if (doc.UseSolar) {
        summary(CCollectorTestDlg());
        summary(CCollectorUseDlg());
        summary(CPipesDlg());
        if (doc.UseExchanger) summary(CHeatExchangerDlg());
    }
    summary(CPoolDesignDlg());
    summary(CPoolUseDlg());
    summary(CBlanketDlg());
    if (doc.UseAuxHeater) summary(CAuxHeaterDlg());
    if (doc.DoEconomics) summary(CEconomicsDlg());
    if (doc.HourlyOutput) {
        summary(CHlyPrintEnergiesDlg());
        summary(CHlyPrintPoolDlg());
        summary(CHlyPrintWeatherDlg());
        summary(CHlyPrintCollectorDlg());
        summary(CHlyPrintControlsDlg());
    }
}

// Writes the whole report at once; false after a message when the file cannot be written.
// Puts the report in place whole, or leaves any earlier one as it was.
bool WriteReportFile(const std::string& reportPath, const std::string& text) {
    const std::optional<Problem> problem = ReplaceFileContents(reportPath, text);
    if (!problem) return true;
    ShowMessage(Text(kStrCannotOpenReport) + "\n" +
                    Formatted(kStrFileProblem, reportPath, problem->message),
                MessageKind::Error);
    return false;
}

}  // namespace

int CTidewarmDoc::WriteReport() {
    const std::string base = ProjectBaseName(GetPathName());
    std::vector<MonthlyRow> rows;
    std::vector<double> referenceUsable;
    if (!ReadMonthlyFiles(base, ReferenceRun != 0, rows, referenceUsable)) return 1;

    const Language language = app::Language;
    std::ostringstream out;
    WriteHeader(out, *this);
    WriteConfiguration(out, *this);
    WritePoolCharacteristics(out, *this);
    const ArraySize arraySize = SelectedArraySize(*this);
    WriteSolarCharacteristics(out, *this, arraySize);
    WriteMonthlyTables(out, *this, rows, referenceUsable, language);
    if (DoEconomics) WriteEconomics(out, *this, rows, arraySize);
    if (PrintParameters) WriteInputSummaries(out, *this, language);

    const std::string reportPath = base + kReportExtension;
    if (!WriteReportFile(reportPath, out.str())) return 1;
    if (onReportWritten) {
        SetResultsOutOfDate(0);
        onReportWritten(reportPath);
    }
    return 0;
}

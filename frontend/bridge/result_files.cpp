#include "result_files.h"

#include <SQLiteCpp/Transaction.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>

#include "batch_input.h"
#include "calendar.h"
#include "data_folder_files.h"
#include "file_kind.h"
#include "frontend_strings.h"
#include "input_ranges.h"
#include "number_entry.h"
#include "number_text.h"
#include "physical_constants.h"
#include "recordset.h"
#include "result_records.h"
#include "user_interface.h"

namespace {

constexpr int kDaysPerYear = 365;
// Results keeps a line's position in a byte.
constexpr int kMaxMonthlyLines = std::numeric_limits<std::uint8_t>::max();

std::string Trimmed(const std::string& text) {
    return std::string(WithoutBlanks(text));
}

std::string_view Heading(MonthlyColumn column) {
    return kMonthlyColumns[column].name;
}

std::string_view Heading(HourlyColumn column) {
    return kHourlyColumns[column].name;
}

ResultFileProblem FileProblem(std::string_view file, int line, const std::string& what) {
    return {FormatResString(kStrResultFileLine, std::string(file).c_str(), line, what.c_str())};
}

ResultFileProblem NotANumber(std::string_view file, int line, std::string_view field) {
    return FileProblem(file, line, FormatResString(kStrNotANumber, std::string(field).c_str()));
}

// The message of a heading or record line that the record reader refused.
ResultFileProblem RecordProblem(std::string_view file, const ResultRecordProblem& problem) {
    using Kind = ResultRecordProblem::Kind;
    switch (problem.kind) {
        case Kind::kUnknownHeading:
            return FileProblem(file, problem.line,
                               FormatResString(kStrUnknownMonthlyHeading, problem.field.c_str()));
        case Kind::kFieldCount:
            return FileProblem(
                file, problem.line,
                FormatResString(kStrFieldCount, problem.fieldCount, problem.headingCount));
        case Kind::kNotANumber:
            break;
    }
    return NotANumber(file, problem.line, problem.field);
}

// The month of a line, read from `field`: a whole number 0 (the season) to 12.
std::optional<ResultFileProblem> ReadMonth(std::string_view file, int line, std::string_view field,
                                           int& month) {
    const std::optional<double> value = ParseNumber(field);
    constexpr double kLastMonth = 12;
    if (!value || *value != std::trunc(*value) || *value < 0 || *value > kLastMonth)
        return FileProblem(
            file, line,
            FormatResString(kStrMonthNotWhole, std::string(Heading(kMonthlyMonth)).c_str(),
                            std::string(field).c_str()));
    month = static_cast<int>(*value);
    return std::nullopt;
}

// Refuses `value`, read from `field` of `column` on a line of `month`, outside its range; a value
// that is not finite as not a number.
std::optional<ResultFileProblem> CheckRange(std::string_view file, int line, MonthlyColumn column,
                                            std::string_view field, double value, int month) {
    if (!std::isfinite(value)) return NotANumber(file, line, field);
    const auto [low, high] = ResultValueRange(kMonthlyColumns[column].quantity, month);
    if (value >= low && value <= high) return std::nullopt;
    return FileProblem(file, line,
                       FormatResString(kStrResultOutOfRange, std::string(Heading(column)).c_str(),
                                       std::string(field).c_str(), low, high));
}

// The slot in kResultColumns of a column of the monthly file (`ofReference` false) or of the
// reference file.
std::size_t SlotOf(MonthlyColumn column, bool ofReference) {
    std::size_t slot = 0;
    while (kResultColumns[slot].column != column || kResultColumns[slot].ofReference != ofReference)
        ++slot;
    return slot;
}

// The index of the heading `name` among `headings`; nothing when it is missing.
std::optional<std::size_t> HeadingIndex(const std::vector<std::string_view>& headings,
                                        std::string_view name) {
    const auto found = std::find(headings.begin(), headings.end(), name);
    if (found == headings.end()) return std::nullopt;
    return static_cast<std::size_t>(found - headings.begin());
}

ResultFileProblem HeadingMissing(std::string_view file, std::string_view heading) {
    return FileProblem(file, 1, FormatResString(kStrHeadingMissing, std::string(heading).c_str()));
}

// The reference file, read record by record beside the monthly file, with the months of the
// records read.
struct ReferenceRecords {
    explicit ReferenceRecords(std::istream& stream) : reader(stream) {}
    MonthlyRecordReader reader;
    std::vector<int> months;
};

// Reads the reference file's headings; its months must be there to be checked, and the usable
// days to be read.
std::optional<ResultFileProblem> ReadReferenceHeadings(MonthlyRecordReader& reference) {
    if (const auto problem = reference.ReadHeadings())
        return RecordProblem(kReferenceMonthlyResultFileName, *problem);
    for (const MonthlyColumn column : {kMonthlyMonth, kMonthlyUsableDays})
        if (!reference.Names(column))
            return HeadingMissing(kReferenceMonthlyResultFileName, Heading(column));
    return std::nullopt;
}

// The usable days of the unheated case from the reference file's next record, whose month is
// kept to be checked against the monthly file's `month`.
std::optional<ResultFileProblem> ReadNoHeatDays(ReferenceRecords& reference, int lineNumber,
                                                int month, double& days) {
    MonthlyRecord record;
    if (!reference.reader.ReadRecord(record)) {
        if (const auto& problem = reference.reader.Problem())
            return RecordProblem(kReferenceMonthlyResultFileName, *problem);
        return FileProblem(kMonthlyResultFileName, lineNumber,
                           LoadResString(kStrReferenceFileEnds));
    }
    int referenceMonth = 0;
    if (auto problem = ReadMonth(kReferenceMonthlyResultFileName, lineNumber,
                                 reference.reader.Field(kMonthlyMonth), referenceMonth))
        return problem;
    if (auto problem = CheckRange(kReferenceMonthlyResultFileName, lineNumber, kMonthlyUsableDays,
                                  reference.reader.Field(kMonthlyUsableDays),
                                  record[kMonthlyUsableDays], month))
        return problem;
    reference.months.push_back(referenceMonth);
    days = record[kMonthlyUsableDays];
    return std::nullopt;
}

// The reference file holds the monthly file's months in the same order, and nothing after them.
std::optional<ResultFileProblem> CheckReferenceMonths(ReferenceRecords& reference,
                                                      const std::vector<MonthlyResultRow>& rows) {
    constexpr int kFirstRecordLine = 2;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (reference.months[i] != rows[i].month)
            return FileProblem(kReferenceMonthlyResultFileName,
                               kFirstRecordLine + static_cast<int>(i),
                               FormatResString(kStrSeasonMonthMissing, rows[i].month));
    MonthlyRecord record;
    if (reference.reader.ReadRecord(record) || reference.reader.Problem())
        return FileProblem(kReferenceMonthlyResultFileName,
                           kFirstRecordLine + static_cast<int>(rows.size()),
                           LoadResString(kStrAfterSeasonRow));
    return std::nullopt;
}

// Month 1..12 and day of month of a day of the 365-day year; 0 and 0 outside 1..365.
void SetMonthAndDay(DailyTemperature& d) {
    d.month = 0;
    d.day = 0;
    if (d.dayOfYear < 1 || d.dayOfYear > kDaysPerYear) return;
    int month = 1, day = d.dayOfYear;
    while (day > DaysInMonthNoLeap(month)) day -= DaysInMonthNoLeap(month++);
    d.month = month;
    d.day = day;
    d.fracMonth = month + (day - 1.0) / DaysInMonthNoLeap(month);
}

// The columns of the hourly file that the front end reads: the date of each hour, which must
// follow the season, and the pool temperature.
struct HourlyColumns {
    std::size_t month = 0, day = 0, hour = 0, tPool = 0;
    std::size_t Last() const { return std::max({month, day, hour, tPool}); }
};

std::optional<ResultFileProblem> FindHourlyColumns(const std::vector<std::string_view>& headings,
                                                   HourlyColumns& columns) {
    const std::optional<std::size_t> tPool = HeadingIndex(headings, Heading(kHourlyTPool));
    if (!tPool) return ResultFileProblem{LoadResString(kStrNoHourlyTemperatures)};
    columns.tPool = *tPool;
    for (auto [column, index] :
         {std::pair{kHourlyMonth, &columns.month}, std::pair{kHourlyDay, &columns.day},
          std::pair{kHourlyHour, &columns.hour}}) {
        const std::optional<std::size_t> found = HeadingIndex(headings, Heading(column));
        if (!found) return HeadingMissing(kHourlyResultFileName, Heading(column));
        *index = *found;
    }
    return std::nullopt;
}

// The line's month, day and hour (1 to 24) are those of the hour `hour` of `day`.
std::optional<ResultFileProblem> CheckHourDate(const std::vector<std::string_view>& fields,
                                               const HourlyColumns& columns,
                                               const DailyTemperature& day, int hour,
                                               int lineNumber) {
    const auto holds = [&](std::size_t column, int expected) {
        return ParseNumber(fields[column]) == std::optional<double>(expected);
    };
    if (holds(columns.month, day.month) && holds(columns.day, day.day) && holds(columns.hour, hour))
        return std::nullopt;
    return FileProblem(kHourlyResultFileName, lineNumber,
                       FormatResString(kStrSeasonHourMissing, day.month, day.day, hour));
}

// The lines of a whole monthly file: one per month of the season, in its order, then the
// season's line (month 0) as the last. The first line out of place is named.
std::optional<ResultFileProblem> CheckSeasonLines(const std::vector<MonthlyResultRow>& rows,
                                                  const std::vector<int>& months) {
    constexpr int kFirstRecordLine = 2;
    for (std::size_t i = 0; i < months.size(); ++i)
        if (i >= rows.size() || rows[i].month != months[i])
            return FileProblem(kMonthlyResultFileName, kFirstRecordLine + static_cast<int>(i),
                               FormatResString(kStrSeasonMonthMissing, months[i]));
    const int seasonLine = kFirstRecordLine + static_cast<int>(months.size());
    if (rows.size() <= months.size() || rows[months.size()].month != 0)
        return FileProblem(kMonthlyResultFileName, seasonLine, LoadResString(kStrNoSeasonRow));
    if (rows.size() > months.size() + 1)
        return FileProblem(kMonthlyResultFileName, seasonLine + 1,
                           LoadResString(kStrAfterSeasonRow));
    return std::nullopt;
}

void StoreMonthlyRows(SQLite::Database& database, int runId,
                      const std::vector<MonthlyResultRow>& rows) {
    CResultsSet set;
    OpenById(set, kRunIdColumn, runId, &database);
    for (std::size_t line = 0; line < rows.size(); ++line) {
        set.AddNew();
        set.m_RunId = runId;
        set.m_SortId = static_cast<std::uint8_t>(line);
        set.m_Month = static_cast<std::uint8_t>(rows[line].month);
        SetResultValues(rows[line], set);
        set.Update();
    }
}

void StoreDailyRows(SQLite::Database& database, int runId,
                    const std::vector<DailyTemperature>& days) {
    CDailySet set;
    OpenById(set, kRunIdColumn, runId, &database);
    for (std::size_t n = 0; n < days.size(); ++n) {
        set.AddNew();
        set.m_RunId = runId;
        set.m_SortId = static_cast<std::int32_t>(n);
        set.m_DayOfYear = days[n].dayOfYear;
        set.m_Month = static_cast<std::uint8_t>(days[n].month);
        set.m_Day = static_cast<std::uint8_t>(days[n].day);
        set.m_FracMonth = days[n].fracMonth;
        set.m_TPool = days[n].tPool;
        set.Update();
    }
}

void DeleteRunRows(SQLite::Database& database, int runId) {
    for (const std::string_view table : {"Results", "Daily"})
        DeleteById(database, table, kRunIdColumn, runId);
}

// The monthly rows, or nothing after the failure's message.
std::optional<std::vector<MonthlyResultRow>> LoadMonthlyRows(const std::string& folder,
                                                             const RunSeason& season,
                                                             bool doubleRun) {
    std::ifstream monthly = OpenRegularFile(folder + "/" + std::string(kMonthlyResultFileName));
    if (!monthly.is_open()) {
        ShowMessage(LoadResString(kStrCannotOpenMonthlyResults));
        return std::nullopt;
    }
    std::ifstream reference;
    if (doubleRun) {
        reference = OpenRegularFile(folder + "/" + std::string(kReferenceMonthlyResultFileName));
        if (!reference.is_open()) {
            ShowMessage(LoadResString(kStrCannotOpenReferenceResults));
            return std::nullopt;
        }
    }
    std::vector<MonthlyResultRow> rows;
    if (const auto problem =
            ReadMonthlyResultRows(monthly, doubleRun ? &reference : nullptr, season, rows)) {
        ShowMessage(problem->message);
        return std::nullopt;
    }
    return rows;
}

std::optional<std::vector<DailyTemperature>> LoadDailyRows(const std::string& folder,
                                                           const RunSeason& season) {
    std::ifstream hourly = OpenRegularFile(folder + "/" + std::string(kHourlyResultFileName));
    if (!hourly.is_open()) {
        ShowMessage(LoadResString(kStrCannotOpenHourlyResults));
        return std::nullopt;
    }
    std::vector<DailyTemperature> days;
    if (const auto problem = ReadDailyTemperatures(hourly, season, days)) {
        ShowMessage(problem->message);
        return std::nullopt;
    }
    return days;
}

}  // namespace

const std::array<ResultColumn, kResultValueCount> kResultColumns = {{
    {kMonthlyQInc, false, &CResultsSet::m_QInc, kJoulesPerGigajoule},
    {kMonthlyQColl, false, &CResultsSet::m_QColl, kJoulesPerGigajoule},
    {kMonthlyQPipes, false, &CResultsSet::m_QPipes, kJoulesPerGigajoule},
    {kMonthlyQPumps, false, &CResultsSet::m_QPumps, kJoulesPerGigajoule},
    {kMonthlyQAux, false, &CResultsSet::m_QAux, kJoulesPerGigajoule},
    {kMonthlyQPass, false, &CResultsSet::m_QPass, kJoulesPerGigajoule},
    {kMonthlyQAct, false, &CResultsSet::m_QAct, kJoulesPerGigajoule},
    {kMonthlyQGain, false, &CResultsSet::m_QGain, kJoulesPerGigajoule},
    {kMonthlyQEvap, false, &CResultsSet::m_QEvap, kJoulesPerGigajoule},
    {kMonthlyQCond, false, &CResultsSet::m_QCond, kJoulesPerGigajoule},
    {kMonthlyQConv, false, &CResultsSet::m_QConv, kJoulesPerGigajoule},
    {kMonthlyQRad, false, &CResultsSet::m_QRad, kJoulesPerGigajoule},
    {kMonthlyQSide, false, &CResultsSet::m_QSide, kJoulesPerGigajoule},
    {kMonthlyQMakeup, false, &CResultsSet::m_QMakeup, kJoulesPerGigajoule},
    {kMonthlyQLoss, false, &CResultsSet::m_QLoss, kJoulesPerGigajoule},
    {kMonthlyQRes, false, &CResultsSet::m_QRes, kJoulesPerGigajoule},
    {kMonthlyQPrimary, false, &CResultsSet::m_QPrimary, kJoulesPerGigajoule},
    {kMonthlyQElec, false, &CResultsSet::m_QElec, 1},
    {kMonthlyTPool, false, &CResultsSet::m_TPool, 1},
    {kMonthlyCollOnTime, false, &CResultsSet::m_CollOnTime, 1},
    {kMonthlyAuxHeatOnTime, false, &CResultsSet::m_AuxHeatOnTime, 1},
    {kMonthlySwimDays, false, &CResultsSet::m_SwimDays, 1},
    {kMonthlyUsableDays, false, &CResultsSet::m_UsableDays, 1},
    {kMonthlyUsableDays, true, &CResultsSet::m_UsableDaysNoHeat, 1},
}};

std::pair<double, double> ResultValueRange(ResultQuantity quantity, int month) {
    // Water between absolute zero and its boiling point at sea level, degC.
    constexpr double kAbsoluteZero = -273.15;
    constexpr double kBoilingPoint = 100;
    // A flux well beyond any a pool exchanges (the sun brings at most 1.4 kW/m2), W/m2.
    constexpr double kMaxPoolFlux = 1e4;
    const double days = month == 0 ? kDaysPerYear : DaysInMonthNoLeap(month);
    constexpr double kLastMonth = 12;
    switch (quantity) {
        case ResultQuantity::kMonth:
            return {0, kLastMonth};
        case ResultQuantity::kTemperature:
            return {kAbsoluteZero, kBoilingPoint};
        case ResultQuantity::kDuration:
            return {0, days * kSecondsPerDay};
        case ResultQuantity::kDays:
            return {0, days};
        case ResultQuantity::kEnergy:
            break;
    }
    const double most = kPoolSurfaceRange.max * kMaxPoolFlux * kDaysPerYear * kSecondsPerDay;
    return {-most, most};
}

RunSeason RunSeasonOf(const CRunsSet& run) {
    RunSeason season;
    season.startDay = DayOfYearNoLeap(run.m_OpensDay, run.m_OpensMonth);
    season.days = SeasonDays(season.startDay, DayOfYearNoLeap(run.m_ClosesDay, run.m_ClosesMonth));
    return season;
}

std::vector<int> SeasonMonths(const RunSeason& season) {
    std::vector<int> months;
    DailyTemperature day;
    for (int n = 0; n < season.days; ++n) {
        day.dayOfYear = (season.startDay + n - 1) % kDaysPerYear + 1;
        SetMonthAndDay(day);
        if (months.empty() || months.back() != day.month) months.push_back(day.month);
    }
    return months;
}

std::optional<ResultFileProblem> ReadMonthlyResultRows(std::istream& monthly,
                                                       std::istream* reference,
                                                       const RunSeason& season,
                                                       std::vector<MonthlyResultRow>& rows) {
    rows.clear();
    MonthlyRecordReader reader(monthly);
    if (const auto problem = reader.ReadHeadings())
        return RecordProblem(kMonthlyResultFileName, *problem);
    std::optional<ReferenceRecords> referenceRecords;
    if (reference != nullptr) {
        referenceRecords.emplace(*reference);
        if (auto problem = ReadReferenceHeadings(referenceRecords->reader)) return problem;
    }

    for (MonthlyRecord record; reader.ReadRecord(record);) {
        const int lineNumber = reader.Line();
        if (rows.size() == kMaxMonthlyLines)
            return FileProblem(kMonthlyResultFileName, lineNumber,
                               FormatResString(kStrTooManyLines, kMaxMonthlyLines));
        MonthlyResultRow row;
        if (reader.Names(kMonthlyMonth))
            if (auto problem = ReadMonth(kMonthlyResultFileName, lineNumber,
                                         reader.Field(kMonthlyMonth), row.month))
                return problem;
        // The month bounds the line's days and durations, wherever its column stands.
        for (const MonthlyColumn column : reader.Columns()) {
            if (column == kMonthlyMonth) continue;
            if (auto problem = CheckRange(kMonthlyResultFileName, lineNumber, column,
                                          reader.Field(column), record[column], row.month))
                return problem;
            const std::size_t slot = SlotOf(column, false);
            row.values[slot] = record[column] / kResultColumns[slot].divisor;
        }
        if (referenceRecords)
            if (auto problem = ReadNoHeatDays(*referenceRecords, lineNumber, row.month,
                                              row.values[SlotOf(kMonthlyUsableDays, true)]))
                return problem;
        rows.push_back(row);
    }
    if (const auto& problem = reader.Problem())
        return RecordProblem(kMonthlyResultFileName, *problem);
    if (auto problem = CheckSeasonLines(rows, SeasonMonths(season))) return problem;
    if (referenceRecords) return CheckReferenceMonths(*referenceRecords, rows);
    return std::nullopt;
}

std::optional<ResultFileProblem> ReadDailyTemperatures(std::istream& hourly,
                                                       const RunSeason& season,
                                                       std::vector<DailyTemperature>& days) {
    days.clear();
    std::string line;
    std::getline(hourly, line);
    line = Trimmed(line);
    const std::vector<std::string_view> headings = ResultLineFields(line);
    HourlyColumns columns;
    if (auto problem = FindHourlyColumns(headings, columns)) return problem;

    DailyTemperature day;
    day.dayOfYear = season.startDay;
    SetMonthAndDay(day);
    double sum = 0;
    int hours = 0;
    int lineNumber = 2;
    for (; std::getline(hourly, line); ++lineNumber) {
        line = Trimmed(line);
        if (line.empty()) break;
        const std::vector<std::string_view> fields = ResultLineFields(line);
        if (fields.size() <= columns.Last())
            return FileProblem(kHourlyResultFileName, lineNumber,
                               FormatResString(kStrFieldCount, static_cast<int>(fields.size()),
                                               static_cast<int>(headings.size())));
        // Hours past the season are counted, and the count refuses them.
        const bool inSeason = static_cast<int>(days.size()) < season.days;
        if (inSeason)
            if (auto problem = CheckHourDate(fields, columns, day, hours + 1, lineNumber))
                return problem;
        const std::optional<double> value = ParseNumber(fields[columns.tPool]);
        if (!value) return NotANumber(kHourlyResultFileName, lineNumber, fields[columns.tPool]);
        // The hour's pool temperature, bounded as the month's average is.
        if (auto problem = CheckRange(kHourlyResultFileName, lineNumber, kMonthlyTPool,
                                      fields[columns.tPool], *value, day.month))
            return problem;
        sum += *value;
        if (++hours < kHoursPerDay) continue;
        day.tPool = sum / kHoursPerDay;
        days.push_back(day);
        sum = 0;
        hours = 0;
        day.dayOfYear = day.dayOfYear % kDaysPerYear + 1;  // 31 December is followed by 1 January
        SetMonthAndDay(day);
    }
    const int allHours = static_cast<int>(days.size()) * kHoursPerDay + hours;
    if (allHours != season.days * kHoursPerDay)
        return FileProblem(kHourlyResultFileName, lineNumber,
                           FormatResString(kStrHourCount, allHours, season.days * kHoursPerDay));
    return std::nullopt;
}

void DeleteRunResults(int runId) {
    SQLite::Database database = ConnectDatabase();
    SQLite::Transaction transaction(database);
    DeleteRunRows(database, runId);
    transaction.commit();
}

void SetResultValues(const MonthlyResultRow& row, CResultsSet& set) {
    for (std::size_t c = 0; c < kResultColumns.size(); ++c)
        set.*kResultColumns[c].member = row.values[c];
}

std::optional<SimulationOutputs> ReadSimulationOutputs(const std::string& folder,
                                                       const RunSeason& season, bool doubleRun) {
    std::optional<std::vector<MonthlyResultRow>> monthly =
        LoadMonthlyRows(folder, season, doubleRun);
    if (!monthly) return std::nullopt;
    std::optional<std::vector<DailyTemperature>> daily = LoadDailyRows(folder, season);
    if (!daily) return std::nullopt;
    return SimulationOutputs{std::move(*monthly), std::move(*daily)};
}

bool LoadSimulationOutputs(const std::string& folder, const RunSeason& season, bool doubleRun,
                           int runId) {
    const std::optional<SimulationOutputs> outputs =
        ReadSimulationOutputs(folder, season, doubleRun);
    if (!outputs) return false;
    try {
        SQLite::Database database = ConnectDatabase();
        SQLite::Transaction transaction(database);
        DeleteRunRows(database, runId);
        StoreMonthlyRows(database, runId, outputs->monthly);
        StoreDailyRows(database, runId, outputs->daily);
        transaction.commit();
    } catch (const std::exception& error) {
        ShowMessage(LoadResString(kStrResultsDatasetError) + "\n" + error.what());
        return false;
    }
    return true;
}

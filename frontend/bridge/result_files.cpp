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
#include "physical_constants.h"
#include "recordset.h"
#include "user_interface.h"

namespace {

constexpr int kDaysPerYear = 365;
// Results keeps a line's position in a byte.
constexpr int kMaxMonthlyLines = std::numeric_limits<std::uint8_t>::max();

std::string Trimmed(const std::string& text) {
    constexpr const char* kBlanks = " \t\r\n\f\v";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The fields of a line; a comma at the very end adds none.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    for (int pos = 0; pos >= 0 && static_cast<std::size_t>(pos) < line.size();)
        fields.push_back(NextCsvField(line, pos));
    return fields;
}

ResultFileProblem FileProblem(std::string_view file, int line, const std::string& what) {
    return {FormatResString(kStrResultFileLine, std::string(file).c_str(), line, what.c_str())};
}

ResultFileProblem NotANumber(std::string_view file, int line, const std::string& field) {
    return FileProblem(file, line, FormatResString(kStrNotANumber, field.c_str()));
}

// The month of a line, read from `field`: a whole number 0 (the season) to 12.
std::optional<ResultFileProblem> ReadMonth(std::string_view file, int line,
                                           const std::string& field, int& month) {
    const std::optional<double> value = ParseNumber(field);
    constexpr double kLastMonth = 12;
    if (!value || *value != std::trunc(*value) || *value < 0 || *value > kLastMonth)
        return FileProblem(
            file, line,
            FormatResString(kStrMonthNotWhole, std::string(kMonthHeading).c_str(), field.c_str()));
    month = static_cast<int>(*value);
    return std::nullopt;
}

// Refuses `value`, read from `field` of `column` on a line of `month`, outside its range.
std::optional<ResultFileProblem> CheckRange(std::string_view file, int line,
                                            const ResultColumn& column, const std::string& field,
                                            double value, int month) {
    const auto [low, high] = ResultValueRange(column.quantity, month);
    if (value >= low && value <= high) return std::nullopt;
    return FileProblem(file, line,
                       FormatResString(kStrResultOutOfRange, std::string(column.heading).c_str(),
                                       field.c_str(), low, high));
}

// Where each heading's value goes: the index in kResultColumns, or -1 for the month.
std::optional<ResultFileProblem> MapHeadings(const std::string& line, std::vector<int>& slots) {
    constexpr int kMonthSlot = -1;
    for (const std::string& heading : Fields(line)) {
        if (heading == kMonthHeading) {
            slots.push_back(kMonthSlot);
            continue;
        }
        int slot = 0;
        while (slot < static_cast<int>(kResultColumns.size()) &&
               kResultColumns[static_cast<std::size_t>(slot)].heading != heading)
            ++slot;
        if (slot == static_cast<int>(kResultColumns.size()))
            return FileProblem(kMonthlyResultFileName, 1,
                               FormatResString(kStrUnknownMonthlyHeading, heading.c_str()));
        slots.push_back(slot);
    }
    return std::nullopt;
}

std::size_t SlotOf(std::string_view heading) {
    std::size_t slot = 0;
    while (kResultColumns[slot].heading != heading) ++slot;
    return slot;
}

std::size_t NoHeatSlot() {
    return SlotOf(kNoHeatUsableDaysHeading);
}

const ResultColumn& TPoolColumn() {
    return kResultColumns[SlotOf(kPoolTemperatureHeading)];
}

// The index of the heading `name` among `headings`; nothing when it is missing.
std::optional<std::size_t> HeadingIndex(const std::vector<std::string>& headings,
                                        std::string_view name) {
    const auto found = std::find(headings.begin(), headings.end(), name);
    if (found == headings.end()) return std::nullopt;
    return static_cast<std::size_t>(found - headings.begin());
}

ResultFileProblem HeadingMissing(std::string_view file, std::string_view heading) {
    return FileProblem(file, 1, FormatResString(kStrHeadingMissing, std::string(heading).c_str()));
}

// The reference file, read line by line beside the monthly file: the column of its months, and
// the month and the usable days of the unheated case (its last field) of each line read.
struct ReferenceLines {
    explicit ReferenceLines(std::istream& stream) : in(stream) {}
    std::istream& in;
    std::size_t monthColumn = 0;
    std::vector<int> months;
};

// Reads the reference file's headings; its months must be there to be checked.
std::optional<ResultFileProblem> ReadReferenceHeadings(ReferenceLines& reference) {
    std::string line;
    if (!std::getline(reference.in, line))
        return FileProblem(kReferenceMonthlyResultFileName, 1,
                           LoadResString(kStrReferenceFileEnds));
    const std::optional<std::size_t> month = HeadingIndex(Fields(Trimmed(line)), kMonthHeading);
    if (!month) return HeadingMissing(kReferenceMonthlyResultFileName, kMonthHeading);
    reference.monthColumn = *month;
    return std::nullopt;
}

// The usable days of the unheated case: the last field of the reference file's next line,
// whose month is kept to be checked against the monthly file's `month`.
std::optional<ResultFileProblem> ReadNoHeatDays(ReferenceLines& reference, int lineNumber,
                                                int month, double& days) {
    std::string line;
    if (!std::getline(reference.in, line) || Trimmed(line).empty())
        return FileProblem(kMonthlyResultFileName, lineNumber,
                           LoadResString(kStrReferenceFileEnds));
    const std::vector<std::string> fields = Fields(Trimmed(line));
    if (fields.size() <= reference.monthColumn)
        return FileProblem(kReferenceMonthlyResultFileName, lineNumber,
                           FormatResString(kStrFieldCount, static_cast<int>(fields.size()),
                                           static_cast<int>(reference.monthColumn + 1)));
    int referenceMonth = 0;
    if (auto problem = ReadMonth(kReferenceMonthlyResultFileName, lineNumber,
                                 fields[reference.monthColumn], referenceMonth))
        return problem;
    const std::optional<double> value = ParseNumber(fields.back());
    if (!value) return NotANumber(kReferenceMonthlyResultFileName, lineNumber, fields.back());
    if (auto problem = CheckRange(kReferenceMonthlyResultFileName, lineNumber,
                                  kResultColumns[NoHeatSlot()], fields.back(), *value, month))
        return problem;
    reference.months.push_back(referenceMonth);
    days = *value;
    return std::nullopt;
}

// The reference file holds the monthly file's months in the same order, and nothing after them.
std::optional<ResultFileProblem> CheckReferenceMonths(ReferenceLines& reference,
                                                      const std::vector<MonthlyResultRow>& rows) {
    constexpr int kFirstRecordLine = 2;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (reference.months[i] != rows[i].month)
            return FileProblem(kReferenceMonthlyResultFileName,
                               kFirstRecordLine + static_cast<int>(i),
                               FormatResString(kStrSeasonMonthMissing, rows[i].month));
    std::string line;
    if (std::getline(reference.in, line) && !Trimmed(line).empty())
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

std::optional<ResultFileProblem> FindHourlyColumns(const std::vector<std::string>& headings,
                                                   HourlyColumns& columns) {
    const std::optional<std::size_t> tPool = HeadingIndex(headings, kPoolTemperatureHeading);
    if (!tPool) return ResultFileProblem{LoadResString(kStrNoHourlyTemperatures)};
    columns.tPool = *tPool;
    for (auto [name, column] : {std::pair{kMonthHeading, &columns.month},
                                std::pair{std::string_view("Day"), &columns.day},
                                std::pair{std::string_view("Hour"), &columns.hour}}) {
        const std::optional<std::size_t> found = HeadingIndex(headings, name);
        if (!found) return HeadingMissing(kHourlyResultFileName, name);
        *column = *found;
    }
    return std::nullopt;
}

// The line's month, day and hour (1 to 24) are those of the hour `hour` of `day`.
std::optional<ResultFileProblem> CheckHourDate(const std::vector<std::string>& fields,
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

const std::array<ResultColumn, 24> kResultColumns = {{
    {"QInc", &CResultsSet::m_QInc, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QColl", &CResultsSet::m_QColl, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QPipes", &CResultsSet::m_QPipes, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QPumps", &CResultsSet::m_QPumps, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QAux", &CResultsSet::m_QAux, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QPass", &CResultsSet::m_QPass, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QAct", &CResultsSet::m_QAct, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QGain", &CResultsSet::m_QGain, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QEvap", &CResultsSet::m_QEvap, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QCond", &CResultsSet::m_QCond, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QConv", &CResultsSet::m_QConv, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QRad", &CResultsSet::m_QRad, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QSide", &CResultsSet::m_QSide, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QMakeup", &CResultsSet::m_QMakeup, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QLoss", &CResultsSet::m_QLoss, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QRes", &CResultsSet::m_QRes, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QPrimary", &CResultsSet::m_QPrimary, kJoulesPerGigajoule, ResultQuantity::kEnergy},
    {"QElec", &CResultsSet::m_QElec, 1, ResultQuantity::kEnergy},
    {kPoolTemperatureHeading, &CResultsSet::m_TPool, 1, ResultQuantity::kTemperature},
    {"CollOnTime", &CResultsSet::m_CollOnTime, 1, ResultQuantity::kDuration},
    {"AuxHeatOnTime", &CResultsSet::m_AuxHeatOnTime, 1, ResultQuantity::kDuration},
    {"SwimDays", &CResultsSet::m_SwimDays, 1, ResultQuantity::kDays},
    {"UsableDays", &CResultsSet::m_UsableDays, 1, ResultQuantity::kDays},
    {kNoHeatUsableDaysHeading, &CResultsSet::m_UsableDaysNoHeat, 1, ResultQuantity::kDays},
}};

std::pair<double, double> ResultValueRange(ResultQuantity quantity, int month) {
    // Water between absolute zero and its boiling point at sea level, degC.
    constexpr double kAbsoluteZero = -273.15;
    constexpr double kBoilingPoint = 100;
    // A flux well beyond any a pool exchanges (the sun brings at most 1.4 kW/m2), W/m2.
    constexpr double kMaxPoolFlux = 1e4;
    const double days = month == 0 ? kDaysPerYear : DaysInMonthNoLeap(month);
    switch (quantity) {
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

std::string NextCsvField(const std::string& line, int& pos) {
    if (pos < 0 || static_cast<std::size_t>(pos) >= line.size()) return {};
    const std::size_t start = static_cast<std::size_t>(pos);
    const std::size_t comma = line.find(',', start);
    const std::size_t end = comma == std::string::npos ? line.size() : comma;
    pos = static_cast<int>(end + 1);
    return line.substr(start, end - start);
}

double CsvFieldToDouble(const std::string& line, int& pos) {
    return std::strtod(NextCsvField(line, pos).c_str(), nullptr);
}

std::optional<ResultFileProblem> ReadMonthlyResultRows(std::istream& monthly,
                                                       std::istream* reference,
                                                       const RunSeason& season,
                                                       std::vector<MonthlyResultRow>& rows) {
    rows.clear();
    std::string line;
    std::vector<int> slots;
    std::getline(monthly, line);
    if (auto problem = MapHeadings(Trimmed(line), slots)) return problem;
    std::optional<ReferenceLines> referenceLines;
    if (reference != nullptr) {
        referenceLines.emplace(*reference);
        if (auto problem = ReadReferenceHeadings(*referenceLines)) return problem;
    }

    for (int lineNumber = 2; std::getline(monthly, line); ++lineNumber) {
        line = Trimmed(line);
        if (line.empty()) break;
        if (rows.size() == kMaxMonthlyLines)
            return FileProblem(kMonthlyResultFileName, lineNumber,
                               FormatResString(kStrTooManyLines, kMaxMonthlyLines));
        const std::vector<std::string> fields = Fields(line);
        if (fields.size() != slots.size())
            return FileProblem(kMonthlyResultFileName, lineNumber,
                               FormatResString(kStrFieldCount, static_cast<int>(fields.size()),
                                               static_cast<int>(slots.size())));
        MonthlyResultRow row;
        std::vector<double> values(fields.size());
        for (std::size_t f = 0; f < fields.size(); ++f) {
            const std::optional<double> value = ParseNumber(fields[f]);
            if (!value) return NotANumber(kMonthlyResultFileName, lineNumber, fields[f]);
            values[f] = *value;
            if (slots[f] < 0) {
                if (auto problem =
                        ReadMonth(kMonthlyResultFileName, lineNumber, fields[f], row.month))
                    return problem;
            }
        }
        // The month bounds the line's days and durations, wherever its column stands.
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (slots[f] < 0) continue;
            const auto slot = static_cast<std::size_t>(slots[f]);
            if (auto problem = CheckRange(kMonthlyResultFileName, lineNumber, kResultColumns[slot],
                                          fields[f], values[f], row.month))
                return problem;
            row.values[slot] = values[f] / kResultColumns[slot].divisor;
        }
        if (referenceLines)
            if (auto problem = ReadNoHeatDays(*referenceLines, lineNumber, row.month,
                                              row.values[NoHeatSlot()]))
                return problem;
        rows.push_back(row);
    }
    if (auto problem = CheckSeasonLines(rows, SeasonMonths(season))) return problem;
    if (referenceLines) return CheckReferenceMonths(*referenceLines, rows);
    return std::nullopt;
}

std::optional<ResultFileProblem> ReadDailyTemperatures(std::istream& hourly,
                                                       const RunSeason& season,
                                                       std::vector<DailyTemperature>& days) {
    days.clear();
    std::string line;
    std::getline(hourly, line);
    const std::vector<std::string> headings = Fields(Trimmed(line));
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
        const std::vector<std::string> fields = Fields(line);
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
        if (auto problem = CheckRange(kHourlyResultFileName, lineNumber, TPoolColumn(),
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

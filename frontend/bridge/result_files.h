// The result files of a simulation as the front end reads them: the monthly file and, for a run
// with a reference case, the reference file whose last column is the unheated pool's usable
// days; the hourly file, whose pool temperature is averaged over each day. Each is text: a line
// of headings, then one record per line, fields separated by ",". Reading is separate from
// storing, so that a file is checked whole before any of its rows reaches the database.
#pragma once

#include <array>
#include <istream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "record_sets.h"
#include "result_columns.h"

// A value column of Results with the result file's column that fills it: a column of the
// monthly file, or of the reference file for the unheated pool's usable days. Energies come in
// joules and are kept in GJ, except the electricity, kept in joules.
struct ResultColumn {
    MonthlyColumn column;
    bool ofReference;
    double CResultsSet::*member;
    double divisor;  // 1e9 for J to GJ, else 1
};

// The values a quantity can physically take on a line of `month` (1..12; 0 the season's line),
// in the units of the result files (J, degC, s, days): a month number, a temperature of liquid
// water, a duration or a count of days within the month (or the year), an energy within what
// the largest pool the runs accept can exchange over a year.
std::pair<double, double> ResultValueRange(ResultQuantity quantity, int month);

// Every column of the monthly file but the month, and the reference file's usable days.
inline constexpr std::size_t kResultValueCount = kMonthlyColumnCount;
extern const std::array<ResultColumn, kResultValueCount> kResultColumns;

// One record line of the monthly file, with the value of each column of kResultColumns that
// its headings name (the others 0).
struct MonthlyResultRow {
    int month = 0;  // 0 the season's row
    std::array<double, kResultValueCount> values{};
};

// One day of the hourly file: its pool temperature averaged over its 24 hours.
struct DailyTemperature {
    int dayOfYear = 0;  // 1..365
    int month = 0;
    int day = 0;
    double fracMonth = 0;  // month + (day - 1) / days of the month
    double tPool = 0;      // degC
};

// The season of a run as the simulation runs it: its first day of year (1..365) and its number
// of days.
struct RunSeason {
    int startDay = 1;
    int days = 0;
};

// The season of the run's opening and closing dates, counted as batch mode counts it.
RunSeason RunSeasonOf(const CRunsSet& run);

// The months of `season` in the order they are simulated (11, 12, 1, 2 over the new year).
std::vector<int> SeasonMonths(const RunSeason& season);

// Why a result file was not taken: the message, in the user's language, that names the file
// and the line.
struct ResultFileProblem {
    std::string message;
};

// The rows of the monthly file of `season` and, when `reference` is given, the usable days of each
// of its lines in the unheated case. Refused whole: a heading not known (letter case counts), a
// line whose field count is not the headings', a field that is not a finite number, a value
// outside its range, a reference file with fewer lines, more than 255 lines, and a file that is
// not one line per month of the season in its order followed by the season's line (month 0) as
// its last; a reference file refused as the monthly file is, without the month or the usable
// days, or whose months are not the monthly file's, line by line, with nothing after.
[[nodiscard]] std::optional<ResultFileProblem> ReadMonthlyResultRows(
    std::istream& monthly, std::istream* reference, const RunSeason& season,
    std::vector<MonthlyResultRow>& rows);

// The days of the hourly file of `season`, the first being its start day, the year wrapping
// after 31 December. Refused whole: no pool temperature column (message 159), no month, day or
// hour column, a line without those fields or whose value is not a number, a pool temperature
// out of its range, a line whose month, day and hour (1 to 24) are not those of its place in the
// season, a number of hours other than 24 for each day of the season.
[[nodiscard]] std::optional<ResultFileProblem> ReadDailyTemperatures(
    std::istream& hourly, const RunSeason& season, std::vector<DailyTemperature>& days);

// The result files of one simulation, read whole and checked.
struct SimulationOutputs {
    std::vector<MonthlyResultRow> monthly;  // the season's row last
    std::vector<DailyTemperature> daily;
};

// Reads the result files in `folder` of a simulation of `season` (with the reference file when
// `doubleRun`), storing nothing; nothing after the message of the first file refused.
[[nodiscard]] std::optional<SimulationOutputs> ReadSimulationOutputs(const std::string& folder,
                                                                     const RunSeason& season,
                                                                     bool doubleRun);

// The value columns of `row` put into the members of `set` that keep them.
void SetResultValues(const MonthlyResultRow& row, CResultsSet& set);

// Deletes the run's Results and Daily rows (its Economics row stays), in one transaction.
void DeleteRunResults(int runId);

// Loads the result files of the run `runId` from `folder`: the monthly file (with the reference
// file when `doubleRun`) and the hourly file, both of `season`. The run's earlier
// Results and Daily rows are replaced in one transaction, and only when every file was read
// whole: a file refused stores nothing of the run. Each failure is shown; true when all were
// loaded.
[[nodiscard]] bool LoadSimulationOutputs(const std::string& folder, const RunSeason& season,
                                         bool doubleRun, int runId);

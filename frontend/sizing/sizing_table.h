// What a sizing study found, as the window and the command show it: the table of sizes in the
// user's units and language, the same table as CSV, and the two answers, each one sentence.
#pragma once

#include <string>
#include <vector>

#include "display_units.h"
#include "sizing_charts.h"
#include "sizing_study.h"

enum class SizingColumn {
    Collectors,
    CollectorArea,
    SwimDays,
    UsableDays,
    UsableDaysNoHeat,
    Collected,
    Auxiliary,
    Electricity,
    PoolTemperature,
    InitialCosts,
    YearlyCosts,
    LifeCycleCost,
    NetPresentValue,
    Payback,
};

// The columns of the table; the usable days without heating only for a run that simulates the
// unheated pool too.
std::vector<SizingColumn> SizingColumns(bool referenceRun);
// A column's title with its unit in `units`.
std::string SizingColumnTitle(SizingColumn column, UnitSystem units);
// A cell in `units`; `missing` for the economics of the size without solar. Money to the cent.
std::string SizingCell(SizingColumn column, const SizeFigures& size, UnitSystem units,
                       const std::string& missing);

// The table as CSV: a header of the column titles and "This run", then one line per size, the
// run's own marked with "*" in the last column. Numbers with a decimal point.
std::string SizingCsv(const std::vector<SizeFigures>& sizes, bool referenceRun, UnitSystem units);

// The two answers of a study, as positions in its sizes.
struct SizingAnswers {
    std::size_t bestValue = 0;   // the highest net present value (the smaller size on a tie)
    std::size_t enoughDays = 0;  // the smallest size with 95 % of the largest's swimmable days
};
inline constexpr double kEnoughSwimDaysShare = 0.95;
// The answers of a finished study (at least one size with collectors).
SizingAnswers AnswersOf(const std::vector<SizeFigures>& sizes);

// A size in one sentence: "8 collectors (20 m2): 141 swimmable days, net present value $1,240,
// payback 6.2 years."
std::string SizeSentence(const SizeFigures& size, UnitSystem units);
// Each answer with its label, one a line.
std::string AnswersText(const std::vector<SizeFigures>& sizes, UnitSystem units);

// The chart lines of a study against the collector area in `units`: the net present value of
// the sizes with collectors, and the swimmable days of every size.
SizingChartLine NetPresentValueLine(const std::vector<SizeFigures>& sizes, UnitSystem units);
SizingChartLine SwimDaysLine(const std::vector<SizeFigures>& sizes, UnitSystem units);

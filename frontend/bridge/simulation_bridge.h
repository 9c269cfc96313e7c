// The front end's side of a simulation: the run handed to TidewarmPro in batch mode through
// "Tidewarm.tmp", its old results cleared, the program started and waited for, and the result
// files it leaves in the data folder loaded into the database.
#pragma once

#include <array>
#include <string_view>

#include "record_sets.h"

// The report's charts, in the data folder; those of an earlier run are deleted before a run.
inline constexpr std::array<std::string_view, 4> kReportChartFiles = {
    "Report.TDaily.gif", "Report.TMonthly.gif", "Report.Swimmable.gif", "Report.Energies.gif"};

// Simulates `run` (its saved Runs row): writes the batch input file into the data folder (a
// failure stops here, the old results kept); deletes the run's Results and Daily rows, the
// report's charts and the result files of the run before; starts "TidewarmPro -batch" from
// g_strProgramFolder and waits for it; loads its result files. A program that cannot be started or
// ends with a non-zero status is a failed run (message 155 with what the program wrote on standard
// error), and no result file is read. True when the results were loaded; every failure has been
// shown.
bool SimulateRun(const CRunsSet& run);

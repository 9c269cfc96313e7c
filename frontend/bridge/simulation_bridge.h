// The front end's side of a simulation: the run handed to TidewarmPro in batch mode through
// "Tidewarm.tmp", its old results cleared, the program started and waited for, and the result
// files it leaves in the data folder loaded into the database.
#pragma once

#include <optional>

#include "record_sets.h"
#include "result_files.h"

// How a simulation of a run ended.
enum class SimulationOutcome {
    NotStarted,  // the data folder held by another simulation, the batch input file not
                 // written or the old results not deleted: nothing was simulated, the old
                 // results stay
    Failed,      // simulated without results: the run has none now
    Refused,     // simulated, but a result file was refused: nothing of it is stored, and the
                 // run has no results
    Loaded,      // the results are in the database
};

// Simulates `run` (its saved Runs row) while holding the data folder's simulation lock (another
// simulation that keeps it past a short wait refuses this one, with its message): writes the batch
// input file into the data folder (a failure stops here, the old results kept); deletes the run's
// Results and Daily rows, the report's page and charts and the result files of the run before;
// starts "TidewarmPro -batch" from g_strProgramFolder, handing it the lock, and waits for it;
// loads its result files. A program that cannot be started, ends with a non-zero status or is
// ended by a signal is a failed run: message 155 with how the program ended and what it wrote on
// standard error; no result file is read, and none, nor any temporary of one, is left. Every
// failure has been shown.
[[nodiscard]] SimulationOutcome SimulateRun(const CRunsSet& run);

// Simulates `run` as SimulateRun does (the same lock, batch input file, program and result
// readers) without touching the database or the report: the run need not be saved, and its
// results are only read. Nothing after the failure's message.
[[nodiscard]] std::optional<SimulationOutputs> SimulateWithoutStoring(const CRunsSet& run);

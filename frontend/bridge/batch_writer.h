// The batch input file of a run: the run's row and the object rows it refers to turned into the
// values of "Tidewarm.tmp", then written in the one format that TidewarmPro reads.
#pragma once

#include <optional>
#include <string>

#include "batch_input.h"
#include "record_sets.h"

// The values of the batch input file for `run` (a saved Runs row): its pool use, collector,
// heater and blanket rows (Id 1 of an object table stands for none: selector 0, no details),
// its city's weather file in g_strClimateFolder by the city list. Nothing, after message 153
// (city not in the list) or 149 to 152 (an object row missing), when a row cannot be found.
[[nodiscard]] std::optional<BatchInput> BatchInputOfRun(const CRunsSet& run);

// Writes the batch input file of `run` to `path` (the file appears whole or not at all).
// False after its message when a row is missing, when TidewarmPro would refuse a
// value (its reader's own words) or when the file cannot be written (154).
[[nodiscard]] bool WriteRunBatchInput(const CRunsSet& run, const std::string& path);

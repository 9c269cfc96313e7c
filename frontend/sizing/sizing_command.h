// The work of the command tidewarm-sizing, without its start: the study of a stored run
// printed as CSV, its answers beside it.
#pragma once

#include <optional>
#include <ostream>
#include <string>

// The run number `text` names (a whole number, nothing else); nothing when it names none.
std::optional<int> ParseRunNumber(const std::string& text);

// Runs the study of the stored run `runId` in the run's units and writes its table as CSV to
// `table` and its two answers to `answers`. 0 when done; 1 after the failure's message (the
// run missing, without collector or economics, a size that failed).
int PrintSizingStudy(int runId, std::ostream& table, std::ostream& answers);

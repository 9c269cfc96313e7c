// The input form's Run and Report on the current run, without windows: what they ask of the
// database and of the simulation.
#pragma once

#include <optional>
#include <string>

#include "simulation_bridge.h"

// Simulates the current run as it is stored (SimulateRun); NotStarted, without a message, when
// g_nCurrentRunId names no row.
[[nodiscard]] SimulationOutcome SimulateCurrentRun();

// Builds the report of the current run in the data folder, in the language in force; the path
// of its page, or nothing after the report's message.
[[nodiscard]] std::optional<std::string> BuildCurrentRunReport();

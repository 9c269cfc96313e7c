// Batch input files written as the front end writes them: one value per line, integers "%d",
// texts "%s", reals "%lg".
#pragma once

#include <filesystem>
#include <string>

#include "batch_input.h"

namespace test {

// A run of a residential in-ground pool from 1 May to 30 September with every block present.
BatchInput SampleBatchInput(const std::string& weatherFile);

// The lines of the file for `input`, each ending with `lineEnd`.
std::string BatchInputText(const BatchInput& input, const std::string& lineEnd = "\n");

}  // namespace test

// Save As of the report window: the report page saved with its four charts, each saved report
// keeping pictures of its own.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "problem.h"
#include "report_set.h"

// The page a Save As writes for the name `chosen` in its file chooser: a name typed without
// extension takes the ".html" of the chooser's filter.
std::filesystem::path SavedReportPage(const std::filesystem::path& chosen);

// Saves the report `report` (the data folder's page) as `target`: its charts are copied into a
// new folder of their own in SavedChartsFolder(target), and the page, showing them from there,
// then takes the name `target` in one step: an earlier report saved as `target` stays whole
// until then, and its charts go afterwards. A save stopped at any moment leaves the earlier
// report or the new one; what it leaves besides is removed by the next save as `target`, or by
// the next start. The file that could not be read or written, with the reason; nothing on
// success.
[[nodiscard]] std::optional<Problem> SaveReportWithCharts(const std::filesystem::path& report,
                                                          const std::filesystem::path& target);

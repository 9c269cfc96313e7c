// Save As of the report window: the report page saved with its four charts, each saved report
// keeping pictures of its own.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "problem.h"

// The page a Save As writes for the name `chosen` in its file chooser: a name typed without
// extension takes the ".html" of the chooser's filter.
std::filesystem::path SavedReportPage(const std::filesystem::path& chosen);

// The folder of the charts of a report saved as `target`: "<name>_files" beside "<name>.html".
std::filesystem::path SavedChartsFolder(const std::filesystem::path& target);

// Saves the report `report` as `target`: its charts (named in the page without folder) are
// copied into SavedChartsFolder(target), replacing pictures of the same names there, and the
// page, its references to them made relative to that folder, is written to `target`. All are
// written under temporary names and renamed only once every one is complete, so that a failure
// leaves an earlier report saved as `target` byte for byte, and no temporary. Nothing else beside
// `target` is written. The file that could not be read or written, with the reason; nothing on
// success.
[[nodiscard]] std::optional<Problem> SaveReportWithCharts(const std::filesystem::path& report,
                                                          const std::filesystem::path& target);

// Save As of the report window: the report page and its four charts copied together.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Copies the report `report` to `target` and the charts beside it (they are named in the page
// without folder) into the folder of `target`, replacing files of the same names. The reason
// when a file could not be copied; nothing on success.
std::optional<std::string> CopyReportWithCharts(const std::filesystem::path& report,
                                                const std::filesystem::path& target);

#include "report_copy.h"

#include <system_error>

#include "simulation_bridge.h"

namespace {

std::optional<std::string> CopyOne(const std::filesystem::path& from,
                                   const std::filesystem::path& to) {
    std::error_code error;
    // A file copied onto itself is already in place.
    if (std::filesystem::equivalent(from, to, error)) return std::nullopt;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
    if (error) return from.string() + ": " + error.message();
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CopyReportWithCharts(const std::filesystem::path& report,
                                                const std::filesystem::path& target) {
    if (auto problem = CopyOne(report, target)) return problem;
    for (std::string_view chart : kReportChartFiles)
        if (auto problem = CopyOne(report.parent_path() / chart, target.parent_path() / chart))
            return problem;
    return std::nullopt;
}

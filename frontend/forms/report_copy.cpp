#include "report_copy.h"

#include <fstream>
#include <iterator>
#include <list>
#include <sstream>
#include <system_error>

#include "data_folder_files.h"
#include "file_kind.h"
#include "file_replace.h"
#include "report_set.h"

namespace {

Problem Failure(const std::filesystem::path& file, const std::error_code& error) {
    return Problem{file.string() + ": " + error.message()};
}

}  // namespace

std::filesystem::path SavedReportPage(const std::filesystem::path& chosen) {
    if (chosen.has_extension()) return chosen;
    std::filesystem::path page = chosen;
    return page += ".html";
}

std::optional<Problem> SaveReportWithCharts(const std::filesystem::path& report,
                                            const std::filesystem::path& target) {
    std::ifstream in = OpenRegularFile(report);
    if (!in.is_open()) return Problem{report.string() + ": cannot be read"};
    std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    const SaveUnderWay note(report.parent_path(), target);
    const std::filesystem::path folder = SavedChartsFolder(target);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return Failure(folder, error);
    std::optional<Problem> problem;
    {
        NewReportFolder charts(folder, kSavedChartsPrefix);
        if (charts.Path().empty())
            return Failure(folder, std::error_code(errno, std::generic_category()));
        for (std::string_view chart : kReportChartFiles) {
            const std::optional<std::string> source = ChartSource(page, chart);
            const std::filesystem::path from =
                report.parent_path() / source.value_or(std::string(chart));
            problem =
                CopyFileWhole(from.string(), (charts.Path() / chart).string(), ExistingFile::kKeep);
            if (problem) break;
        }
        PointChartsAt(page, SavedChartsUrl(target, charts.Path()));
        if (!problem) {
            // The page is written whole under a temporary name, then renamed over the earlier one.
            StagedFile staged(target.string());
            problem = staged.Write(page);
            if (!problem) problem = staged.Commit(ExistingFile::kReplace);
        }
        if (!problem) charts.Keep();
    }
    RemoveLeftoversOfSaves(target);
    return problem;
}

// The HTML report of a run: its rows read, its four charts drawn, and the template of the
// report's language filled into "Tidewarm.html" in the data folder.
#pragma once

#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <string>

#include "report_set.h"
#include "report_template.h"
#include "run_charts.h"

// The report's templates in the program folder.
inline constexpr std::string_view kEnglishReportTemplate = "Report.html";
inline constexpr std::string_view kFrenchReportTemplate = "ReportFra.html";

// What the report of a run shows: the values of the template's words and the charts' data.
struct RunReportContent {
    TemplateValues values;
    RunChartData charts;
};

// Reads the run's rows on `database` into `content`, in `language`.
// False after a message naming the missing row (results, run, client, installer, economics,
// pool use, collector, heater, blanket) or the database's failure.
[[nodiscard]] bool ReadRunReport(SQLite::Database& database, int runId, Language language,
                                 RunReportContent& content);

// Builds the report of run `runId`: reads its rows, draws its charts into a new folder of the
// data folder "Tidewarm.html.XXXXXX", fills the template of `language` from `programFolder`,
// showing the charts from there, and gives the page the name "Tidewarm.html" in `dataFolder`
// once all is complete (a report set, report_set.h). True with the report's path in `htmlPath`
// (when given); false after a message, with an earlier report left as it was.
[[nodiscard]] bool BuildRunReport(SQLite::Database& database, int runId,
                                  const std::filesystem::path& dataFolder,
                                  const std::filesystem::path& programFolder, Language language,
                                  std::string* htmlPath = nullptr);

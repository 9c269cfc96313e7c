#include "run_report.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "data_folder_files.h"
#include "energy_summary_table.h"
#include "file_kind.h"
#include "file_replace.h"
#include "frontend_strings.h"
#include "report_set.h"
#include "report_values.h"
#include "string_table.h"
#include "user_interface.h"

namespace {

namespace fs = std::filesystem;

// Opens `set` on the rows whose `idColumn` holds `id`; false after message `notFound` (with the
// id) when there is none.
bool OpenRows(CRecordset& set, SQLite::Database& database, std::string_view idColumn, int id,
              int notFound) {
    if (SelectById(set, idColumn, id, &database)) return true;
    ShowMessage(FormatResString(notFound, id));
    return false;
}

// The same for an object's row, found in its own table's Id column.
bool OpenObjectRow(CTidewarmSet& set, SQLite::Database& database, int id, int notFound) {
    return OpenRows(set, database, ObjectIdColumn(set.Type()), id, notFound);
}

// The run's results in the order they were loaded, into the energy table's rows and the charts'.
bool ReadResults(SQLite::Database& database, int runId, std::vector<EnergyRow>& energies,
                 RunChartData& charts) {
    CResultsSet results;
    results.m_strSort = "[SortId]";
    if (!OpenRows(results, database, kRunIdColumn, runId, kStrRunNotFound)) return false;
    for (; !results.IsEOF(); results.MoveNext()) {
        const CResultsSet& r = results;
        energies.push_back({r.m_Month, r.m_QPass, r.m_QAct, r.m_QAux, r.m_QRes, r.m_QEvap,
                            r.m_QConv, r.m_QCond, r.m_QRad, r.m_QSide, r.m_QMakeup});
        charts.months.push_back({r.m_Month, r.m_TPool, r.m_SwimDays, r.m_UsableDays,
                                 r.m_UsableDaysNoHeat, r.m_QAct, r.m_QPass, r.m_QAux});
    }
    return true;
}

void ReadDaily(SQLite::Database& database, int runId, RunChartData& charts) {
    CDailySet daily;
    daily.m_strSort = "[SortId]";
    // A run without daily rows draws an empty chart.
    (void)SelectById(daily, kRunIdColumn, runId, &database);
    for (; !daily.IsEOF(); daily.MoveNext())
        charts.daily.push_back({daily.m_FracMonth, daily.m_TPool});
}

bool ReadRows(SQLite::Database& database, int runId, Language language, RunReportContent& content) {
    RunChartData& charts = content.charts;
    PlaceholderValues& words = content.values.words;
    std::vector<EnergyRow> energies;
    if (!ReadResults(database, runId, energies, charts)) return false;

    CRunsSet run;
    if (!OpenRows(run, database, kRunIdColumn, runId, kStrRunNotFound)) return false;
    const ReportStyle style{run.Units(), language};
    charts.runId = runId;
    charts.units = style.units;
    charts.language = language;
    charts.doubleRun = run.m_DoubleRun;
    ReadDaily(database, runId, charts);

    CClientsSet client;
    CInstallersSet installer;
    CEconomicsSet economics;
    CPoolUseSet poolUse;
    CCollectorsSet collector;
    CHeatersSet heater;
    CBlanketsSet blanket;
    if (!OpenObjectRow(client, database, run.m_ClientId, kStrClientNotFound) ||
        !OpenObjectRow(installer, database, run.m_InstallerId, kStrInstallerNotFound) ||
        !OpenRows(economics, database, kRunIdColumn, runId, kStrEconomicsNotFound) ||
        !OpenObjectRow(poolUse, database, run.m_PoolUseId, kStrPoolUseNotFound) ||
        !OpenObjectRow(collector, database, run.m_CollectorId, kStrCollectorNotFound) ||
        !OpenObjectRow(heater, database, run.m_HeaterId, kStrHeaterNotFound) ||
        !OpenObjectRow(blanket, database, run.m_BlanketId, kStrBlanketNotFound))
        return false;

    AddRunValues(run, style, words);
    AddClientValues(client, words);
    AddInstallerValues(installer, words);
    AddEconomicsValues(economics, style, words);
    AddPoolUseValues(poolUse, style, words);
    AddCollectorValues(collector, words);
    AddHeaterValues(heater, style, words);
    AddBlanketValues(blanket, words);
    AddUnitValues(style, words);
    std::string table = EnergySummaryTable(energies, style.units);
    if (table.ends_with('\n')) table.pop_back();  // the template's line keeps its own line end
    content.values.lines[std::string(kEnergySummaryTableWord)] = std::move(table);
    return true;
}

// Fills the template into `output`, its charts shown from `chartsUrl`; false after a message.
bool WriteReport(const fs::path& templatePath, const fs::path& output, std::string_view chartsUrl,
                 const TemplateValues& values) {
    std::ifstream in = OpenRegularFile(templatePath);
    if (!in) {
        ShowMessage(FormatResString(kStrCannotOpenFile, templatePath.string()));
        return false;
    }
    std::ostringstream out(std::ios::out | std::ios::binary);
    FillTemplate(in, out, values);
    if (in.bad()) {
        ShowMessage(FormatResString(kStrCannotWriteFile, output.string(), std::strerror(EIO)));
        return false;
    }
    std::string page = std::move(out).str();
    PointChartsAt(page, chartsUrl);
    if (const std::optional<Problem> problem = ReplaceFileContents(output.string(), page)) {
        ShowMessage(FormatResString(kStrCannotWriteFile, output.string(), problem->message));
        return false;
    }
    return true;
}

}  // namespace

bool ReadRunReport(SQLite::Database& database, int runId, Language language,
                   RunReportContent& content) {
    try {
        return ReadRows(database, runId, language, content);
    } catch (const SQLite::Exception& error) {
        ShowMessage(error.what());
        return false;
    }
}

bool BuildRunReport(SQLite::Database& database, int runId, const fs::path& dataFolder,
                    const fs::path& programFolder, Language language, std::string* htmlPath) {
    RunReportContent content;
    if (!ReadRunReport(database, runId, language, content)) return false;
    RemoveReportLeftovers(dataFolder);
    // The page and its charts are made in a folder of their own; the page then takes the
    // earlier report's place in one step, and the earlier report's charts go.
    NewReportFolder made(dataFolder, kReportFolderPrefix);
    if (made.Path().empty()) {
        ShowMessage(FormatResString(kStrCannotWriteFile, (dataFolder / kReportFile).string(),
                                    std::strerror(errno)));
        return false;
    }
    if (!MakeRunCharts(content.charts, made.Path())) return false;
    const fs::path templatePath =
        programFolder /
        (language == Language::French ? kFrenchReportTemplate : kEnglishReportTemplate);
    const std::string chartsUrl = made.Path().filename().string() + "/";
    if (!WriteReport(templatePath, made.Path() / kReportFile, chartsUrl, content.values))
        return false;
    std::error_code error;
    fs::rename(made.Path() / kReportFile, dataFolder / kReportFile, error);
    if (error) {
        ShowMessage(FormatResString(kStrCannotWriteFile, (dataFolder / kReportFile).string(),
                                    error.message()));
        return false;
    }
    made.Keep();
    RemoveReportLeftovers(dataFolder);
    if (htmlPath) *htmlPath = (dataFolder / kReportFile).string();
    return true;
}

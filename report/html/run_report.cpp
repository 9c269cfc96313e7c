#include "run_report.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <system_error>
#include <vector>

#include "data_folder_files.h"
#include "energy_summary_table.h"
#include "frontend_strings.h"
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

// Fills the template into `output` through a temporary file beside it; false after a message.
bool WriteReport(const fs::path& templatePath, const fs::path& output,
                 const TemplateValues& values) {
    std::ifstream in(templatePath, std::ios::binary);
    if (!in) {
        ShowMessage(FormatResString(kStrCannotOpenFile, templatePath.string()));
        return false;
    }
    fs::path temporary = output;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            ShowMessage(FormatResString(kStrCannotOpenFile, temporary.string()));
            return false;
        }
        FillTemplate(in, out, values);
        out.close();
        if (in.bad() || !out) {
            const std::string reason = std::strerror(errno);
            std::error_code ignored;
            fs::remove(temporary, ignored);
            ShowMessage(FormatResString(kStrCannotWriteFile, temporary.string(), reason));
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, output, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        ShowMessage(FormatResString(kStrCannotWriteFile, output.string(), error.message()));
        return false;
    }
    return true;
}

// The files of a report: its page and the four charts it shows.
constexpr std::string_view kReportSetFiles[] = {
    kDailyTemperatureChartFile, kMonthlyTemperatureChartFile, kSwimmableDaysChartFile,
    kEnergiesChartFile, kReportFile};

// The staging folders' names: the report's, a dot and the six characters mkdtemp chooses.
constexpr std::string_view kStagingRandomPart = "XXXXXX";

bool IsStagingFolderName(std::string_view name) {
    return name.size() == kReportFile.size() + 1 + kStagingRandomPart.size() &&
           name.starts_with(kReportFile) && name[kReportFile.size()] == '.';
}

// A descriptor holding the lock of the folder `path` (a folder itself, not a link to one), or -1
// when another process holds it or the folder cannot be opened. The lock ends with the process,
// so a folder whose lock is free was left by a front end that was killed.
int LockFolder(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    ::close(fd);
    return -1;
}

// True when `path` still names the folder open on `fd`.
bool StillNamed(const fs::path& path, int fd) {
    struct stat named;
    struct stat held;
    return ::stat(path.c_str(), &named) == 0 && ::fstat(fd, &held) == 0 &&
           named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

// A new folder beside the report in which its page and charts are made, locked while it lives
// and removed with what it still holds. Empty path when it cannot be made.
class StagingFolder {
  public:
    explicit StagingFolder(const fs::path& dataFolder) {
        std::string name =
            (dataFolder / kReportFile).string() + "." + std::string(kStagingRandomPart);
        if (::mkdtemp(name.data()) == nullptr) return;
        lock_ = LockFolder(name);
        if (lock_ < 0) return;  // errno says why
        // Until it was locked, another front end could take the new folder for a stale one.
        if (StillNamed(name, lock_))
            path_ = name;
        else
            errno = ENOENT;
    }
    ~StagingFolder() {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
        if (lock_ >= 0) ::close(lock_);
    }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
    int lock_ = -1;
};

// Moves the report's files from `staging` into `dataFolder`, the page last. Should one fail, the
// report is taken away whole (no page and none of its charts): never new charts beside an old
// page, nor an old chart beside a new one. False after a message.
bool PlaceReportSet(const fs::path& staging, const fs::path& dataFolder) {
    for (std::string_view name : kReportSetFiles) {
        std::error_code error;
        fs::rename(staging / name, dataFolder / name, error);
        if (!error) continue;
        std::error_code ignored;
        fs::remove(dataFolder / kReportFile, ignored);
        for (std::string_view placed : kReportSetFiles) fs::remove(dataFolder / placed, ignored);
        ShowMessage(
            FormatResString(kStrCannotWriteFile, (dataFolder / name).string(), error.message()));
        return false;
    }
    return true;
}

}  // namespace

void RemoveStaleReportFolders(const fs::path& dataFolder) {
    std::vector<fs::path> staging;
    std::error_code error;
    for (fs::directory_iterator entry(dataFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (IsStagingFolderName(entry->path().filename().string()))
            staging.push_back(entry->path());
    }
    for (const fs::path& folder : staging) {
        const int lock = LockFolder(folder);
        if (lock < 0) continue;  // still in use, or no folder
        std::error_code ignored;
        fs::remove_all(folder, ignored);
        ::close(lock);
    }
}

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
    RemoveStaleReportFolders(dataFolder);
    // The page and its charts are all made before any of them replaces the earlier report's.
    const StagingFolder staging(dataFolder);
    if (staging.Path().empty()) {
        ShowMessage(FormatResString(kStrCannotWriteFile, (dataFolder / kReportFile).string(),
                                    std::strerror(errno)));
        return false;
    }
    if (!MakeRunCharts(content.charts, staging.Path())) return false;
    const fs::path templatePath =
        programFolder /
        (language == Language::French ? kFrenchReportTemplate : kEnglishReportTemplate);
    if (!WriteReport(templatePath, staging.Path() / kReportFile, content.values)) return false;
    if (!PlaceReportSet(staging.Path(), dataFolder)) return false;
    if (htmlPath) *htmlPath = (dataFolder / kReportFile).string();
    return true;
}

#include "run_actions.h"

#include "folders.h"
#include "frontend_globals.h"
#include "recordset.h"
#include "run_report.h"

SimulationOutcome SimulateCurrentRun() {
    CRunsSet run;
    if (!SelectById(run, kRunIdColumn, g_nCurrentRunId)) return SimulationOutcome::NotStarted;
    return SimulateRun(run);
}

std::optional<std::string> BuildCurrentRunReport() {
    std::string path;
    SQLite::Database database = ConnectDatabase();
    if (!BuildRunReport(database, g_nCurrentRunId, DataFolder(), g_strProgramFolder, g_nLanguage,
                        &path))
        return std::nullopt;
    return path;
}

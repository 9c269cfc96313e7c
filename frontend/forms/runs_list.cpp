#include "runs_list.h"

#include <algorithm>

#include "calendar.h"
#include "database_maintenance.h"
#include "frontend_globals.h"
#include "record_sets.h"

std::vector<RunListRow> ReadRunsList() {
    std::vector<RunListRow> rows;
    CRunsManagerSet runs;
    for (runs.Open(); !runs.IsEOF(); runs.MoveNext())
        rows.push_back({runs.m_RunId, FormatRunTime(runs.m_TStamp, g_nLanguage), runs.m_Comments,
                        runs.m_Name});
    return rows;
}

int SelectionAfterRemoval(int removed, int remaining) {
    if (remaining <= 0) return -1;
    return std::clamp(removed, 0, remaining - 1);
}

bool RemoveRun(int runId) {
    return DeleteRun(runId);
}

void ChooseRun(int runId, bool duplicate) {
    g_nCurrentRunId = runId;
    if (duplicate) g_nRunCreationMode = RunCreationMode::Copy;
}

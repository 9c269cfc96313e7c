#include "simulation_bridge.h"

#include <filesystem>

#include "batch_input.h"
#include "batch_writer.h"
#include "calendar.h"
#include "folders.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "process.h"
#include "result_files.h"
#include "user_interface.h"

namespace {

constexpr std::string_view kSimulationProgram = "TidewarmPro";

// The report's charts and the result files of an earlier run: a run that leaves no result file
// must not be read as if it had.
void DeleteEarlierOutputs(const std::string& folder) {
    std::error_code missingIsNoError;
    for (std::string_view chart : kReportChartFiles)
        std::filesystem::remove(folder + "/" + std::string(chart), missingIsNoError);
    for (std::string_view file : {kMonthlyFileName, kReferenceFileName, kHourlyFileName})
        std::filesystem::remove(folder + "/" + std::string(file), missingIsNoError);
}

// True when the program ran and ended well; else the failure is shown.
bool RunSimulationProgram() {
    const ProgramOutcome outcome =
        RunProgram(g_strProgramFolder + "/" + std::string(kSimulationProgram), {"-batch"});
    if (outcome.Succeeded()) return true;
    std::string why = outcome.started ? outcome.errors : outcome.problem;
    if (outcome.started && outcome.exited && why.empty())
        why = std::string(kSimulationProgram) + ": exit status " + std::to_string(outcome.exitCode);
    ShowMessage(LoadResString(kStrCannotOpenMonthlyResults) + "\n" + why);
    return false;
}

}  // namespace

SimulationOutcome SimulateRun(const CRunsSet& run) {
    const std::string folder = DataFolder();
    if (!WriteRunBatchInput(run, folder + "/" + std::string(kBatchInputFileName)))
        return SimulationOutcome::NotStarted;
    try {
        DeleteRunResults(run.m_RunId);
    } catch (const std::exception& error) {
        ShowMessage(LoadResString(kStrResultsDatasetError) + "\n" + error.what());
        return SimulationOutcome::NotStarted;
    }
    DeleteEarlierOutputs(folder);
    if (!RunSimulationProgram()) return SimulationOutcome::Failed;
    const int startDay = DayOfYearNoLeap(run.m_OpensDay, run.m_OpensMonth);
    return LoadSimulationOutputs(folder, startDay, run.m_DoubleRun, run.m_RunId) == 1
               ? SimulationOutcome::Loaded
               : SimulationOutcome::Failed;
}

#include "simulation_bridge.h"

#include <csignal>
#include <cstring>
#include <filesystem>

#include "batch_input.h"
#include "batch_writer.h"
#include "data_folder_files.h"
#include "file_lock.h"
#include "file_replace.h"
#include "folders.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "process.h"
#include "result_files.h"
#include "user_interface.h"

namespace {

constexpr std::string_view kSimulationProgram = "TidewarmPro";

// Every result file of a simulation before, so that one that leaves none is never read as if it
// had.
void DeleteResultFiles(const std::string& folder) {
    std::error_code missingIsNoError;
    for (std::string_view file : kBatchResultFiles)
        std::filesystem::remove(folder + "/" + std::string(file), missingIsNoError);
}

// What a run before this one left: the report (its page and charts, which would show old
// results) and every result file.
void DeleteEarlierOutputs(const std::string& folder) {
    std::error_code missingIsNoError;
    for (std::string_view chart : kReportChartFiles)
        std::filesystem::remove(folder + "/" + std::string(chart), missingIsNoError);
    std::filesystem::remove(folder + "/" + std::string(kReportFile), missingIsNoError);
    DeleteResultFiles(folder);
}

// After a failed simulation: its result files, and the temporaries of a program stopped
// half-way.
void DeleteFailedRunFiles(const std::string& folder) {
    DeleteResultFiles(folder);
    RemoveSimulationTemporaries(folder);
}

// Why the program did not end well, in the user's language, followed by its standard error.
std::string ProgramFailure(const ProgramOutcome& outcome) {
    const std::string program(kSimulationProgram);
    std::string why;
    if (!outcome.started)
        why = FormatResString(kStrProgramNotStarted, program, outcome.problem);
    else if (outcome.exited)
        why = FormatResString(kStrProgramExitStatus, program, outcome.exitCode);
    else if (outcome.signal != 0)
        why = FormatResString(kStrProgramEndedBySignal, program, outcome.signal,
                              std::string(strsignal(outcome.signal)));
    else
        why = outcome.problem;
    if (!outcome.errors.empty()) why += "\n" + outcome.errors;
    return why;
}

// True when the program ran and ended well; else the failure is shown. The program shares the
// caller's lock of the data folder.
bool RunSimulationProgram(const FileLock& lock) {
    const ProgramOutcome outcome =
        RunProgram(g_strProgramFolder + "/" + std::string(kSimulationProgram), {"-batch"},
                   {lock.Descriptor(), kHandedLockVariable});
    if (outcome.Succeeded()) return true;
    ShowMessage(LoadResString(kStrCannotOpenMonthlyResults) + "\n" + ProgramFailure(outcome));
    return false;
}

}  // namespace

SimulationOutcome SimulateRun(const CRunsSet& run) {
    const std::string folder = DataFolder();
    FileLock lock;
    if (!ReserveDataFolder(lock, folder, {kStrAnotherSimulation, kStrCannotLockDataFolder}))
        return SimulationOutcome::NotStarted;
    if (!WriteRunBatchInput(run, folder + "/" + std::string(kBatchInputFileName)))
        return SimulationOutcome::NotStarted;
    try {
        DeleteRunResults(run.m_RunId);
    } catch (const std::exception& error) {
        ShowMessage(LoadResString(kStrResultsDatasetError) + "\n" + error.what());
        return SimulationOutcome::NotStarted;
    }
    DeleteEarlierOutputs(folder);
    if (!RunSimulationProgram(lock)) {
        DeleteFailedRunFiles(folder);
        return SimulationOutcome::Failed;
    }
    return LoadSimulationOutputs(folder, RunSeasonOf(run), run.m_DoubleRun, run.m_RunId)
               ? SimulationOutcome::Loaded
               : SimulationOutcome::Refused;
}

std::optional<SimulationOutputs> SimulateWithoutStoring(const CRunsSet& run) {
    const std::string folder = DataFolder();
    FileLock lock;
    if (!ReserveDataFolder(lock, folder, {kStrAnotherSimulation, kStrCannotLockDataFolder}) ||
        !WriteRunBatchInput(run, folder + "/" + std::string(kBatchInputFileName)))
        return std::nullopt;
    DeleteResultFiles(folder);
    if (!RunSimulationProgram(lock)) {
        DeleteFailedRunFiles(folder);
        return std::nullopt;
    }
    return ReadSimulationOutputs(folder, RunSeasonOf(run), run.m_DoubleRun);
}

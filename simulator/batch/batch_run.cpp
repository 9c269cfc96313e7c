// Batch mode's run: the batch input applied, the simulation of "Tidewarm.tdw", and every result
// file deleted whenever the run did not succeed, so the front end never reads results of
// another run. The run holds the data folder's simulation lock throughout.
#include <filesystem>
#include <memory>

#include "batch_mode.h"
#include "data_folder_files.h"
#include "document.h"
#include "file_replace.h"
#include "program_folders.h"
#include "simulation_lock.h"
#include "simulator_strings.h"
#include "user_interface.h"

CTidewarmDoc::CTidewarmDoc(int) : CTidewarmDoc() {
    if (g_nBatchMode == 1) batchResult_ = RunBatch();
}

int CTidewarmDoc::RunBatch() {
    const std::string project = g_strDataFolder + "/" + std::string(kBatchProjectFileName);
    int result = 1;
    if (LoadBatchInput() == 1) {
        SetModifiedFlag(0);
        result = RunSimulation(project);
        if (result != 0) ShowMessage(FormatResString(kStrBatchRunFailed, result));
        // The front end reads the report's file too: a run without it has failed.
        if (result == 0 && ReportResult() != 0) result = 1;
    }
    if (result == 0) return 0;
    // No result of this run or of the one before stays, nor the text report of the one before,
    // nor any temporary.
    for (std::string_view name : kBatchResultFiles) {
        const std::string file = g_strDataFolder + "/" + std::string(name);
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        RemoveTemporaryFiles(file);
    }
    RemoveTemporaryFiles(project);
    return 1;
}

int RunBatchProgram() {
    // A run refused because another one holds the data folder touches none of its files; the
    // front end that started this run hands its lock down.
    FileLock lock;
    if (!ReserveDataFolderForRun(lock)) return 1;
    // The document is large: it lives on the heap for the run.
    const auto document = std::make_unique<CTidewarmDoc>(1);
    return document->BatchResult() == 0 ? 0 : 1;
}

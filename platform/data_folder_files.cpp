#include "data_folder_files.h"

#include "file_replace.h"

void RemoveSimulationTemporaries(const std::string& folder) {
    for (std::string_view file : kBatchResultFiles)
        RemoveTemporaryFiles(folder + "/" + std::string(file));
    RemoveTemporaryFiles(folder + "/" + std::string(kBatchProjectFileName));
    RemoveTemporaryFiles(folder + "/" + std::string(kBatchInputFileName));
}

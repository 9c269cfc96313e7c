#include "simulation_lock.h"

#include "program_folders.h"
#include "simulator_strings.h"

bool ReserveDataFolderForRun(FileLock& lock) {
    return ReserveDataFolder(lock, g_strDataFolder,
                             {kStrAnotherSimulation, kStrCannotLockDataFolder});
}

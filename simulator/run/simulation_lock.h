// One simulation at a time in the data folder, started from the windows or in batch mode: both
// write result files of fixed names there.
#pragma once

#include "file_lock.h"

// Takes the data folder's simulation lock into `lock`, waiting a while for another simulation to
// end; false, after the message that says why, when it is refused.
[[nodiscard]] bool ReserveDataFolderForRun(FileLock& lock);

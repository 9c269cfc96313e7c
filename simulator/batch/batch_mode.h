// Batch mode of the simulation program.
#pragma once

// Batch mode: one document built with the batch constructor runs the front end's run. Returns
// the process exit code: 0 when the run succeeded, 1 otherwise.
int RunBatchProgram();

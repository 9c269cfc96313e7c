// A kill at a chosen moment of putting files in place: the process ends (SIGKILL) as it calls
// rename for the n-th time from now, before that file is renamed. A forked child that calls it
// stands for a program killed at that moment, whatever it made before.
#pragma once

namespace test {

void KillAtRename(int n);

}  // namespace test

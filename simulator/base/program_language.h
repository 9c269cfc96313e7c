// The simulation program's language: what its texts, dialogs and report are written in.
#pragma once

namespace app {
// Language in effect for this process (0 English, 1 French); fixed at start.
inline int Language = 0;
// Language chosen for the next start; what the configuration file receives.
inline int PendingLanguage = 0;
}  // namespace app

// The simulation program's language: what its texts, dialogs and report are written in.
#pragma once

#include "language.h"

namespace app {
// Language in effect for this process; fixed at start. (Inside this namespace the name is the
// variable's, hence `::Language` for the type.)
inline ::Language Language = ::Language::English;
// Language chosen for the next start; what the configuration file receives.
inline ::Language PendingLanguage = ::Language::English;
}  // namespace app

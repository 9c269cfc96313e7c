// A project's values checked as its input dialogs check them: each dialog filled from the
// project as its command fills it, and every field, and every value of the profiles it opens,
// held against the field's range. A project file is read with this check, so that a file holds
// nothing that no dialog would take.
#pragma once

#include <optional>
#include <string>

#include "document.h"

// The first value of `document` that its dialog, or a profile editor opened from it, would
// refuse: the value as the dialog shows it and the dialog's message. Nothing when every value
// lies within its range.
[[nodiscard]] std::optional<std::string> RefusedProjectValue(CTidewarmDoc& document);

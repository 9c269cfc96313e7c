// The rows of each input dialog's window: labels, units and groupings in both languages, with
// the dialogs' control ids; and the pages of the help book that explain them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hourly_columns.h"
#include "input_window.h"
#include "profile_editors.h"

// The layout of the input dialog of `templateId` (the thirteen system dialogs), in the language
// in force; nothing for any other template.
std::optional<DialogLayout> InputDialogLayout(int templateId);

// The profile editors and the hourly-output selections lay out their own number of values.
DialogLayout ProfileDoubleLayout();
DialogLayout ProfileLayout(int valueCount);
DialogLayout HourlyOutputLayout(const CHlyPrintDlg& dialog);

// Every help page a window opens, without the book's folder and language suffix.
std::vector<std::string> HelpPages();

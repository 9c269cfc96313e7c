// The input commands of a project: for each, its menu text, the switches that enable it and
// what it does: fill the dialog's data from the project, run the dialog's window, and on OK copy
// the data back.
#pragma once

#include <functional>
#include <span>

#include "dialog_fields.h"
#include "document.h"

class wxWindow;

// Runs the window of one input dialog modally over `parent`, bound to `dialog`; true on OK.
using InputWindowRunner = std::function<bool(wxWindow* parent, InputDialog& dialog)>;

// Makes `runner` the window of the dialogs of template `templateId` (an empty runner removes
// it). A dialog without a window is not shown, and its command changes nothing.
void SetInputWindow(int templateId, InputWindowRunner runner);

struct InputCommand {
    int id;
    int menuTextId;
    bool (*enabled)(const CTidewarmDoc& project);
    // Fills the dialog, runs its window and, on OK, copies it back; true on OK.
    bool (*run)(CTidewarmDoc& project, wxWindow* parent);
};

// The System menu's commands and the Hourly Outputs menu's, in menu order.
std::span<const InputCommand> SystemCommands();
std::span<const InputCommand> HourlyOutputCommands();
// The command of `id`; null when `id` is no input command.
const InputCommand* FindInputCommand(int id);

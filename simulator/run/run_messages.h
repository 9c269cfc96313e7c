// Messages of the simulation run: texts of the string table, and the box that reports a component
// failing while the model is stepped.
#pragma once

#include <string_view>

// Shows the string `id`, followed by `detail` when given.
void ShowRunMessage(int id, std::string_view detail = {});

// Shows "Domain error in component: " (code 4) or "Fatal error in component: " (any other code),
// the title of string `titleId`, the library's last formatted message and ".\nCheck component.";
// returns `code`.
int ShowComponentFailure(int code, int titleId);

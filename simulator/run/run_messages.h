// Messages of the simulation run: texts of the string table, and the box that reports a component
// failing while the model is stepped.
#pragma once

#include <string_view>

class FileReader;

// Shows the string `id`, followed by `detail` when given.
void ShowRunMessage(int id, std::string_view detail = {});

// Shows that the weather file does not open: the file (when there is one) with the system's
// reason, or the reader's for a header that does not read, and where to choose another.
void ShowWeatherOpenFailure(const FileReader* weather);

// Shows "Domain error in component: " (code 4) or "Fatal error in component: " (any other code),
// the title of string `titleId`, the library's last formatted message and ".\nCheck component.";
// returns `code`.
int ShowComponentFailure(int code, int titleId);

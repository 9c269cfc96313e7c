// The work of the command tidewarm-weather, without its start: weather files imported as cities
// of a folder, or shown with their monthly figures.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs the command of `arguments` (the command line without the program's name): "import
// FILE... [--into FOLDER] [--name NAME] [--replace]" into `climateFolder` unless --into names
// another, or "show FILE". Results go to `out`, reasons to `err`. 0 when every file was
// imported or shown, 1 when one was refused, 2 for a command line that names no work.
int RunWeatherCommand(const std::vector<std::string>& arguments, const std::string& climateFolder,
                      std::ostream& out, std::ostream& err);

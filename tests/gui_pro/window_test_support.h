// What the window tests of TidewarmPro share: those of both programs, and a project on
// generated weather.
#pragma once

#include <filesystem>

#include "document.h"
#include "gui_test_support.h"
#include "wx_headers.h"

namespace gui_test {

// Writes a project that simulates `days` summer days on a generated weather file of the
// current folder, as `path`.
void WriteProject(const std::filesystem::path& path, int days = 10);

// The project that the application's command line names, in the data folder, and how many
// projects were open once the application had started.
inline constexpr char kCommandLineProject[] = "Tidewarm.tdw";
int ProjectsOpenAtStart();

}  // namespace gui_test

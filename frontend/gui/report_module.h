// The report window (a web view, with its print preview) is a module beside the program,
// "TidewarmReport.so", loaded on the first Report: WebKit and poppler bring some 190 shared
// libraries, which the program's start and its runs do without.
#pragma once

#include <string>
#include <variant>

#include "front_wx_headers.h"
#include "problem.h"

// The module, in the program folder.
inline constexpr char kReportModuleName[] = "TidewarmReport.so";
// Its entry, `extern "C" void TidewarmShowReport(wxWindow* parent, const char* reportPath)`:
// the report window over `parent`, until it closes.
inline constexpr char kReportEntryName[] = "TidewarmShowReport";
using ReportEntry = void (*)(wxWindow* parent, const char* reportPath);

// Loads the module of `programFolder` and finds its entry; the loader's reason when it cannot be
// loaded.
[[nodiscard]] std::variant<ReportEntry, Problem> LoadReportModule(const std::string& programFolder);

// Shows the report on `reportPath` over `parent` in the report window, loaded on the first call
// from the program folder; when it cannot be loaded the user is told why, and the program goes
// on.
void DisplayReport(wxWindow* parent, const std::string& reportPath);

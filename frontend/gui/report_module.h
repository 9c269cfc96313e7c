// The report window (a web view, with its print preview) is a module beside the program,
// "TidewarmReport.so", loaded on the first Report: WebKit and poppler bring some 190 shared
// libraries, which the program's start and its runs do without.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "front_wx_headers.h"
#include "messages.h"
#include "problem.h"
#include "user_interface.h"

// The module, in the program folder.
inline constexpr char kReportModuleName[] = "TidewarmReport.so";

// What the report window uses of the program, handed to the module's entry: the program's one
// copy of its string tables, message sink, help book and file choosers' titles, and the saving of
// a report with its charts. The module holds nothing else of the program.
struct ReportModuleServices {
    std::string (*loadResString)(int id);
    std::optional<std::string> (*formatChecked)(std::string_view format,
                                                std::span<const MessageArg> args);
    void (*showMessage)(std::string_view text, MessageKind kind);
    wxString (*saveAsTitle)();
    std::filesystem::path (*savedReportPage)(const std::filesystem::path& chosen);
    std::filesystem::path (*savedChartsFolder)(const std::filesystem::path& target);
    std::optional<Problem> (*saveReportWithCharts)(const std::filesystem::path& report,
                                                   const std::filesystem::path& target);
    void (*bindHelp)(wxWindow& window, const std::string& page);
};

// Its entry, `extern "C" void TidewarmShowReport(const ReportModuleServices& program,
// wxWindow* parent, const char* reportPath)`: the report window over `parent`, until it closes.
inline constexpr char kReportEntryName[] = "TidewarmShowReport";
using ReportEntry = void (*)(const ReportModuleServices& program, wxWindow* parent,
                             const char* reportPath);

// Loads the module of `programFolder` and finds its entry; the loader's reason when it cannot be
// loaded.
[[nodiscard]] std::variant<ReportEntry, Problem> LoadReportModule(const std::string& programFolder);

// Shows the report on `reportPath` over `parent` in the report window, loaded on the first call
// from the program folder; when it cannot be loaded the user is told why, and the program goes
// on.
void DisplayReport(wxWindow* parent, const std::string& reportPath);

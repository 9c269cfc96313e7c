// The entry of the report module "TidewarmReport.so", which the program loads on the first
// Report. The module holds the report window and its print preview only. What they call of the
// program is defined here once more, each calling the program's own function through the table
// the entry is handed, so that the module asks nothing of the program file's symbols and the
// report window runs on the program's one string table, message sink and help book.
#include "build_identity.h"
#include "build_identity_value.h"
#include "help_pages.h"
#include "report_copy.h"
#include "report_module.h"
#include "report_window.h"
#include "string_table.h"
#include "wx_translations.h"

namespace {

const ReportModuleServices* g_program = nullptr;

}  // namespace

// The build the module comes from, checked by the program before it calls the entry.
extern "C" [[gnu::visibility("default")]] const char* TidewarmBuildIdentity() {
    return kBuildIdentity;
}

extern "C" [[gnu::visibility("default")]] void TidewarmShowReport(
    const ReportModuleServices& program, wxWindow* parent, const char* reportPath) {
    g_program = &program;
    ShowReportWindow(parent, reportPath);
}

std::string LoadResString(int id) {
    return g_program->loadResString(id);
}

std::optional<std::string> FormatChecked(std::string_view format,
                                         std::span<const MessageArg> args) {
    return g_program->formatChecked(format, args);
}

void ShowMessage(std::string_view text, MessageKind kind) {
    g_program->showMessage(text, kind);
}

wxString SaveAsTitle() {
    return g_program->saveAsTitle();
}

std::filesystem::path SavedReportPage(const std::filesystem::path& chosen) {
    return g_program->savedReportPage(chosen);
}

std::filesystem::path SavedChartsFolder(const std::filesystem::path& target) {
    return g_program->savedChartsFolder(target);
}

std::optional<Problem> SaveReportWithCharts(const std::filesystem::path& report,
                                            const std::filesystem::path& target) {
    return g_program->saveReportWithCharts(report, target);
}

void BindHelp(wxWindow& window, const std::string& page) {
    g_program->bindHelp(window, page);
}

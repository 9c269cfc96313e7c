#include "report_module.h"

#include "frontend_globals.h"
#include "help_pages.h"
#include "report_copy.h"
#include "shared_module.h"
#include "string_table.h"
#include "window_texts.h"
#include "wx_translations.h"

// A program linked with the report window itself (the window tests) shows it directly; the
// program file has not got it, and loads the module.
[[gnu::weak]] void ShowReportWindow(wxWindow* parent, const std::string& reportPath);

namespace {

constexpr ReportModuleServices kProgramServices = {
    LoadResString,   FormatChecked,     ShowMessage,          SaveAsTitle,
    SavedReportPage, SavedChartsFolder, SaveReportWithCharts, BindHelp,
};

// The module's entry, loaded on the first call; nullptr after the user was told why it could not
// be loaded.
ReportEntry ModuleEntry() {
    const std::variant<ReportEntry, Problem> loaded = LoadReportModule(g_strProgramFolder);
    if (const Problem* problem = std::get_if<Problem>(&loaded)) {
        ShowMessage(FormatResString(kStrReportModuleFailed, problem->message));
        return nullptr;
    }
    return std::get<ReportEntry>(loaded);
}

}  // namespace

std::variant<ReportEntry, Problem> LoadReportModule(const std::string& programFolder) {
    return LoadModuleEntry<ReportEntry>(programFolder + "/" + kReportModuleName, kReportEntryName);
}

void DisplayReport(wxWindow* parent, const std::string& reportPath) {
    if (ShowReportWindow != nullptr) {
        ShowReportWindow(parent, reportPath);
        return;
    }
    static ReportEntry entry = nullptr;
    if (entry == nullptr) entry = ModuleEntry();
    if (entry != nullptr) entry(kProgramServices, parent, reportPath.c_str());
}

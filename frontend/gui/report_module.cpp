#include "report_module.h"

#include "frontend_globals.h"
#include "shared_module.h"
#include "string_table.h"
#include "user_interface.h"
#include "window_texts.h"

// A program linked with the report window itself (the window tests) has the entry; the program
// file has not, and loads the module.
extern "C" [[gnu::weak]] void TidewarmShowReport(wxWindow* parent, const char* reportPath);

std::variant<ReportEntry, Problem> LoadReportModule(const std::string& programFolder) {
    // The module binds to the program's own copy of the layers below the windows (the program
    // exports them): one string table, one help book, one set of settings.
    return LoadModuleEntry<ReportEntry>(programFolder + "/" + kReportModuleName, kReportEntryName);
}

void DisplayReport(wxWindow* parent, const std::string& reportPath) {
    static ReportEntry entry = TidewarmShowReport;
    if (entry == nullptr) {
        const std::variant<ReportEntry, Problem> loaded = LoadReportModule(g_strProgramFolder);
        if (const Problem* problem = std::get_if<Problem>(&loaded)) {
            ShowMessage(FormatResString(kStrReportModuleFailed, problem->message));
            return;
        }
        entry = std::get<ReportEntry>(loaded);
    }
    entry(parent, reportPath.c_str());
}

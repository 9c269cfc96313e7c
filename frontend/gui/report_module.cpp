#include "report_module.h"

#include "frontend_globals.h"
#include "shared_module.h"
#include "string_table.h"
#include "user_interface.h"
#include "window_texts.h"

// A program linked with the report window itself (the window tests) has the entry; the program
// file has not, and loads the module.
extern "C" [[gnu::weak]] void TidewarmShowReport(wxWindow* parent, const char* reportPath);

ReportEntry LoadReportModule(const std::string& programFolder, std::string* problem) {
    // The module binds to the program's own copy of the layers below the windows (the program
    // exports them): one string table, one help book, one set of settings.
    return reinterpret_cast<ReportEntry>(
        LoadModuleEntry(programFolder + "/" + kReportModuleName, kReportEntryName, problem));
}

void DisplayReport(wxWindow* parent, const std::string& reportPath) {
    static ReportEntry entry = TidewarmShowReport;
    if (entry == nullptr) {
        std::string problem;
        entry = LoadReportModule(g_strProgramFolder, &problem);
        if (entry == nullptr) {
            ShowMessage(FormatResString(kStrReportModuleFailed, problem));
            return;
        }
    }
    entry(parent, reportPath.c_str());
}

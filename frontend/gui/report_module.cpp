#include "report_module.h"

#include <dlfcn.h>

#include "frontend_globals.h"
#include "string_table.h"
#include "user_interface.h"
#include "window_texts.h"

// A program linked with the report window itself (the window tests) has the entry; the program
// file has not, and loads the module.
extern "C" [[gnu::weak]] void TidewarmShowReport(wxWindow* parent, const char* reportPath);

ReportEntry LoadReportModule(const std::string& programFolder, std::string* problem) {
    const std::string path = programFolder + "/" + kReportModuleName;
    // The module binds to the program's own copy of the layers below the windows (the program
    // exports them): one string table, one help book, one set of settings. Every symbol is
    // resolved now, so a module that does not fit fails here with its reason. It stays loaded.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        *problem = dlerror();
        return nullptr;
    }
    void* entry = dlsym(module, kReportEntryName);
    if (entry == nullptr) {
        *problem = dlerror();
        dlclose(module);
        return nullptr;
    }
    return reinterpret_cast<ReportEntry>(entry);
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

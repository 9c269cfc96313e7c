// The entry of the report module "TidewarmReport.so", which the program loads on the first
// Report. The module holds the report window and its print preview only; everything else it
// uses is the program's.
#include "report_module.h"
#include "report_window.h"

extern "C" [[gnu::visibility("default")]] void TidewarmShowReport(wxWindow* parent,
                                                                  const char* reportPath) {
    ShowReportWindow(parent, reportPath);
}

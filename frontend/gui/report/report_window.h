// The report window: "Tidewarm.html" in a web view, maximised over the window that asked for it
// and modal like a dialog, with its menu: File (Save As: the page and its charts; Print; Print
// Preview; Exit, also Escape) and Help. Links of the page to "app:" followed by a command word
// call the program instead of navigating. Without a web view the page goes to the user's browser.
#pragma once

#include <wx/webview.h>

#include <string>

#include "front_wx_headers.h"

class ReportWindow : public wxFrame {
  public:
    // The window with its menus and web view; HasView is false when no web view could be made.
    ReportWindow(wxWindow* parent, const std::string& reportPath);

    bool HasView() const { return view_ != nullptr; }

    wxWebView& View() { return *view_; }
    // A command of the page: "Minimise" and "Beep"; any other is shown as unexpected.
    void OnAppCommand(const wxString& command);
    // Save As into `target`: the page and its four charts in a folder of their own.
    bool SaveAs(const wxString& target);
    // The print preview of the page, as Print prints it.
    void ShowPreview();

  private:
    void BuildMenus();
    void ChooseSaveTarget();
    void OnNavigating(wxWebViewEvent& event);

    std::string reportPath_;
    wxWebView* view_ = nullptr;
};

// Shows the report on `reportPath` over `parent` and returns when its window has closed; one
// report window at a time (a second call while one is open does nothing). When no web view can
// be made the page is handed to the user's browser (message 166 when that fails too) and no
// window opens.
void ShowReportWindow(wxWindow* parent, const std::string& reportPath);

// The report window while it is open (for tests); null otherwise.
ReportWindow* OpenReportWindow();

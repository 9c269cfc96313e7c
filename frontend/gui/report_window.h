// The report window: "Tidewarm.html" in a web view, with Save As (the page and its charts) and
// Print. Links of the page to "app:" followed by a command word call the program instead of
// navigating. Without a web view the page goes to the user's browser.
#pragma once

#include <string>

#include "wx_headers.h"

class ReportWindow : public wxFrame {
  public:
    // The window with its menus and web view; HasView is false when no web view could be made.
    ReportWindow(wxWindow* parent, const std::string& reportPath);

    bool HasView() const { return view_ != nullptr; }

    wxWebView& View() { return *view_; }
    // A command of the page: "Minimise" and "Beep"; any other is shown as unexpected.
    void OnAppCommand(const wxString& command);
    // Save As into `target`: the page and its four charts.
    bool SaveAs(const wxString& target);

  private:
    void OnNavigating(wxWebViewEvent& event);

    std::string reportPath_;
    wxWebView* view_ = nullptr;
};

// The report window on `reportPath`, a top-level window of its own; when no web view can be made
// the page is handed to the user's browser (message 166 when that fails too) and no window opens.
// The window, or null.
ReportWindow* OpenReportWindow(const std::string& reportPath);

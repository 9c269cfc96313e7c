#include "report_window.h"

#include "help_pages.h"
#include "report_copy.h"
#include "user_interface.h"
#include "window_texts.h"
#include "wx_text.h"
#include "wx_translations.h"

namespace {

constexpr wxStringCharType kAppScheme[] = wxS("app:");

}  // namespace

ReportWindow::ReportWindow(wxWindow* parent, const std::string& reportPath)
    : wxFrame(parent, wxID_ANY, ResText(kStrReportTitle), wxDefaultPosition, wxSize(1000, 700)),
      reportPath_(reportPath) {
    BindHelp(*this, "report");
    if (wxWebView::IsBackendAvailable(wxWebViewBackendDefault))
        view_ = wxWebView::New(this, wxID_ANY);
    if (view_ == nullptr) return;
    auto* file = new wxMenu;
    file->Append(wxID_SAVEAS, ResText(kStrMenuSaveAs));
    file->Append(wxID_PRINT, ResText(kStrMenuPrint));
    file->AppendSeparator();
    file->Append(wxID_EXIT, ResText(kStrMenuExit));
    auto* menus = new wxMenuBar;
    menus->Append(file, ResText(kStrMenuFile));
    SetMenuBar(menus);

    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
            wxFileDialog dialog(this, SaveAsTitle(), wxEmptyString, "Tidewarm.html",
                                ResText(kStrHtmlFilter), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
            if (dialog.ShowModal() == wxID_OK) SaveAs(dialog.GetPath());
        },
        wxID_SAVEAS);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { view_->Print(); }, wxID_PRINT);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_EXIT);
    view_->Bind(wxEVT_WEBVIEW_NAVIGATING, &ReportWindow::OnNavigating, this);
    view_->LoadURL(wxFileName(ToWx(reportPath_)).GetFullPath().Prepend("file://"));
}

void ReportWindow::OnNavigating(wxWebViewEvent& event) {
    const wxString url = event.GetURL();
    const wxString scheme(kAppScheme);
    if (!url.Lower().StartsWith(scheme)) return;
    // Left alone, the web view would replace the page with an error page.
    event.Veto();
    OnAppCommand(url.Mid(scheme.length()));
}

void ReportWindow::OnAppCommand(const wxString& command) {
    if (command == "Minimise") {
        if (wxWindow* top = wxTheApp->GetTopWindow())
            if (auto* frame = dynamic_cast<wxTopLevelWindow*>(top)) frame->Iconize();
    } else if (command == "Beep") {
        wxBell();
    } else {
        wxMessageBox(command, ResText(kStrUnexpectedCommand), wxOK | wxICON_QUESTION, this);
    }
}

bool ReportWindow::SaveAs(const wxString& target) {
    const auto problem = CopyReportWithCharts(reportPath_, FromWx(target));
    if (problem) ShowMessage(FormatResString(kStrCannotSaveReport, FromWx(target), *problem));
    return !problem;
}

ReportWindow* OpenReportWindow(const std::string& reportPath) {
    // A window of its own: it stays open when the input form closes.
    auto* window = new ReportWindow(nullptr, reportPath);
    if (window->HasView()) {
        window->Show();
        return window;
    }
    window->Destroy();
    if (!wxLaunchDefaultBrowser(wxFileName(ToWx(reportPath)).GetFullPath()))
        ShowMessage(LoadResString(kStrErrorCreatingReport));
    return nullptr;
}

#include "report_window.h"

#include <filesystem>

#include "data_folder_files.h"
#include "help_pages.h"
#include "modal_frame.h"
#include "report_copy.h"
#include "report_print.h"
#include "user_interface.h"
#include "window_texts.h"
#include "wx_text.h"
#include "wx_translations.h"

namespace {

constexpr wxStringCharType kAppScheme[] = wxS("app:");

ReportWindow* g_openReport = nullptr;

}  // namespace

ReportWindow::ReportWindow(wxWindow* parent, const std::string& reportPath)
    : wxFrame(parent, wxID_ANY, ResText(kStrReportTitle), wxDefaultPosition, wxSize(1000, 700),
              wxCAPTION | wxSYSTEM_MENU | wxMAXIMIZE_BOX | wxCLOSE_BOX | wxRESIZE_BORDER |
                  wxFRAME_FLOAT_ON_PARENT),
      reportPath_(reportPath) {
    if (wxWebView::IsBackendAvailable(wxWebViewBackendDefault))
        view_ = wxWebView::New(this, wxID_ANY);
    if (view_ == nullptr) return;
    BuildMenus();
    view_->Bind(wxEVT_WEBVIEW_NAVIGATING, &ReportWindow::OnNavigating, this);
    view_->LoadURL(wxFileName(ToWx(reportPath_)).GetFullPath().Prepend("file://"));
}

void ReportWindow::BuildMenus() {
    auto* file = new wxMenu;
    file->Append(wxID_SAVEAS, ResText(kStrMenuSaveAs));
    file->Append(wxID_PRINT, ResText(kStrMenuPrint));
    file->Append(wxID_PREVIEW, ResText(kStrMenuPrintPreview));
    file->AppendSeparator();
    file->Append(wxID_EXIT, ResText(kStrMenuExit));
    auto* help = new wxMenu;
    help->Append(wxID_HELP, ResText(kStrMenuHelpItem));
    auto* menus = new wxMenuBar;
    menus->Append(file, ResText(kStrMenuFile));
    menus->Append(help, ResText(kStrMenuHelp));
    SetMenuBar(menus);

    BindHelp(*this, "report");
    // F1 for Help, and Escape closes the window as it closes a dialog.
    wxAcceleratorEntry keys[2];
    keys[0].Set(wxACCEL_NORMAL, WXK_F1, wxID_HELP);
    keys[1].Set(wxACCEL_NORMAL, WXK_ESCAPE, wxID_EXIT);
    SetAcceleratorTable(wxAcceleratorTable(2, keys));
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { ChooseSaveTarget(); }, wxID_SAVEAS);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { view_->Print(); }, wxID_PRINT);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { ShowPreview(); }, wxID_PREVIEW);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_EXIT);
}

void ReportWindow::ChooseSaveTarget() {
    wxString folder;
    wxString name = ToWx(kReportFile);
    // A No to a question below takes the user back to the chooser, at the name chosen.
    for (;;) {
        wxFileDialog dialog(this, SaveAsTitle(), folder, name, ResText(kStrHtmlFilter),
                            wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
        if (dialog.ShowModal() != wxID_OK) return;
        folder = dialog.GetDirectory();
        name = dialog.GetFilename();
        const std::filesystem::path chosen = FromWx(dialog.GetPath());
        const std::filesystem::path target = SavedReportPage(chosen);
        // The file dialog asked about the name typed, not about the page its extension completes.
        if (target != chosen && std::filesystem::exists(target) &&
            !AskToReplace(FormatResString(kStrReplaceSavedPage, target.string())))
            continue;
        // The file dialog asked about the page; a folder of pictures without its page is asked
        // here.
        const std::filesystem::path charts = SavedChartsFolder(target);
        if (!std::filesystem::exists(target) && std::filesystem::exists(charts) &&
            !AskToReplace(FormatResString(kStrReplaceSavedCharts, charts.string())))
            continue;
        SaveAs(ToWx(target.string()));
        return;
    }
}

bool ReportWindow::AskToReplace(const std::string& question) {
    return wxMessageBox(ToWx(question), ResText(kStrReportTitle), wxYES_NO | wxICON_QUESTION,
                        this) == wxYES;
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
    const auto problem = SaveReportWithCharts(reportPath_, FromWx(target));
    if (problem)
        ShowMessage(FormatResString(kStrCannotSaveReport, FromWx(target), problem->message));
    return !problem;
}

void ReportWindow::ShowPreview() {
    if (const std::optional<Problem> problem = ShowReportPreview(this, *view_))
        ShowMessage(FormatResString(kStrPreviewFailed, problem->message));
}

void ShowReportWindow(wxWindow* parent, const std::string& reportPath) {
    if (g_openReport != nullptr) return;
    auto* window = new ReportWindow(parent, reportPath);
    if (!window->HasView()) {
        window->Destroy();
        if (!wxLaunchDefaultBrowser(wxFileName(ToWx(reportPath)).GetFullPath()))
            ShowMessage(LoadResString(kStrErrorCreatingReport));
        return;
    }
    g_openReport = window;
    window->Bind(wxEVT_DESTROY, [window](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == window) g_openReport = nullptr;
        event.Skip();
    });
    // Maximised over the window that asked for it; the size of the screen's work area also
    // where no window manager maximises.
    const int display = wxDisplay::GetFromWindow(parent);
    window->SetSize(
        wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea());
    window->Maximize();
    RunFrameModally(*window);
}

ReportWindow* OpenReportWindow() {
    return g_openReport;
}

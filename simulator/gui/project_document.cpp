#include "project_document.h"

#include <fstream>
#include <sstream>

#include "command_ids.h"
#include "file_kind.h"
#include "input_commands.h"
#include "project_checks.h"
#include "report_view.h"
#include "simulation_lock.h"
#include "simulator_strings.h"
#include "small_windows.h"
#include "user_interface.h"
#include "wx_text.h"

wxIMPLEMENT_DYNAMIC_CLASS(CProjectDocument, wxDocument);

CProjectDocument::CProjectDocument() : project_(std::make_unique<CTidewarmDoc>()) {
    BindProject();
    Bind(wxEVT_MENU, &CProjectDocument::OnInputCommand, this, kCmdFirstInput, kCmdLastInput);
    Bind(wxEVT_UPDATE_UI, &CProjectDocument::OnUpdateInputCommand, this, kCmdFirstInput,
         kCmdLastInput);
    Bind(wxEVT_MENU, &CProjectDocument::OnSimulate, this, kCmdSimulate);
    Bind(wxEVT_MENU, &CProjectDocument::OnNewWindow, this, kCmdNewWindow);
}

void CProjectDocument::BindProject() {
    project_->onResultsOutOfDate = [this](int outOfDate) {
        for (wxView* view : GetViewsVector())
            wxStaticCast(view, CTidewarmView)->SetOutOfDate(outOfDate != 0);
    };
    project_->onReportWritten = [this](const std::string& reportPath) { ReadReport(reportPath); };
}

void CProjectDocument::ReadReport(const std::string& reportPath) {
    std::ifstream file = OpenRegularFile(reportPath);
    std::ostringstream text;
    text << file.rdbuf();
    reportText_ = ToWx(text.str());
    for (wxView* view : GetViewsVector())
        wxStaticCast(view, CTidewarmView)->ShowReport(reportText_);
}

void CProjectDocument::Modify(bool modified) {
    wxDocument::Modify(modified);
    project_->SetModifiedFlag(modified ? 1 : 0);
}

bool CProjectDocument::DoOpenDocument(const wxString& path) {
    const std::string file = FromWx(path);
    std::unique_ptr<CTidewarmDoc> opened = LoadProjectFile(file, RefusedProjectValue);
    if (!opened) return false;
    project_ = std::move(opened);
    project_->SetPathName(file);
    BindProject();
    const std::string reportPath = ReportFileName(file);
    if (wxFileExists(ToWx(reportPath))) ReadReport(reportPath);
    project_->SetResultsOutOfDate(project_->ResultsOutOfDate());
    Modify(false);
    return true;
}

bool CProjectDocument::DoSaveDocument(const wxString& path) {
    wxBusyCursor wait;
    const std::string file = FromWx(path);
    if (SaveProjectFile(*project_, file) != 0) return false;
    project_->SetPathName(file);
    return true;
}

void CProjectDocument::OnInputCommand(wxCommandEvent& event) {
    const InputCommand* command = FindInputCommand(event.GetId());
    if (command == nullptr) {
        event.Skip();
        return;
    }
    wxWindow* parent = wxTheApp->GetTopWindow();
    if (command->run(*project_, parent)) Modify(true);
}

void CProjectDocument::OnUpdateInputCommand(wxUpdateUIEvent& event) {
    const InputCommand* command = FindInputCommand(event.GetId());
    if (command == nullptr) {
        event.Skip();
        return;
    }
    event.Enable(command->enabled(*project_));
}

void CProjectDocument::OnSimulate(wxCommandEvent&) {
    if (IsModified() || !GetDocumentSaved()) Save();
    if (IsModified() || !GetDocumentSaved()) {
        ShowMessage(LoadResString(kStrCannotRunUnsaved));
        return;
    }
    wxBusyCursor wait;
    // A batch run of the front end would write its results beside the project's.
    FileLock lock;
    if (!ReserveDataFolderForRun(lock)) return;
    CRunningWindow progress;
    // The run shows its own failures; the report follows a successful run.
    static_cast<void>(project_->RunSimulation(FromWx(GetFilename())));
}

void CProjectDocument::OnNewWindow(wxCommandEvent&) {
    GetDocumentTemplate()->CreateView(this);
}

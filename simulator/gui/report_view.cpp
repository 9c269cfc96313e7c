#include "report_view.h"

#include <algorithm>

#include "input_window.h"
#include "main_frame.h"
#include "menus.h"
#include "project_document.h"
#include "report_printout.h"
#include "tidewarm_app.h"

wxIMPLEMENT_DYNAMIC_CLASS(CTidewarmView, wxView);

CTidewarmView::CTidewarmView() {
    Bind(wxEVT_MENU, &CTidewarmView::OnCopy, this, wxID_COPY);
    Bind(wxEVT_UPDATE_UI, &CTidewarmView::OnUpdateCopy, this, wxID_COPY);
    for (const int id : {wxID_CUT, wxID_PASTE, wxID_UNDO})
        Bind(wxEVT_UPDATE_UI, &CTidewarmView::OnUpdateEditing, this, id);
}

bool CTidewarmView::OnCreate(wxDocument* doc, long flags) {
    if (!wxView::OnCreate(doc, flags)) return false;
    auto* frame = new wxDocMDIChildFrame(doc, this, &TheApp().MainFrame(), wxID_ANY,
                                         doc->GetUserReadableName());
    frame->SetMenuBar(CreateProjectMenuBar(&fileMenu_));
    // The project's window is its report: a click anywhere in it in context-help mode opens the
    // report's page.
    frame->Bind(wxEVT_HELP, [](wxHelpEvent&) { ShowHelpPage(kReportPage); });
    doc->GetDocumentManager()->FileHistoryUseMenu(fileMenu_);
    doc->GetDocumentManager()->FileHistoryAddFilesToMenu(fileMenu_);
    text_ = new wxTextCtrl(frame, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                           wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
    text_->SetMargins(text_->FromDIP(6));
    auto* project = wxStaticCast(doc, CProjectDocument);
    ShowReport(project->ReportText());
    SetOutOfDate(project->Project().ResultsOutOfDate() != 0);
    frame->Show();
    return true;
}

bool CTidewarmView::OnClose(bool deleteWindow) {
    if (!wxView::OnClose(deleteWindow)) return false;
    Activate(false);
    GetDocumentManager()->FileHistoryRemoveMenu(fileMenu_);
    if (deleteWindow) {
        GetFrame()->Destroy();
        SetFrame(nullptr);
    }
    return true;
}

wxPrintout* CTidewarmView::OnCreatePrintout() {
    return new CReportPrintout(GetDocument()->GetUserReadableName(), text_->GetValue(), outOfDate_,
                               GetDocumentManager()->GetPageSetupDialogData());
}

void CTidewarmView::ShowReport(const wxString& text) {
    text_->ChangeValue(text);
    // A report reads from its header down: show its top, not where the text ends.
    text_->SetInsertionPoint(0);
    ShowLineAtTop(0);
}

void CTidewarmView::SetOutOfDate(bool outOfDate) {
    outOfDate_ = outOfDate;
    // GTK sets the font of a text by putting the whole text in again, which would leave the
    // view at its end: the line at the top (or the one about to be) and the insertion point are
    // put back. Frozen, the text put in again does not ask to be scrolled to its end.
    long column = 0, line = 0;
    if (!scrollPending_ && text_->HitTest(wxPoint(0, 0), &column, &line) != wxTE_HT_UNKNOWN)
        topLine_ = line;
    const long insertion = text_->GetInsertionPoint();
    text_->Freeze();
    text_->SetFont(ReportFont(outOfDate));
    text_->SetInsertionPoint(insertion);
    text_->Thaw();
    ShowLineAtTop(topLine_);
    text_->Refresh();
    text_->Update();
}

void CTidewarmView::ShowLineAtTop(long line) {
    // Once the control is laid out (GTK scrolls a new text when it lays the control out).
    topLine_ = line;
    scrollPending_ = true;
    text_->CallAfter([this] {
        text_->ShowPosition(std::max(0L, text_->XYToPosition(0, topLine_)));
        scrollPending_ = false;
    });
}

void CTidewarmView::OnCopy(wxCommandEvent&) {
    text_->Copy();
}

void CTidewarmView::OnUpdateCopy(wxUpdateUIEvent& event) {
    event.Enable(text_->CanCopy());
}

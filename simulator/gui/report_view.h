// The window of a project: its text report, read-only, in a monospace font that is italic while
// the results are out of date.
#pragma once

#include "wx_headers.h"

class CTidewarmView final : public wxView {
  public:
    CTidewarmView();
    bool OnCreate(wxDocument* doc, long flags) override;
    void OnDraw(wxDC*) override {}
    bool OnClose(bool deleteWindow) override;
    wxPrintout* OnCreatePrintout() override;

    // Shows the report text / the results' state.
    void ShowReport(const wxString& text);
    void SetOutOfDate(bool outOfDate);

    wxTextCtrl* ReportControl() const { return text_; }
    bool OutOfDate() const { return outOfDate_; }

  private:
    // Scrolls the report so that `line` is in view (at the top when the view is below it).
    void ShowLineAtTop(long line);
    void OnCopy(wxCommandEvent&);
    void OnUpdateCopy(wxUpdateUIEvent& event);
    // Cut, paste and undo: the report is not edited.
    void OnUpdateEditing(wxUpdateUIEvent& event) { event.Enable(false); }

    wxTextCtrl* text_ = nullptr;
    long topLine_ = 0;            // the line shown at the top, or to be once laid out
    bool scrollPending_ = false;  // a scroll to topLine_ waits for the layout
    wxMenu* fileMenu_ = nullptr;
    bool outOfDate_ = true;

    wxDECLARE_DYNAMIC_CLASS(CTidewarmView);
};

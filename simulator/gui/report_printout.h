// Printing of a project's report: its lines in the view's font, as many to a page as the page
// holds within the margins of the page set-up.
#pragma once

#include <vector>

#include "wx_headers.h"

// The view's font: monospace, italic while the results are out of date.
wxFont ReportFont(bool italic);

class CReportPrintout final : public wxPrintout {
  public:
    CReportPrintout(const wxString& title, const wxString& text, bool italic,
                    const wxPageSetupDialogData& pageSetup);

    void OnPreparePrinting() override;
    bool HasPage(int page) override { return page >= 1 && page <= pageCount_; }
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

  private:
    // Sets the page's scale (a screen pixel to a logical unit, within the margins) and the font;
    // the area the lines fill.
    wxRect PreparePage();

    wxArrayString lines_;
    wxFont font_;
    wxPageSetupDialogData pageSetup_;
    int linesPerPage_ = 1;
    int pageCount_ = 1;
};

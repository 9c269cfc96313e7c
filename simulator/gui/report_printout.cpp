#include "report_printout.h"

#include <algorithm>

wxFont ReportFont(bool italic) {
    return wxFont(wxFontInfo(9).Family(wxFONTFAMILY_TELETYPE).Italic(italic));
}

CReportPrintout::CReportPrintout(const wxString& title, const wxString& text, bool italic,
                                 const wxPageSetupDialogData& pageSetup)
    : wxPrintout(title),
      lines_(wxSplit(text, '\n', '\0')),
      font_(ReportFont(italic)),
      pageSetup_(pageSetup) {}

wxRect CReportPrintout::PreparePage() {
    MapScreenSizeToPageMargins(pageSetup_);
    GetDC()->SetFont(font_);
    return GetLogicalPageMarginsRect(pageSetup_);
}

void CReportPrintout::OnPreparePrinting() {
    const wxRect area = PreparePage();
    const int lineHeight = std::max(1, GetDC()->GetCharHeight());
    linesPerPage_ = std::max(1, area.height / lineHeight);
    const int lineCount = std::max(1, static_cast<int>(lines_.size()));
    pageCount_ = (lineCount + linesPerPage_ - 1) / linesPerPage_;
}

void CReportPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = *pageFrom = 1;
    *maxPage = *pageTo = pageCount_;
}

bool CReportPrintout::OnPrintPage(int page) {
    const wxRect area = PreparePage();
    wxDC& dc = *GetDC();
    dc.SetTextForeground(*wxBLACK);
    const int lineHeight = dc.GetCharHeight();
    const auto first = static_cast<std::size_t>((page - 1) * linesPerPage_);
    const std::size_t end =
        std::min(lines_.size(), first + static_cast<std::size_t>(linesPerPage_));
    int y = area.y;
    for (std::size_t i = first; i < end; ++i, y += lineHeight) dc.DrawText(lines_[i], area.x, y);
    return true;
}

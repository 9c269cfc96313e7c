#include "dialog_rows.h"

#include <algorithm>
#include <utility>

LabelledRow AddLabelledRow(wxSizer& grid, wxWindow* parent, const wxString& label,
                           wxWindow* control, const wxString& unit, wxWindowID labelId,
                           wxWindowID unitId) {
    const LabelledRow row{new wxStaticText(parent, labelId, label),
                          new wxStaticText(parent, unitId, unit)};
    grid.Add(row.label, wxSizerFlags().CentreVertical());
    grid.Add(control, wxSizerFlags().Expand().CentreVertical());
    grid.Add(row.unit, wxSizerFlags().CentreVertical());
    return row;
}

void AddOkCancelHelp(wxBoxSizer& row, wxWindow* parent, const OkCancelHelpTexts& texts, int gap) {
    for (const auto& [id, text] :
         {std::pair{wxID_OK, texts.ok}, std::pair{wxID_CANCEL, texts.cancel},
          std::pair{wxID_HELP, texts.help}}) {
        auto* button = new wxButton(parent, id, text);
        // Enter in a one-line box presses OK; a multi-line box keeps Enter for its new line.
        if (id == wxID_OK) button->SetDefault();
        row.Add(button, 0, row.IsEmpty() ? 0 : wxLEFT, gap);
    }
}

void MakeRoomForTitle(wxTopLevelWindow& window) {
    // Title bars draw their text in bold; the margin holds the icon and the three buttons.
    const wxFont bold = window.GetFont().Bold();
    int titleWidth = 0;
    window.GetTextExtent(window.GetTitle(), &titleWidth, nullptr, nullptr, nullptr, &bold);
    const int needed = titleWidth + window.FromDIP(140);
    if (window.GetSize().x >= needed) return;
    window.SetMinSize(wxSize(needed, window.GetMinSize().y));
    window.SetSize(wxSize(needed, window.GetSize().y));
}

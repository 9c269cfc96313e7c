#include "dialog_rows.h"

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

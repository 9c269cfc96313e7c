// The rows that the dialogs of both programs build alike: a label, its box and the box's unit
// on one line of a grid, and the OK, Cancel and Help buttons in the program's language.
#pragma once

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/toplevel.h>

// The texts around a control that a row made, for the dialog to change later (units that
// follow the unit system, a caption in bold).
struct LabelledRow {
    wxStaticText* label;
    wxStaticText* unit;
};

// One row of a three-column grid: `label`, then `control` (a box, a choice, a computed value)
// stretched to its column, then `unit`, each centred on the row. The texts take the ids given,
// for the dialogs that find and rewrite them.
LabelledRow AddLabelledRow(wxSizer& grid, wxWindow* parent, const wxString& label,
                           wxWindow* control, const wxString& unit, wxWindowID labelId = wxID_ANY,
                           wxWindowID unitId = wxID_ANY);

// The texts of the three buttons, in the program's language.
struct OkCancelHelpTexts {
    wxString ok;
    wxString cancel;
    wxString help;
};

// The OK, Cancel and Help buttons (wxID_OK, wxID_CANCEL, wxID_HELP) added to `row` after
// what it holds, `gap` pixels from each other and from that; OK is the default button.
void AddOkCancelHelp(wxBoxSizer& row, wxWindow* parent, const OkCancelHelpTexts& texts, int gap);

// Makes `window` at least as wide as its title needs beside the window manager's buttons, so
// that the title bar shows it whole.
void MakeRoomForTitle(wxTopLevelWindow& window);

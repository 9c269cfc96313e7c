// What the object edit dialogs share: the name, the SI/IP choice, number edits shown in the
// chosen units while their values stay in SI, OK with the dialog's checks, Cancel and Help.
//
// A number edit keeps its SI value untouched until the user changes its text: the typed text is
// read when the edit loses the focus, when the units change and at OK, so a value that was only
// looked at is stored exactly as it was.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lists_wx_headers.h"
#include "object_data.h"
#include "object_units.h"

class ObjectDialog : public wxDialog {
  public:
    // Reads the changed edits and checks the values; true when OK may close. A refused value is
    // shown and its edit gets the focus with its text selected.
    bool AcceptValues();
    // As a click on the SI or IP button.
    void SelectUnits(UnitSystem units);
    UnitSystem Units() const { return units_; }
    wxTextCtrl& NameEdit() { return *name_; }
    // The number edits in the order of the dialog's checks (object_data.h).
    wxTextCtrl& NumberEdit(int field) { return *numbers_.at(static_cast<std::size_t>(field)).edit; }
    std::size_t NumberCount() const { return numbers_.size(); }
    // The values as the dialog holds them (SI).
    virtual ObjectData Values() const = 0;

  protected:
    ObjectDialog(wxWindow* parent, int caption, const std::string& helpPage, UnitSystem units);

    // The conversion of a number edit (identity for values without units).
    using ConversionOf = std::function<const UnitConversion&()>;
    static const UnitConversion& NoUnits();

    // Adds the name row to `grid` (three columns).
    void AddName(wxFlexGridSizer& grid, const std::string& name);
    // Adds a row "label  edit  unit" for `value`; the label can be rewritten later.
    wxStaticText* AddNumber(wxFlexGridSizer& grid, const wxString& label, double& value,
                            ConversionOf conversion);
    // Lays out `body` above the units choice (when `withUnits`) and the buttons.
    void Finish(wxSizer* body, bool withUnits);
    wxStaticText& UnitLabel(int field) {
        return *numbers_.at(static_cast<std::size_t>(field)).unit;
    }
    // Rewrites every number edit and unit label from the SI values in the units shown.
    void RewriteNumbers();
    std::string Name() const;

    // The first value the dialog refuses, given the edits' texts; nothing when OK may close.
    virtual std::optional<EditProblem> Check(const std::vector<std::string>& texts) const = 0;
    // The control of a refused field: its number edit, unless the dialog checks other controls.
    virtual wxWindow& ProblemWindow(int field);

  private:
    struct NumberField {
        wxTextCtrl* edit = nullptr;
        wxStaticText* unit = nullptr;
        double* value = nullptr;
        ConversionOf conversion;
        bool changed = false;
    };
    void ReadChangedNumbers();
    void ReserveUnitWidths();
    void OnOk(wxCommandEvent&);

    UnitSystem units_ = UnitSystem::SI;
    wxTextCtrl* name_ = nullptr;
    wxRadioButton* si_ = nullptr;
    wxRadioButton* ip_ = nullptr;
    std::vector<NumberField> numbers_;
};

// Makes `edit` take at most `maximum` characters while the user types or pastes (a multi-line
// edit too, which GTK does not limit by itself: what goes over is cut from the text just put in).
void LimitLength(wxTextCtrl& edit, std::size_t maximum);

// Runs the edit dialog of `data`'s type modally over `parent` in `units`; true (and `data` holds
// the dialog's values) when the user chose OK. `contactMode` chooses a contact dialog's caption:
// 0 its own, 1 new installer, 2 edit installer, 3 new client, 4 edit client.
bool EditObject(wxWindow* parent, ObjectData& data, UnitSystem units, int contactMode = 0);

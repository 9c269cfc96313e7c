#include "object_dialog.h"

#include <algorithm>

#include "dialog_rows.h"
#include "frontend_strings.h"
#include "help_pages.h"
#include "number_entry.h"
#include "record_fields.h"
#include "user_interface.h"
#include "wx_text.h"

ObjectDialog::ObjectDialog(wxWindow* parent, int caption, const std::string& helpPage,
                           UnitSystem units)
    : wxDialog(parent, wxID_ANY, ResText(caption), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      units_(units) {
    BindHelp(*this, helpPage);
    Bind(wxEVT_BUTTON, &ObjectDialog::OnOk, this, wxID_OK);
}

const UnitConversion& ObjectDialog::NoUnits() {
    static constexpr UnitConversion kNone{1, 0, 0, 0, {}};
    return kNone;
}

void ObjectDialog::AddName(wxFlexGridSizer& grid, const std::string& name) {
    grid.Add(new wxStaticText(this, wxID_ANY, ResText(kStrNameColumn)), 0, wxALIGN_CENTER_VERTICAL);
    name_ = new wxTextCtrl(this, wxID_ANY, ToWx(name), wxDefaultPosition, wxSize(320, -1));
    // Every Name column holds 255 characters.
    LimitLength(*name_, kMaximumTextLength);
    grid.Add(name_, 0, wxEXPAND);
    grid.AddSpacer(0);
}

wxStaticText* ObjectDialog::AddNumber(wxFlexGridSizer& grid, const wxString& label, double& value,
                                      ConversionOf conversion) {
    NumberField field;
    field.edit = new wxTextCtrl(this, wxID_ANY);
    const LabelledRow row = AddLabelledRow(grid, this, label, field.edit, wxString());
    field.unit = row.unit;
    field.value = &value;
    field.conversion = std::move(conversion);
    const std::size_t index = numbers_.size();
    field.edit->Bind(wxEVT_TEXT,
                     [this, index](wxCommandEvent&) { numbers_[index].changed = true; });
    field.edit->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        ReadChangedNumbers();
        event.Skip();
    });
    numbers_.push_back(std::move(field));
    return row.label;
}

void ObjectDialog::Finish(wxSizer* body, bool withUnits) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(body, 1, wxALL | wxEXPAND, 10);
    if (withUnits) {
        auto* units = new wxBoxSizer(wxHORIZONTAL);
        units->Add(new wxStaticText(this, wxID_ANY, ResText(kStrUnits)), 0,
                   wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
        si_ = new wxRadioButton(this, wxID_ANY, ResText(kStrSIUnits), wxDefaultPosition,
                                wxDefaultSize, wxRB_GROUP);
        ip_ = new wxRadioButton(this, wxID_ANY, ResText(kStrIPUnits));
        units->Add(si_, 0, wxRIGHT, 10);
        units->Add(ip_);
        si_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { SelectUnits(UnitSystem::SI); });
        ip_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { SelectUnits(UnitSystem::IP); });
        top->Add(units, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    }
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    AddOkCancelHelp(*buttons, this,
                    {ResText(kStrOkButton), ResText(kStrCancelButton), ResText(kStrHelpButton)}, 5);
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 10);
    SelectUnits(units_);
    ReserveUnitWidths();
    SetSizerAndFit(top);
}

void ObjectDialog::SelectUnits(UnitSystem units) {
    ReadChangedNumbers();
    units_ = units;
    if (si_ != nullptr) (units == UnitSystem::IP ? ip_ : si_)->SetValue(true);
    RewriteNumbers();
}

void ObjectDialog::RewriteNumbers() {
    for (NumberField& field : numbers_) {
        const UnitConversion& conversion = field.conversion();
        field.edit->ChangeValue(ToWx(conversion.Text(*field.value, units_)));
        // A value without units keeps the label its dialog gives it.
        if (conversion.siUnit != 0) field.unit->SetLabel(ResText(conversion.UnitString(units_)));
        field.changed = false;
    }
    Layout();
}

void ObjectDialog::ReserveUnitWidths() {
    // Each unit label as wide as its text in either system (IP's "usgpm" is wider), so that
    // switching units neither clips a unit nor resizes the dialog.
    for (NumberField& field : numbers_) {
        const UnitConversion& conversion = field.conversion();
        if (conversion.siUnit == 0) continue;
        int width = 0;
        for (UnitSystem units : {UnitSystem::SI, UnitSystem::IP})
            width =
                std::max(width, field.unit->GetTextExtent(ResText(conversion.UnitString(units))).x);
        field.unit->SetMinSize(wxSize(width, -1));
    }
}

void ObjectDialog::ReadChangedNumbers() {
    for (NumberField& field : numbers_) {
        if (!field.changed) continue;
        if (const auto shown = ParseNumber(FromWx(field.edit->GetValue()))) {
            *field.value = field.conversion().Stored(*shown, units_);
            field.changed = false;
        }
    }
}

wxWindow& ObjectDialog::ProblemWindow(int field) {
    return NumberEdit(field);
}

std::string ObjectDialog::Name() const {
    return FromWx(name_->GetValue());
}

bool ObjectDialog::AcceptValues() {
    ReadChangedNumbers();
    std::vector<std::string> texts;
    for (const NumberField& field : numbers_) texts.push_back(FromWx(field.edit->GetValue()));
    const auto problem = Check(texts);
    if (!problem) return true;
    ShowMessage(problem->message, MessageKind::Warning);
    wxWindow& refused = ProblemWindow(problem->field);
    refused.SetFocus();
    if (auto* edit = dynamic_cast<wxTextCtrl*>(&refused)) edit->SelectAll();
    return false;
}

void ObjectDialog::OnOk(wxCommandEvent&) {
    if (AcceptValues()) EndModal(wxID_OK);
}

void LimitLength(wxTextCtrl& edit, std::size_t maximum) {
    if (!edit.IsMultiLine()) {
        edit.SetMaxLength(maximum);
        return;
    }
    edit.Bind(wxEVT_TEXT, [&edit, maximum](wxCommandEvent& event) {
        event.Skip();
        const wxString text = edit.GetValue();
        if (text.length() <= maximum) return;
        // The excess is the end of what was just typed or pasted, which ends at the caret.
        const long excess = static_cast<long>(text.length() - maximum);
        const long end = edit.GetInsertionPoint();
        if (end >= excess)
            edit.Remove(end - excess, end);
        else
            edit.ChangeValue(text.Left(maximum));
    });
}

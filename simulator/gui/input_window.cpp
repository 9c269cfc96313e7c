#include "input_window.h"

#include <algorithm>

#include "dialog_rows.h"
#include "files.h"
#include "program_language.h"
#include "tidewarm_app.h"
#include "user_interface.h"
#include "wx_text.h"

wxString Say(const Words& words) {
    if (words.stringId != 0) return ResText(words.stringId);
    return ToWx(app::Language == Language::French && !words.french.empty() ? words.french
                                                                           : words.english);
}

std::string HelpPageFile(const std::string& page) {
    return "help/" + page + (app::Language == Language::French ? "Fra" : "") + ".html";
}

void ShowHelpPage(const std::string& page) {
    TheApp().Help().Display(ToWx(HelpPageFile(page)));
}

bool RunInputWindow(CInputWindow& window) {
    return window.ShowModal() == wxID_OK;
}

CInputWindow::CInputWindow(wxWindow* parent, InputDialog& dialog, const DialogLayout& layout,
                           WindowBehaviour behaviour)
    : wxDialog(parent, dialog.TemplateId(), Say(layout.title), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      dialog_(dialog),
      behaviour_(std::move(behaviour)),
      helpPage_(layout.helpPage) {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    if (layout.legendId != 0) {
        sizer->Add(new wxStaticText(this, layout.legendId, wxString()),
                   wxSizerFlags().Border(wxALL, FromDIP(10)));
        controls_.push_back(layout.legendId);
    }
    sizer->Add(BuildRows(layout.rows), wxSizerFlags(1).Expand().Border(wxALL, FromDIP(8)));
    sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL | wxHELP),
               wxSizerFlags().Expand().Border(wxALL, FromDIP(8)));
    for (const DialogField& field : dialog_.Fields()) ShowField(field.controlId);
    if (behaviour_.init) behaviour_.init(*this);
    ApplyRules();
    SetSizerAndFit(sizer);
    Centre();

    Bind(wxEVT_BUTTON, &CInputWindow::OnButton, this);
    Bind(wxEVT_CHOICE, &CInputWindow::OnChoice, this);
    Bind(wxEVT_CHECKBOX, &CInputWindow::OnChoice, this);
    Bind(wxEVT_RADIOBUTTON, &CInputWindow::OnRadio, this);
    // F1 opens the dialog's page, as the Help button does.
    wxAcceleratorEntry help(wxACCEL_NORMAL, WXK_F1, wxID_HELP);
    SetAcceleratorTable(wxAcceleratorTable(1, &help));
}

// Columns of framed groups; each group a grid of label, control and unit.
wxSizer* CInputWindow::BuildRows(const std::vector<LayoutRow>& rows) {
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    wxBoxSizer* column = nullptr;
    wxFlexGridSizer* grid = nullptr;
    wxWindow* parent = this;
    const auto newGrid = [&](wxWindow* within, wxSizer* into) {
        grid = new wxFlexGridSizer(3, FromDIP(wxSize(6, 4)));
        grid->AddGrowableCol(1);
        into->Add(grid, wxSizerFlags().Expand().Border(wxALL, FromDIP(4)));
        parent = within;
    };
    for (const LayoutRow& row : rows) {
        if (column == nullptr || row.kind == RowKind::kColumn) {
            column = new wxBoxSizer(wxVERTICAL);
            columns->Add(column, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, FromDIP(4)));
            grid = nullptr;
            if (row.kind == RowKind::kColumn) continue;
        }
        if (row.kind == RowKind::kGroup) {
            auto* box = new wxStaticBoxSizer(
                new wxStaticBox(this, row.id != 0 ? row.id : wxID_ANY, Say(row.label)), wxVERTICAL);
            if (row.id != 0) controls_.push_back(row.id);
            column->Add(box, wxSizerFlags().Expand().Border(wxBOTTOM, FromDIP(6)));
            newGrid(box->GetStaticBox(), box);
            continue;
        }
        if (grid == nullptr) newGrid(this, column);
        AddRow(parent, grid, row);
    }
    return columns;
}

void CInputWindow::AddRow(wxWindow* parent, wxFlexGridSizer* grid, const LayoutRow& row) {
    const auto idOrAny = [](int controlId) { return controlId != 0 ? controlId : wxID_ANY; };
    const auto label = [&](const Words& words, int labelId) {
        return new wxStaticText(parent, idOrAny(labelId), Say(words));
    };
    const auto labelled = [&](wxWindow* control) {
        AddLabelledRow(*grid, parent, Say(row.label), control, Say(row.unit), idOrAny(row.labelId),
                       idOrAny(row.unitId));
    };
    const wxSizerFlags centred = wxSizerFlags().CentreVertical();
    switch (row.kind) {
        case RowKind::kEdit: {
            auto* edit = new wxTextCtrl(parent, row.id, wxString(), wxDefaultPosition,
                                        FromDIP(wxSize(row.wide ? 320 : 110, -1)));
            // Leaving an edit is a change some dialogs follow (dates); GTK needs the event to go
            // on to the control.
            edit->Bind(wxEVT_KILL_FOCUS, [this, id = row.id](wxFocusEvent& event) {
                event.Skip();
                if (!IsBeingDeleted() && IsShown()) ControlChanged(id);
            });
            labelled(edit);
            break;
        }
        case RowKind::kChoice: {
            wxArrayString items;
            for (const Choice& choice : row.choices) items.Add(Say(choice.text));
            labelled(new wxChoice(parent, row.id, wxDefaultPosition, wxDefaultSize, items));
            break;
        }
        case RowKind::kCheck:
            grid->Add(new wxCheckBox(parent, row.id, Say(row.label)), centred);
            grid->AddSpacer(0);
            grid->AddSpacer(0);
            break;
        case RowKind::kButton:
            grid->Add(label(row.unit, row.unitId), centred);
            grid->Add(new wxButton(parent, row.id, Say(row.label)), centred);
            grid->AddSpacer(0);
            break;
        case RowKind::kStatic:
            grid->Add(label(row.label, row.id), centred);
            grid->AddSpacer(0);
            grid->AddSpacer(0);
            break;
        case RowKind::kRadios: {
            if (!row.label.english.empty() || row.label.stringId != 0) {
                grid->Add(label(row.label, row.labelId), centred);
                grid->AddSpacer(0);
                grid->AddSpacer(0);
            }
            RadioGroup group{row.choices.front().id, {}};
            for (const Choice& choice : row.choices) {
                const long style = choice.id == group.firstId ? wxRB_GROUP : 0;
                grid->Add(new wxRadioButton(parent, choice.id, Say(choice.text), wxDefaultPosition,
                                            wxDefaultSize, style),
                          wxSizerFlags().CentreVertical().Border(wxLEFT, FromDIP(12)));
                grid->AddSpacer(0);
                grid->AddSpacer(0);
                group.ids.push_back(choice.id);
                controls_.push_back(choice.id);
            }
            radioGroups_.push_back(std::move(group));
            return;
        }
        case RowKind::kGroup:
        case RowKind::kColumn:
            return;
    }
    for (int id : {row.id, row.labelId, row.unitId})
        if (id != 0) controls_.push_back(id);
}

const CInputWindow::RadioGroup* CInputWindow::GroupOf(int id) const {
    for (const RadioGroup& group : radioGroups_)
        if (std::find(group.ids.begin(), group.ids.end(), id) != group.ids.end()) return &group;
    return nullptr;
}

std::optional<DialogField> CInputWindow::FieldOf(int id) const {
    if (const RadioGroup* group = GroupOf(id)) id = group->firstId;
    for (const DialogField& field : dialog_.Fields())
        if (field.controlId == id) return field;
    return std::nullopt;
}

std::optional<std::string> CInputWindow::TextIn(int id) const {
    wxWindow* window = FindWindow(id);
    if (const RadioGroup* group = GroupOf(id)) {
        // A group that showed no choice keeps its value until one of its buttons is clicked:
        // GTK always shows one button chosen.
        if (clickedGroups_.count(group->firstId) == 0) {
            bool shown = false;
            for (int button : group->ids)
                shown = shown || static_cast<wxRadioButton*>(FindWindow(button))->GetValue();
            if (!shown) return std::nullopt;
        }
        for (std::size_t i = 0; i < group->ids.size(); ++i)
            if (static_cast<wxRadioButton*>(FindWindow(group->ids[i]))->GetValue())
                return std::to_string(i);
        return std::nullopt;
    }
    if (auto* edit = dynamic_cast<wxTextCtrl*>(window)) return FromWx(edit->GetValue());
    if (auto* check = dynamic_cast<wxCheckBox*>(window))
        return check->GetValue() ? std::string("1") : std::string("0");
    if (auto* choice = dynamic_cast<wxChoice*>(window)) {
        // Matched by index: a text kept in a field is the text of the entry chosen; with
        // none chosen (a text the list does not hold) the field keeps its text.
        const int selection = choice->GetSelection();
        const std::optional<DialogField> field = FieldOf(id);
        if (selection == wxNOT_FOUND || !field) return std::nullopt;
        return HoldsText(*field) ? FromWx(choice->GetString(static_cast<unsigned>(selection)))
                                 : std::to_string(selection);
    }
    return std::nullopt;
}

namespace {

// The index a radio or list field's text names; -1 (none) for a text that is no number.
int IndexNamed(const std::string& text) {
    int index = -1;
    return ParseDecimalInt(text, index) ? index : -1;
}

}  // namespace

void CInputWindow::ShowField(int id) {
    const std::optional<DialogField> field = FieldOf(id);
    if (!field) return;
    const std::string text = FieldText(*field);
    if (const RadioGroup* group = GroupOf(id)) {
        const int index = IndexNamed(text);
        for (std::size_t i = 0; i < group->ids.size(); ++i)
            if (static_cast<int>(i) == index)
                static_cast<wxRadioButton*>(FindWindow(group->ids[i]))->SetValue(true);
        return;
    }
    wxWindow* window = FindWindow(id);
    if (auto* edit = dynamic_cast<wxTextCtrl*>(window)) {
        edit->ChangeValue(ToWx(text));
    } else if (auto* check = dynamic_cast<wxCheckBox*>(window)) {
        check->SetValue(text != "0");
    } else if (auto* choice = dynamic_cast<wxChoice*>(window)) {
        const int index = HoldsText(*field) ? choice->FindString(ToWx(text)) : IndexNamed(text);
        choice->SetSelection(
            index >= 0 && index < static_cast<int>(choice->GetCount()) ? index : wxNOT_FOUND);
    }
}

bool CInputWindow::TakeField(int id) {
    const std::optional<DialogField> field = FieldOf(id);
    const std::optional<std::string> text = TextIn(id);
    return field && text && StoreFieldText(*field, *text);
}

void CInputWindow::SetControlText(int id, const std::string& text) {
    wxWindow* label = FindWindow(id);
    if (label == nullptr) return;
    label->SetLabel(ToWx(text));
    // GTK does not count a frame's title in its size: the frame is made wide enough for it.
    if (auto* box = dynamic_cast<wxStaticBox*>(label))
        box->SetMinSize(wxSize(box->GetTextExtent(box->GetLabel()).x + FromDIP(24), -1));
}

void CInputWindow::ApplyRules() {
    for (int id : controls_) {
        const ControlState state = StateOf(dialog_, id);
        if (wxWindow* window = FindWindow(id)) window->Enable(state.enabled);
        if (auto* edit = dynamic_cast<wxTextCtrl*>(FindWindow(id)))
            edit->SetEditable(!state.readOnly);
    }
    for (const ControlText& text : dialog_.ControlTexts())
        SetControlText(text.controlId, text.text);
    if (GetSizer() != nullptr) Layout();
}

void CInputWindow::SelectControl(int id) {
    if (const RadioGroup* group = GroupOf(id)) id = group->firstId;
    wxWindow* window = FindWindow(id);
    if (window == nullptr) return;
    window->SetFocus();
    if (auto* edit = dynamic_cast<wxTextCtrl*>(window)) edit->SelectAll();
}

void CInputWindow::ControlChanged(int id) {
    const bool handled = behaviour_.changed && behaviour_.changed(*this, id);
    if (!handled) TakeField(id);
    ApplyRules();
}

bool CInputWindow::Accept() {
    const ExchangeStatus status = SaveDialog(dialog_, [this](int id) { return TextIn(id); });
    if (!status) {
        if (!status.message.empty()) ShowMessage(status.message, MessageKind::Warning);
        SelectControl(status.controlId);
        return false;
    }
    return !behaviour_.accept || behaviour_.accept(*this);
}

void CInputWindow::OnButton(wxCommandEvent& event) {
    switch (event.GetId()) {
        case wxID_OK:
            if (Accept()) EndModal(wxID_OK);
            return;
        case wxID_HELP:
            ShowHelpPage(helpPage_);
            return;
        case wxID_CANCEL:
            event.Skip();  // the dialog's own handler closes the window
            return;
        default:
            ControlChanged(event.GetId());
    }
}

void CInputWindow::OnChoice(wxCommandEvent& event) {
    ControlChanged(event.GetId());
}

void CInputWindow::OnRadio(wxCommandEvent& event) {
    if (const RadioGroup* group = GroupOf(event.GetId())) clickedGroups_.insert(group->firstId);
    ControlChanged(event.GetId());
}

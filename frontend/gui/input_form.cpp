#include "input_form.h"

#include <algorithm>

#include "calendar.h"
#include "collector_flow.h"
#include "command_failure.h"
#include "dialog_rows.h"
#include "economics_dialog.h"
#include "front_small_windows.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "help_pages.h"
#include "month_masks.h"
#include "record_fields.h"
#include "report_module.h"
#include "run_actions.h"
#include "sizing_texts.h"
#include "sizing_window.h"
#include "system_picture.h"
#include "system_picture_view.h"
#include "user_interface.h"
#include "window_texts.h"
#include "wx_text.h"

namespace {

constexpr int kPoolTypeTexts[kPoolTemplates.size()] = {kStrPoolInground, kStrPoolAboveGround,
                                                       kStrPoolPublicOutdoor, kStrPoolPublicIndoor};
constexpr int kFirstOrientationText = kStrOrientWest;
constexpr int kFieldWidth = 90;
constexpr int kListWidth = 260;

wxArrayString MonthNames() {
    wxArrayString names;
    for (int month = 1; month <= 12; ++month) names.Add(ToWx(GetMonthName(month, g_nLanguage)));
    return names;
}

wxFlexGridSizer* NewGrid() {
    auto* grid = new wxFlexGridSizer(3, 4, 8);
    grid->AddGrowableCol(1);
    return grid;
}

void AddLabel(wxWindow* parent, wxSizer* grid, int label) {
    grid->Add(new wxStaticText(parent, wxID_ANY, ResText(label)), 0, wxALIGN_CENTER_VERTICAL);
}

}  // namespace

InputFormDialog::InputFormDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ResText(kStrInputFormTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    BindHelp(*this, "input");
    // A database failure (a missing table, a locked file) ends the opening with its message; a
    // new run is then not left half stored.
    loaded_ = RunCommand([this] {
        const std::optional<InputFormData> data = LoadRunForm();
        if (!data) return false;
        data_ = *data;
        BuildControls();
        ShowData();
        // A new run exists in the database from the moment its form opens, with its economics.
        return StoreNewRunOfForm(data_);
    });
    if (!loaded_) return;
    ShowRunNumber();
    Centre();
}

void InputFormDialog::BuildControls() {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(BuildRunPart(this), 0, wxEXPAND | wxBOTTOM, 8);
    left->Add(BuildPoolPart(this), 0, wxEXPAND);
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(BuildCollectorPart(this), 0, wxEXPAND | wxBOTTOM, 8);
    right->Add(BuildHeatingPart(this), 0, wxEXPAND);
    picture_ = new wxStaticBitmap(this, wxID_ANY, wxNullBitmap, wxDefaultPosition,
                                  wxSize(kSystemPictureWidth, kSystemPictureHeight));
    right->Add(picture_, 0, wxALIGN_CENTER | wxTOP, 8);
    columns->Add(left, 1, wxEXPAND | wxRIGHT, 8);
    columns->Add(right, 1, wxEXPAND);
    sizer->Add(columns, 1, wxEXPAND | wxALL, 8);
    sizer->Add(BuildButtons(), 0, wxALIGN_RIGHT | wxALL, 8);
    SetSizerAndFit(sizer);

    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (Save()) EndModal(wxID_OK);
        },
        wxID_OK);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            Discard();
            EndModal(wxID_CANCEL);
        },
        wxID_CANCEL);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Run(); }, ID_RUN);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ShowEconomics(); }, ID_ECONOMICS);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ShowSizing(); }, ID_SIZING);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ShowReport(); }, ID_REPORT);
    // Closing the window is Cancel.
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
        Discard();
        EndModal(wxID_CANCEL);
    });
}

wxSizer* InputFormDialog::BuildRunPart(wxWindow* parent) {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, parent, ResText(kStrGroupRun));
    wxWindow* panel = box->GetStaticBox();
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(new wxStaticText(panel, wxID_ANY, ResText(kStrLabelRunNumber)), 0,
             wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    runNumber_ = new wxStaticText(panel, wxID_ANY, "-1", wxDefaultPosition, wxSize(50, -1));
    top->Add(runNumber_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 12);
    top->Add(new wxStaticText(panel, wxID_ANY, ResText(kStrLabelCreated)), 0,
             wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    // Wide enough for the longest date, "09 septembre 2026 14:30".
    runTime_ = new wxStaticText(panel, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(190, -1));
    top->Add(runTime_, 0, wxALIGN_CENTER_VERTICAL);
    box->Add(top, 0, wxALL, 4);
    auto* grid = NewGrid();
    AddList(panel, grid, kStrLabelCustomer, ObjectType::Client);
    AddList(panel, grid, kStrLabelInstaller, ObjectType::Installer);
    AddLabel(panel, grid, kStrColumnComments);
    comments_ = new wxTextCtrl(panel, wxID_ANY);
    // The Comments column holds 255 characters.
    comments_->SetMaxLength(kMaximumTextLength);
    grid->Add(comments_, 1, wxEXPAND);
    grid->AddSpacer(0);
    AddLabel(panel, grid, kStrLabelUnits);
    auto* units = new wxBoxSizer(wxHORIZONTAL);
    unitsSI_ = new wxRadioButton(panel, wxID_ANY, ResText(kStrUnitsSI), wxDefaultPosition,
                                 wxDefaultSize, wxRB_GROUP);
    unitsIP_ = new wxRadioButton(panel, wxID_ANY, ResText(kStrUnitsIP));
    units->Add(unitsSI_, 0, wxRIGHT, 12);
    units->Add(unitsIP_);
    grid->Add(units);
    grid->AddSpacer(0);
    box->Add(grid, 0, wxEXPAND | wxALL, 4);
    doubleRun_ = new wxCheckBox(panel, wxID_ANY, ResText(kStrSimulateNoHeating));
    box->Add(doubleRun_, 0, wxALL, 4);
    unitsSI_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { SelectUnits(UnitSystem::SI); });
    unitsIP_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { SelectUnits(UnitSystem::IP); });
    return box;
}

wxSizer* InputFormDialog::BuildPoolPart(wxWindow* parent) {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, parent, ResText(kStrGroupPool));
    wxWindow* panel = box->GetStaticBox();
    auto* grid = NewGrid();
    AddLabel(panel, grid, kStrLabelPoolType);
    poolType_ = new wxChoice(panel, wxID_ANY);
    for (int text : kPoolTypeTexts) poolType_->Append(ResText(text));
    grid->Add(poolType_, 1, wxEXPAND);
    grid->AddSpacer(0);
    AddLabel(panel, grid, kStrLabelCity);
    city_ = new wxChoice(panel, wxID_ANY, wxDefaultPosition, wxSize(kListWidth, -1));
    grid->Add(city_, 1, wxEXPAND);
    grid->AddSpacer(0);
    const wxArrayString months = MonthNames();
    auto addSeason = [&](int label, wxChoice*& month, wxChoice*& day) {
        AddLabel(panel, grid, label);
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        month = new wxChoice(panel, wxID_ANY, wxDefaultPosition, wxDefaultSize, months);
        day = new wxChoice(panel, wxID_ANY);
        row->Add(month, 1, wxRIGHT, 4);
        row->Add(day);
        grid->Add(row, 1, wxEXPAND);
        grid->AddSpacer(0);
    };
    addSeason(kStrLabelOpens, opensMonth_, opensDay_);
    addSeason(kStrLabelCloses, closesMonth_, closesDay_);
    AddField(panel, grid, kStrLabelPoolArea, InputField::PoolArea);
    AddField(panel, grid, kStrLabelShading, InputField::Shading);
    AddList(panel, grid, kStrLabelUseConditions, ObjectType::PoolUse);
    box->Add(grid, 0, wxEXPAND | wxALL, 4);

    poolType_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { SelectPoolType(SelectedPoolType()); });
    opensMonth_->Bind(wxEVT_CHOICE,
                      [this](wxCommandEvent&) { ChangeMonth(*opensMonth_, *opensDay_); });
    closesMonth_->Bind(wxEVT_CHOICE,
                       [this](wxCommandEvent&) { ChangeMonth(*closesMonth_, *closesDay_); });
    return box;
}

wxSizer* InputFormDialog::BuildCollectorPart(wxWindow* parent) {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, parent, ResText(kStrGroupCollectors));
    wxWindow* panel = box->GetStaticBox();
    auto* top = NewGrid();
    AddList(panel, top, kStrLabelCollectors, ObjectType::Collector);
    box->Add(top, 0, wxEXPAND | wxALL, 4);
    // The controls of the collectors, disabled together without collector.
    collectorPart_ = new wxPanel(panel);
    auto* grid = NewGrid();
    AddField(collectorPart_, grid, kStrLabelCollectorsPerBank, InputField::NumberOfColl);
    AddField(collectorPart_, grid, kStrLabelAreaPerCollector, InputField::AreaPerColl);
    AddField(collectorPart_, grid, kStrLabelBanks, InputField::NumberOfBanks);
    AddLabel(collectorPart_, grid, kStrLabelOrientation);
    orientation_ = new wxChoice(collectorPart_, wxID_ANY);
    for (int i = 0; i < kOrientationCount; ++i)
        orientation_->Append(ResText(kFirstOrientationText + i));
    grid->Add(orientation_, 1, wxEXPAND);
    grid->AddSpacer(0);
    AddField(collectorPart_, grid, kStrLabelSlope, InputField::Slope);
    AddField(collectorPart_, grid, kStrLabelTotalFlow, InputField::TotalFlow);
    collectorPart_->SetSizer(grid);
    box->Add(collectorPart_, 0, wxEXPAND | wxALL, 4);
    return box;
}

wxSizer* InputFormDialog::MonthChecks(wxWindow* parent, std::array<wxCheckBox*, 12>& checks) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    const wxString letters = ResText(kStrMonthLetters);
    for (std::size_t month = 0; month < checks.size(); ++month) {
        const wxString letter = month < letters.length() ? wxString(letters[month]) : wxString();
        checks[month] = new wxCheckBox(parent, wxID_ANY, letter);
        checks[month]->SetToolTip(ToWx(GetMonthName(static_cast<int>(month) + 1, g_nLanguage)));
        row->Add(checks[month], 0, wxRIGHT, 2);
    }
    return row;
}

wxSizer* InputFormDialog::BuildHeatingPart(wxWindow* parent) {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, parent, ResText(kStrGroupHeating));
    wxWindow* panel = box->GetStaticBox();
    auto* grid = NewGrid();
    AddList(panel, grid, kStrLabelHeater, ObjectType::Heater);
    AddLabel(panel, grid, kStrLabelMonthsOfUse);
    grid->Add(MonthChecks(panel, heaterMonths_));
    grid->AddSpacer(0);
    AddList(panel, grid, kStrLabelBlanket, ObjectType::Blanket);
    AddLabel(panel, grid, kStrLabelMonthsOfUse);
    grid->Add(MonthChecks(panel, blanketMonths_));
    grid->AddSpacer(0);
    box->Add(grid, 0, wxEXPAND | wxALL, 4);
    return box;
}

wxSizer* InputFormDialog::BuildButtons() {
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    const std::pair<int, int> kCommands[] = {{ID_RUN, kStrButtonRun},
                                             {ID_ECONOMICS, kStrButtonEconomics},
                                             {ID_SIZING, kStrButtonSizing},
                                             {ID_REPORT, kStrButtonReport}};
    for (const auto& [id, label] : kCommands)
        buttons->Add(new wxButton(this, id, ResText(label)), 0, wxLEFT, 8);
    // The form's OK is Done.
    AddOkCancelHelp(*buttons, this,
                    {ResText(kStrButtonDone), ResText(kStrButtonCancel), ResText(kStrButtonHelp)},
                    8);
    return buttons;
}

wxTextCtrl* InputFormDialog::AddField(wxWindow* parent, wxFlexGridSizer* grid, int label,
                                      InputField field) {
    AddLabel(parent, grid, label);
    auto* box =
        new wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(kFieldWidth, -1));
    // The unit right after its box, however wide the lists make the column.
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(box);
    auto* unit = new wxStaticText(parent, wxID_ANY, wxEmptyString);
    row->Add(unit, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 6);
    grid->Add(row);
    grid->AddSpacer(0);
    fields_[static_cast<std::size_t>(field)] = box;
    units_[static_cast<std::size_t>(field)] = unit;
    // Only what the user types is read back: a value shown and not edited stays as stored.
    box->Bind(wxEVT_TEXT,
              [this, field](wxCommandEvent&) { changed_[static_cast<std::size_t>(field)] = true; });
    box->Bind(wxEVT_KILL_FOCUS, [this, field](wxFocusEvent& event) {
        ReadEditedField(field, FromWx(Field(field).GetValue()), changed_, data_);
        event.Skip();
    });
    return box;
}

wxChoice* InputFormDialog::AddList(wxWindow* parent, wxFlexGridSizer* grid, int label,
                                   ObjectType list) {
    AddLabel(parent, grid, label);
    auto* choice = new wxChoice(parent, wxID_ANY, wxDefaultPosition, wxSize(kListWidth, -1));
    grid->Add(choice, 1, wxEXPAND);
    grid->AddSpacer(0);
    lists_[static_cast<std::size_t>(list)] = choice;
    choice->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ApplyEnableRules(); });
    return choice;
}

void InputFormDialog::ShowData() {
    const FormChoices choices = OpenFormChoices(data_);
    for (ObjectType list : kObjectTypes) {
        const std::size_t index = Index(list);
        choices_[index] = choices.lists[index];
        wxChoice& choice = List(list);
        for (const std::string& name : choices_[index].names) choice.Append(ToWx(name));
        if (choices.positions[index] >= 0) choice.SetSelection(choices.positions[index]);
    }
    for (const std::string& name : choices.cities) city_->Append(ToWx(name));
    if (choices.cities.empty()) city_->Append(ResText(kStrEmptyCityList));
    city_->SetSelection(choices.cityPosition);

    doubleRun_->SetValue(data_.doubleRun);
    comments_->SetValue(ToWx(data_.comments));
    (data_.units == UnitSystem::IP ? unitsIP_ : unitsSI_)->SetValue(true);
    poolType_->SetSelection(PoolTypeNumber(data_.poolType));
    opensMonth_->SetSelection(data_.opensMonth - 1);
    closesMonth_->SetSelection(data_.closesMonth - 1);
    // The stored season as it is stored: the month-change rule is the user's, not the form's.
    FillDays(*opensDay_, data_.opensMonth, DayAtOpen(data_.opensDay, data_.opensMonth));
    FillDays(*closesDay_, data_.closesMonth, DayAtOpen(data_.closesDay, data_.closesMonth));
    orientation_->SetSelection(std::clamp(data_.orientation, 0, kOrientationCount - 1));
    for (InputField field : {InputField::Shading, InputField::NumberOfColl,
                             InputField::NumberOfBanks, InputField::Slope})
        Field(field).ChangeValue(ToWx(InputFieldText(field, data_)));
    const std::array<int, 12> heater = UnpackMonthFlags(data_.heaterMonths);
    const std::array<int, 12> blanket = UnpackMonthFlags(data_.blanketMonths);
    for (std::size_t month = 0; month < 12; ++month) {
        heaterMonths_[month]->SetValue(heater[month] == 1);
        blanketMonths_[month]->SetValue(blanket[month] == 1);
    }
    ShowUnitFields();
    ShowRunNumber();
    // The stored shading stays; only an indoor pool shows (and keeps) 100 %.
    Field(InputField::Shading).Enable(data_.poolType != PoolType::PublicIndoor);
    ApplyEnableRules();
    changed_ = {};
}

void InputFormDialog::FillDays(wxChoice& days, int month, int day) {
    days.Clear();
    for (int d = 1; d <= DaysInMonthNoLeap(month); ++d) days.Append(wxString::Format("%d", d));
    days.SetSelection(day - 1);
}

void InputFormDialog::ChangeMonth(const wxChoice& month, wxChoice& days) {
    const int newMonth = month.GetSelection() + 1;
    FillDays(days, newMonth, DayAfterMonthChange(std::max(days.GetSelection() + 1, 1), newMonth));
}

void InputFormDialog::ShowUnitFields() {
    for (InputField field :
         {InputField::AreaPerColl, InputField::TotalFlow, InputField::PoolArea}) {
        Field(field).ChangeValue(ToWx(InputFieldText(field, data_)));
        units_[static_cast<std::size_t>(field)]->SetLabel(ToWx(InputFieldUnit(field, data_.units)));
        changed_[static_cast<std::size_t>(field)] = false;
    }
    Layout();  // each unit right after its box, at its new width
}

void InputFormDialog::ShowRunNumber() {
    runNumber_->SetLabel(wxString::Format("%d", data_.runNumber));
    runTime_->SetLabel(ToWx(FormatRunTime(data_.time, g_nLanguage)));
}

void InputFormDialog::ApplyEnableRules() {
    collectorPart_->Enable(List(ObjectType::Collector).GetSelection() > 0);
    const bool heater = List(ObjectType::Heater).GetSelection() > 0;
    const bool blanket = List(ObjectType::Blanket).GetSelection() > 0;
    for (std::size_t month = 0; month < 12; ++month) {
        heaterMonths_[month]->Enable(heater);
        blanketMonths_[month]->Enable(blanket);
    }
    UpdateSystemPicture();
}

void InputFormDialog::UpdateSystemPicture() {
    const auto position = [this](ObjectType list) { return List(list).GetSelection(); };
    const int heater = position(ObjectType::Heater);
    const std::vector<int>& heaterIds = choices_[Index(ObjectType::Heater)].ids;
    // The list's first entry is the "no heater" row.
    const std::optional<HeaterKind> heaterKind =
        heater > 0 && heater < static_cast<int>(heaterIds.size())
            ? HeaterKindOf(heaterIds[static_cast<std::size_t>(heater)])
            : std::nullopt;
    const int number = SystemPictureNumber(position(ObjectType::Collector), heaterKind,
                                           position(ObjectType::Blanket));
    pictureNumber_ = number;
    picture_->SetBitmap(DrawSystemPicture(number, GetBackgroundColour()));
    picture_->Refresh();
    picture_->Update();
}

void InputFormDialog::SelectUnits(UnitSystem units) {
    (units == UnitSystem::IP ? unitsIP_ : unitsSI_)->SetValue(true);
    if (units == data_.units) return;
    // What the user typed is kept, converted; nothing is converted in the members.
    ReadEditedFields();
    data_.units = units;
    ShowUnitFields();
}

PoolType InputFormDialog::SelectedPoolType() const {
    return static_cast<PoolType>(poolType_->GetSelection());
}

void InputFormDialog::SelectPoolType(PoolType poolType) {
    poolType_->SetSelection(PoolTypeNumber(poolType));
    data_.shading = ShadingForNewPoolType(poolType);
    Field(InputField::Shading).ChangeValue(ToWx(InputFieldText(InputField::Shading, data_)));
    changed_[static_cast<std::size_t>(InputField::Shading)] = false;
    Field(InputField::Shading).Enable(poolType != PoolType::PublicIndoor);
}

InputFieldTexts InputFormDialog::FieldTexts() const {
    InputFieldTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = FromWx(fields_[i]->GetValue());
    return texts;
}

void InputFormDialog::ReadEditedFields() {
    const InputFieldTexts texts = FieldTexts();
    for (int i = 0; i < kInputFieldCount; ++i)
        ReadEditedField(static_cast<InputField>(i), texts[static_cast<std::size_t>(i)], changed_,
                        data_);
}

void InputFormDialog::ReadChoices(InputFormData& data) const {
    for (ObjectType list : kObjectTypes) {
        const int position = lists_[Index(list)]->GetSelection();
        const std::vector<int>& ids = choices_[Index(list)].ids;
        ChosenId(data, list) = position >= 0 && position < static_cast<int>(ids.size())
                                   ? ids[static_cast<std::size_t>(position)]
                                   : 0;
    }
    // "(empty)" stands for no city at all.
    data.city = g_CityNames.empty() ? "" : FromWx(city_->GetStringSelection());
}

bool InputFormDialog::ReadForm() {
    if (const std::optional<FieldProblem> problem =
            ReadAndCheckFields(FieldTexts(), changed_, data_)) {
        ShowMessage(problem->message, MessageKind::Warning);
        wxTextCtrl& box = Field(problem->field);
        box.SetFocus();
        box.SelectAll();
        return false;
    }
    InputFormData read = data_;
    ReadChoices(read);
    if (const std::optional<Problem> problem = MissingChoiceProblem(read)) {
        ShowMessage(problem->message, MessageKind::Warning);
        return false;
    }
    read.doubleRun = doubleRun_->GetValue();
    read.comments = FromWx(comments_->GetValue());
    read.poolType = SelectedPoolType();
    read.opensMonth = opensMonth_->GetSelection() + 1;
    read.opensDay = opensDay_->GetSelection() + 1;
    read.closesMonth = closesMonth_->GetSelection() + 1;
    read.closesDay = closesDay_->GetSelection() + 1;
    read.orientation = orientation_->GetSelection();
    std::array<int, 12> heater{}, blanket{};
    for (std::size_t month = 0; month < 12; ++month) {
        heater[month] = heaterMonths_[month]->GetValue() ? 1 : 0;
        blanket[month] = blanketMonths_[month]->GetValue() ? 1 : 0;
    }
    read.heaterMonths = PackMonthFlags(heater);
    read.blanketMonths = PackMonthFlags(blanket);
    data_ = read;
    return true;
}

bool InputFormDialog::Save() {
    return ReadForm() && Store();
}

bool InputFormDialog::Store() {
    // A database failure leaves the form open and the stored run as it was.
    if (!RunCommand([this] { return SaveRunForm(data_, false); })) return false;
    ShowRunNumber();
    return true;
}

bool InputFormDialog::RunAtThisFlow() {
    std::optional<std::string> question;
    if (!RunCommand([this, &question] {
            question = FlowQuestionOfRun(data_);
            return true;
        }))
        return false;
    if (!question || *question == acceptedFlowQuestion_) return true;
    if (!AskYesNo(*question, true)) return false;
    acceptedFlowQuestion_ = *question;
    return true;
}

bool InputFormDialog::Run() {
    if (!ReadForm() || !RunAtThisFlow() || !Store()) return false;
    SimulationOutcome outcome = SimulationOutcome::NotStarted;
    {
        WaitWindow busy(ResText(kStrSimulating));
        outcome = SimulateCurrentRun();
    }
    // The economics open also after a failed run, without results; not when nothing ran, nor
    // when the results were refused.
    if (outcome == SimulationOutcome::NotStarted || outcome == SimulationOutcome::Refused)
        return false;
    ShowEconomics();
    return true;
}

void InputFormDialog::ShowEconomics() {
    std::optional<EconomicDialogData> economics = LoadEconomicData(g_nCurrentRunId, data_.units);
    if (!economics) return;
    EconomicsDialog dialog(this, *economics);
    dialog.ShowModal();
}

void InputFormDialog::ShowSizing() {
    if (!ReadForm()) return;
    SizingWindow window(this, data_);
    if (!window.Planned() || window.ShowModal() != wxID_OK) return;
    data_.numberOfColl = window.ChosenSize()->collectorsPerBank;
    data_.totalFlow = window.ChosenSize()->totalFlow;
    Field(InputField::NumberOfColl)
        .ChangeValue(ToWx(InputFieldText(InputField::NumberOfColl, data_)));
    changed_[static_cast<std::size_t>(InputField::NumberOfColl)] = false;
    ShowUnitFields();
}

void InputFormDialog::ShowReport() {
    if (const std::optional<std::string> path = BuildCurrentRunReport()) DisplayReport(this, *path);
}

void InputFormDialog::Discard() {
    DiscardRunOfForm();
}

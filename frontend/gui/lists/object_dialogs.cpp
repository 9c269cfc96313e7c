#include "object_dialogs.h"

#include <memory>

#include "collector_kind.h"
#include "frontend_strings.h"
#include "heater_kind.h"
#include "record_fields.h"
#include "wx_text.h"

namespace {

// Three columns: label, edit, unit.
wxFlexGridSizer* FieldGrid() {
    auto* grid = new wxFlexGridSizer(3, 6, 8);
    grid->AddGrowableCol(1);
    return grid;
}

template <std::size_t N>
std::array<std::string, N> First(const std::vector<std::string>& texts) {
    std::array<std::string, N> first;
    for (std::size_t i = 0; i < N && i < texts.size(); ++i) first[i] = texts[i];
    return first;
}

wxChoice* ChoiceOf(wxWindow* parent, std::initializer_list<wxString> items, int selected) {
    auto* choice = new wxChoice(parent, wxID_ANY);
    for (const wxString& item : items) choice->Append(item);
    choice->SetSelection(selected);
    return choice;
}

// "0" to "24", by index.
wxChoice* HourChoice(wxWindow* parent, int hour) {
    auto* choice = new wxChoice(parent, wxID_ANY);
    for (int h = 0; h <= 24; ++h) choice->Append(wxString::Format("%d", h));
    choice->SetSelection(hour);
    return choice;
}

}  // namespace

// ---- contacts ----

CContactDlg::CContactDlg(wxWindow* parent, const ContactData& data, int mode)
    : ObjectDialog(parent, kStrContactCaption, "contact", UnitSystem::SI) {
    static constexpr int kCaptions[] = {0, kStrNewInstallerCaption, kStrEditInstallerCaption,
                                        kStrNewClientCaption, kStrEditClientCaption};
    if (mode >= 1 && mode <= 4) SetTitle(ResText(kCaptions[mode]));
    auto* grid = FieldGrid();
    AddName(*grid, data.name);
    grid->Add(new wxStaticText(this, wxID_ANY, ResText(kStrContactInfoLabel)));
    info_ = new wxTextCtrl(this, wxID_ANY, ToWx(data.info), wxDefaultPosition, wxSize(320, 100),
                           wxTE_MULTILINE);
    // The Info column holds 255 characters.
    LimitLength(*info_, kMaximumTextLength);
    // A new contact's box holds a placeholder: selected as the box takes the focus (by Tab or a
    // click, once the click has placed the cursor), so that typing replaces it.
    info_->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        if (FromWx(info_->GetValue()) == LoadResString(kStrEnterContactInfo))
            CallAfter([this] { info_->SelectAll(); });
    });
    grid->Add(info_, 1, wxEXPAND);
    Finish(grid, false);
}

ObjectData CContactDlg::Values() const {
    return ContactData{Name(), FromWx(info_->GetValue())};
}

// ---- pool use ----

CPoolUseDlg::CPoolUseDlg(wxWindow* parent, const PoolUseData& data, UnitSystem units)
    : ObjectDialog(parent, kStrPoolUseCaption, "pooluse", units), data_(data) {
    auto* body = new wxBoxSizer(wxVERTICAL);
    auto* grid = FieldGrid();
    AddName(*grid, data.name);
    body->Add(grid, 0, wxEXPAND);

    auto* hours = new wxStaticBoxSizer(wxVERTICAL, this, ResText(kStrSwimmingHours));
    auto* hourGrid = new wxFlexGridSizer(5, 6, 8);
    const int values[] = {data.weekdayOpen, data.weekdayClose, data.weekendOpen, data.weekendClose};
    for (int row = 0; row < 2; ++row) {
        hourGrid->Add(new wxStaticText(hours->GetStaticBox(), wxID_ANY,
                                       ResText(row == 0 ? kStrWeekdays : kStrWeekend)),
                      0, wxALIGN_CENTER_VERTICAL);
        for (int end = 0; end < 2; ++end) {
            hourGrid->Add(new wxStaticText(hours->GetStaticBox(), wxID_ANY,
                                           ResText(end == 0 ? kStrFromHour : kStrToHour)),
                          0, wxALIGN_CENTER_VERTICAL);
            choices_[static_cast<std::size_t>(2 * row + end)] =
                HourChoice(hours->GetStaticBox(), values[2 * row + end]);
            hourGrid->Add(choices_[static_cast<std::size_t>(2 * row + end)]);
        }
    }
    hours->Add(hourGrid, 0, wxALL, 5);
    auto* activity = new wxBoxSizer(wxHORIZONTAL);
    activity->Add(new wxStaticText(hours->GetStaticBox(), wxID_ANY, ResText(kStrActivityLevel)), 0,
                  wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    choices_[4] =
        ChoiceOf(hours->GetStaticBox(),
                 {ResText(kStrActivityLow), ResText(kStrActivityMedium), ResText(kStrActivityHigh)},
                 data.activityLevel);
    activity->Add(choices_[4]);
    hours->Add(activity, 0, wxALL, 5);
    body->Add(hours, 0, wxEXPAND | wxTOP, 10);

    auto* temperatures = FieldGrid();
    const auto celsius = []() -> const UnitConversion& { return PoolTemperatureUnits(); };
    AddNumber(*temperatures, ResText(kStrMinAirSunny), data_.minTAmbSunny, celsius);
    AddNumber(*temperatures, ResText(kStrMinAirCloudy), data_.minTAmbCloudy, celsius);
    AddNumber(*temperatures, ResText(kStrMinWater), data_.minTPool, celsius);
    AddNumber(*temperatures, ResText(kStrMaxWater), data_.maxTPool, celsius);
    body->Add(temperatures, 0, wxEXPAND | wxTOP, 10);
    Finish(body, true);
}

ObjectData CPoolUseDlg::Values() const {
    PoolUseData values = data_;
    values.name = Name();
    values.weekdayOpen = choices_[0]->GetSelection();
    values.weekdayClose = choices_[1]->GetSelection();
    values.weekendOpen = choices_[2]->GetSelection();
    values.weekendClose = choices_[3]->GetSelection();
    values.activityLevel = choices_[4]->GetSelection();
    return values;
}

std::optional<EditProblem> CPoolUseDlg::Check(const std::vector<std::string>& texts) const {
    return CheckPoolUse(std::get<PoolUseData>(Values()), Units(), First<4>(texts));
}

wxWindow& CPoolUseDlg::ProblemWindow(int field) {
    constexpr int kFirstHour = 4;
    if (field < kFirstHour) return ObjectDialog::ProblemWindow(field);
    return Choice(field == kFirstHour ? 1 : 3);
}

// ---- collectors ----

CCollectorDlg::CCollectorDlg(wxWindow* parent, const CollectorData& data, UnitSystem units)
    : ObjectDialog(parent, kStrCollectorCaption, "collector", units), data_(data) {
    auto* body = new wxBoxSizer(wxVERTICAL);
    auto* grid = FieldGrid();
    AddName(*grid, data.name);
    grid->Add(new wxStaticText(this, wxID_ANY, ResText(kStrCollectorType)), 0,
              wxALIGN_CENTER_VERTICAL);
    type_ = ChoiceOf(this, {ResText(kStrGlazed), ResText(kStrUnglazed)},
                     static_cast<int>(StoredCollectorKind(data.type)));
    type_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { SelectType(type_->GetSelection()); });
    grid->Add(type_);
    grid->AddSpacer(0);
    AddNumber(*grid, ResText(kStrTestArea), data_.area,
              []() -> const UnitConversion& { return TestAreaUnits(); });
    AddNumber(*grid, ResText(kStrTestFlowRate), data_.testFlowRate,
              []() -> const UnitConversion& { return TestFlowUnits(); });
    body->Add(grid, 0, wxEXPAND);

    auto* coefficients = new wxStaticBoxSizer(wxVERTICAL, this, ResText(kStrCoefficients));
    equation_ = new wxStaticText(this, wxID_ANY, wxString());
    coefficients->Add(equation_, 0, wxALL, 5);
    auto* terms = FieldGrid();
    AddNumber(*terms, "A", data_.a, NoUnits);
    AddNumber(*terms, "B", data_.b,
              [this]() -> const UnitConversion& { return CoefficientBUnits(data_.type); });
    AddNumber(*terms, "C", data_.c,
              [this]() -> const UnitConversion& { return CoefficientCUnits(data_.type); });
    AddNumber(*terms, "D", data_.d,
              [this]() -> const UnitConversion& { return CoefficientDUnits(data_.type); });
    AddNumber(*terms, "E", data_.e, []() -> const UnitConversion& { return CoefficientEUnits(); });
    coefficients->Add(terms, 0, wxALL | wxEXPAND, 5);
    body->Add(coefficients, 0, wxEXPAND | wxTOP, 10);
    SelectType(data_.type);
    Finish(body, true);
}

void CCollectorDlg::SelectType(int type) {
    data_.type = type;
    const CollectorKind kind = StoredCollectorKind(type);
    type_->SetSelection(static_cast<int>(kind));
    equation_->SetLabel(
        ResText(kind == CollectorKind::Glazed ? kStrGlazedEquation : kStrUnglazedEquation));
    RewriteNumbers();
}

ObjectData CCollectorDlg::Values() const {
    CollectorData values = data_;
    values.name = Name();
    return values;
}

std::optional<EditProblem> CCollectorDlg::Check(const std::vector<std::string>& texts) const {
    return CheckCollector(data_, Units(), First<7>(texts));
}

// ---- heaters ----

CHeaterDlg::CHeaterDlg(wxWindow* parent, const HeaterData& data, UnitSystem units)
    : ObjectDialog(parent, kStrHeaterCaption, "heater", units), data_(data) {
    auto* grid = FieldGrid();
    AddName(*grid, data.name);
    grid->Add(new wxStaticText(this, wxID_ANY, ResText(kStrCollectorType)), 0,
              wxALIGN_CENTER_VERTICAL);
    type_ = ChoiceOf(this, {ResText(kStrGasOrOil), ResText(kStrHeatPump)},
                     static_cast<int>(StoredHeaterKind(data.type)));
    type_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { SelectType(type_->GetSelection()); });
    grid->Add(type_);
    grid->AddSpacer(0);
    capacityLabel_ = AddNumber(*grid, wxString(), data_.capacity,
                               []() -> const UnitConversion& { return HeaterCapacityUnits(); });
    efficiencyLabel_ = AddNumber(*grid, wxString(), data_.efficiencyCOP, NoUnits);
    // The efficiency's unit follows the type, not the unit system.
    efficiencyUnit_ = &UnitLabel(1);
    Finish(grid, true);
    RewriteTypeLabels();
}

void CHeaterDlg::SelectType(int type) {
    data_.type = type;
    type_->SetSelection(static_cast<int>(StoredHeaterKind(type)));
    RewriteTypeLabels();
}

void CHeaterDlg::RewriteTypeLabels() {
    const bool pump = StoredHeaterKind(data_.type) == HeaterKind::HeatPump;
    capacityLabel_->SetLabel(ResText(pump ? kStrHeatPumpCapacity : kStrHeaterCapacity));
    efficiencyLabel_->SetLabel(ResText(pump ? kStrHeatPumpCOP : kStrHeaterEfficiency));
    efficiencyUnit_->SetLabel(ResText(pump ? kStrHeatPumpCOPUnit : kStrUnitPercent));
    Layout();
}

ObjectData CHeaterDlg::Values() const {
    HeaterData values = data_;
    values.name = Name();
    return values;
}

std::optional<EditProblem> CHeaterDlg::Check(const std::vector<std::string>& texts) const {
    return CheckHeater(data_, Units(), First<2>(texts));
}

// ---- blankets ----

CBlanketDlg::CBlanketDlg(wxWindow* parent, const BlanketData& data, UnitSystem units)
    : ObjectDialog(parent, kStrBlanketCaption, "blanket", units), data_(data) {
    auto* grid = FieldGrid();
    AddName(*grid, data.name);
    AddNumber(*grid, ResText(kStrSWAbsorptivity), data_.swAbsorptivity, NoUnits);
    AddNumber(*grid, ResText(kStrSWTransmissivity), data_.swTransmissivity, NoUnits);
    AddNumber(*grid, ResText(kStrLWEmissivity), data_.lwEmissivity, NoUnits);
    AddNumber(*grid, ResText(kStrLWTransmissivity), data_.lwTransmissivity, NoUnits);
    AddNumber(*grid, ResText(kStrInsulation), data_.insulation,
              []() -> const UnitConversion& { return InsulationUnits(); });
    Finish(grid, true);
}

ObjectData CBlanketDlg::Values() const {
    BlanketData values = data_;
    values.name = Name();
    return values;
}

std::optional<EditProblem> CBlanketDlg::Check(const std::vector<std::string>& texts) const {
    return CheckBlanket(data_, Units(), First<5>(texts));
}

// ---- one entry for the list managers and the wizard ----

bool EditObject(wxWindow* parent, ObjectData& data, UnitSystem units, int contactMode) {
    std::unique_ptr<ObjectDialog> dialog = std::visit(
        [&](const auto& values) -> std::unique_ptr<ObjectDialog> {
            using T = std::decay_t<decltype(values)>;
            if constexpr (std::is_same_v<T, ContactData>)
                return std::make_unique<CContactDlg>(parent, values, contactMode);
            else if constexpr (std::is_same_v<T, PoolUseData>)
                return std::make_unique<CPoolUseDlg>(parent, values, units);
            else if constexpr (std::is_same_v<T, CollectorData>)
                return std::make_unique<CCollectorDlg>(parent, values, units);
            else if constexpr (std::is_same_v<T, HeaterData>)
                return std::make_unique<CHeaterDlg>(parent, values, units);
            else
                return std::make_unique<CBlanketDlg>(parent, values, units);
        },
        data);
    if (dialog->ShowModal() != wxID_OK) return false;
    data = dialog->Values();
    return true;
}

#include "economics_dialog.h"

#include "dialog_rows.h"
#include "help_pages.h"
#include "user_interface.h"
#include "window_texts.h"
#include "wx_text.h"

namespace {

using F = EconomicField;
constexpr int kBoxWidth = 100;
// Pixels between a group's frame and its grid, so that the units column keeps clear of it.
constexpr int kGroupPadding = 8;

}  // namespace

EconomicsDialog::EconomicsDialog(wxWindow* parent, const EconomicDialogData& data)
    : wxDialog(parent, wxID_ANY, ResText(kStrEconomicsTitle)), data_(data) {
    BindHelp(*this, "economics");
    auto* columns = new wxBoxSizer(wxHORIZONTAL);

    auto* costs = new wxStaticBoxSizer(wxVERTICAL, this, ResText(kStrGroupCosts));
    wxWindow* panel = costs->GetStaticBox();
    auto* grid = new wxFlexGridSizer(3, 4, 8);
    AddInput(panel, grid, F::CollUnitCost, kStrCostPerCollector, kStrUnitDollarsPerCollector);
    AddComputed(panel, grid, &EconomicDialogData::CollTotalCost, kStrTotalCollectorCost, false);
    AddInput(panel, grid, F::HardwareCost, kStrOtherHardware, kStrUnitDollars);
    AddInput(panel, grid, F::InstallationCost, kStrInstallation, kStrUnitDollars);
    AddComputed(panel, grid, &EconomicDialogData::InitialCosts, kStrInitialCosts, true);
    AddInput(panel, grid, F::MaintenanceCost, kStrMaintenance, kStrUnitDollars);
    AddInput(panel, grid, F::EnergyUnitCost, kStrFuelCost,
             data_.UnitsIP == 1 ? kStrUnitDollarsPerMBTU : kStrUnitDollarsPerGJ);
    AddComputed(panel, grid, &EconomicDialogData::EnergyAnnualCost, kStrAnnualEnergyCost, false);
    AddInput(panel, grid, F::ElectricityUnitCost, kStrElectricityCost, kStrUnitCentsPerKWh);
    AddComputed(panel, grid, &EconomicDialogData::ElectricityAnnualCost, kStrAnnualElectricityCost,
                false);
    AddComputed(panel, grid, &EconomicDialogData::YearlyCosts, kStrYearlyCosts, true);
    AddComputed(panel, grid, &EconomicDialogData::ValueOfEnergy, kStrValueOfEnergy, true);
    costs->Add(grid, 0, wxALL, kGroupPadding);
    columns->Add(costs, 0, wxEXPAND | wxRIGHT, 8);

    auto* right = new wxBoxSizer(wxVERTICAL);
    auto* finance = new wxStaticBoxSizer(wxVERTICAL, this, ResText(kStrGroupFinancing));
    panel = finance->GetStaticBox();
    grid = new wxFlexGridSizer(3, 4, 8);
    AddInput(panel, grid, F::DownPayment, kStrDownPayment, kStrUnitDollars);
    AddComputed(panel, grid, &EconomicDialogData::LoanAmount, kStrLoanAmount, false);
    AddInput(panel, grid, F::LoanDuration, kStrLoanDuration, 0);
    AddInput(panel, grid, F::InterestRate, kStrInterestRate, 0);
    AddComputed(panel, grid, &EconomicDialogData::LoanPayment, kStrLoanPayment, true);
    AddInput(panel, grid, F::SystemLife, kStrSystemLife, 0);
    AddInput(panel, grid, F::ResaleValue, kStrResaleValue, kStrUnitDollars);
    AddInput(panel, grid, F::DiscountRate, kStrDiscountRate, 0);
    AddInput(panel, grid, F::InflationRate, kStrInflationRate, 0);
    AddInput(panel, grid, F::FuelInflationRate, kStrFuelInflationRate, 0);
    finance->Add(grid, 0, wxALL, kGroupPadding);
    right->Add(finance, 0, wxEXPAND | wxBOTTOM, 8);

    auto* indicators = new wxStaticBoxSizer(wxVERTICAL, this, ResText(kStrGroupIndicators));
    panel = indicators->GetStaticBox();
    grid = new wxFlexGridSizer(3, 4, 8);
    AddComputed(panel, grid, &EconomicDialogData::LifeCycleCost, kStrLifeCycleCost, true);
    AddComputed(panel, grid, &EconomicDialogData::NetPresentValue, kStrNetPresentValue, true);
    grid->Add(new wxStaticText(panel, wxID_ANY, ResText(kStrSimplePayback)));
    payback_ = new wxStaticText(panel, wxID_ANY, wxEmptyString);
    payback_->SetFont(payback_->GetFont().Bold());
    grid->Add(payback_, 0, wxALIGN_RIGHT);
    grid->AddSpacer(0);
    indicators->Add(grid, 0, wxALL, kGroupPadding);
    right->Add(indicators, 0, wxEXPAND);
    columns->Add(right, 0, wxEXPAND);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(columns, 0, wxALL, 8);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* recalculate = new wxButton(this, ID_RECALCULATE, ResText(kStrButtonRecalculate));
    recalculate->Enable(data_.RecalculateEnabled());
    buttons->Add(recalculate);
    AddOkCancelHelp(*buttons, this,
                    {ResText(kStrButtonOK), ResText(kStrButtonCancel), ResText(kStrButtonHelp)}, 8);
    sizer->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 8);
    SetSizerAndFit(sizer);
    Centre();

    for (int i = 0; i < kEconomicFieldCount; ++i)
        Box(static_cast<F>(i)).ChangeValue(ToWx(EconomicFieldText(static_cast<F>(i), data_)));
    data_.Recalculate();
    ShowComputed();
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Recalculate(); }, ID_RECALCULATE);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (Accept()) EndModal(wxID_OK);
        },
        wxID_OK);
}

void EconomicsDialog::AddInput(wxWindow* parent, wxFlexGridSizer* grid, EconomicField field,
                               int label, int unit) {
    auto* box = new wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition,
                               wxSize(kBoxWidth, -1), wxTE_RIGHT);
    AddLabelledRow(*grid, parent, ResText(label), box, unit == 0 ? wxString() : ResText(unit));
    boxes_[static_cast<std::size_t>(field)] = box;
    box->Bind(wxEVT_TEXT, [this, field](wxCommandEvent&) {
        changed_[static_cast<std::size_t>(field)] = true;
        edited_ = true;
    });
    box->Bind(wxEVT_KILL_FOCUS, [this, field](wxFocusEvent& event) {
        event.Skip();
        OnLeaveBox(field, event.GetWindow());
    });
}

void EconomicsDialog::AddComputed(wxWindow* parent, wxFlexGridSizer* grid,
                                  double EconomicDialogData::*value, int label, bool bold) {
    auto* text = new wxStaticText(parent, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                  wxSize(kBoxWidth, -1), wxALIGN_RIGHT | wxST_NO_AUTORESIZE);
    wxStaticText* caption =
        AddLabelledRow(*grid, parent, ResText(label), text, ResText(kStrUnitDollars)).label;
    if (bold) {
        caption->SetFont(caption->GetFont().Bold());
        text->SetFont(text->GetFont().Bold());
    } else {
        caption->SetFont(caption->GetFont().Italic());
    }
    computed_.push_back({text, value});
}

bool EconomicsDialog::ReadBoxes(bool report) {
    EconomicTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = FromWx(boxes_[i]->GetValue());
    const std::optional<EconomicProblem> problem = ReadEconomicInputs(texts, changed_, data_);
    if (!problem) return true;
    if (report) {
        ShowMessage(problem->message, MessageKind::Warning);
        Box(problem->field).SetFocus();
        Box(problem->field).SelectAll();
    }
    return false;
}

void EconomicsDialog::ShowComputed() {
    for (const Computed& shown : computed_)
        shown.text->SetLabel(ToWx(data_.ComputedText(data_.*shown.value)));
    payback_->SetLabel(ToWx(data_.PaybackText()));
}

void EconomicsDialog::OnLeaveBox(EconomicField field, const wxWindow* next) {
    // Cancel keeps nothing, so it is not held up; a box being refused keeps the focus already; a
    // box only looked at holds its stored value and changes nothing.
    if (refusing_ || (next != nullptr && next->GetId() == wxID_CANCEL) ||
        !changed_[static_cast<std::size_t>(field)])
        return;
    if (std::optional<Problem> problem =
            EconomicFieldProblem(field, FromWx(Box(field).GetValue()))) {
        refusing_ = true;
        // Once the focus has moved: the message, then the focus back in the box left.
        CallAfter([this, field, message = std::move(problem->message)] {
            ShowMessage(message, MessageKind::Warning);
            Box(field).SetFocus();
            Box(field).SelectAll();
            refusing_ = false;
        });
        return;
    }
    // A wrong value in another box has been reported when it was left.
    if (!data_.RecalculateEnabled() || !ReadBoxes(false)) return;
    data_.Recalculate();
    if (field == F::DownPayment) LowerDownPayment();
    ShowComputed();
}

void EconomicsDialog::LowerDownPayment() {
    // Nothing is borrowed and no more is paid than the costs; the box shows what is stored.
    if (!data_.RecalculateEnabled() || data_.DownPayment <= data_.InitialCosts) return;
    data_.LowerDownPayment();
    data_.Recalculate();
    Box(F::DownPayment).ChangeValue(ToWx(EconomicFieldText(F::DownPayment, data_)));
}

bool EconomicsDialog::Recalculate() {
    if (refusing_ || !ReadBoxes(true)) return false;
    data_.Recalculate();
    ShowComputed();
    return true;
}

bool EconomicsDialog::Accept() {
    if (!Recalculate()) return false;
    // After an edit the down payment is lowered as leaving its box lowered it; an OK with
    // nothing typed stores the row as it was.
    if (edited_) LowerDownPayment();
    return SaveEconomics(data_);
}

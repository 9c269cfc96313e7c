#include "wizard_windows.h"

#include <optional>

#include "frontend_globals.h"
#include "frontend_strings.h"
#include "help_pages.h"
#include "object_dialog.h"
#include "runs_list.h"
#include "runs_manager.h"
#include "user_interface.h"
#include "window_texts.h"
#include "wx_text.h"

namespace {

constexpr int kStepWidth = 460;

struct StepTexts {
    int caption;
    int question;       // or the step's notice
    int first, second;  // the two answers; 0 for a step without choice
};

StepTexts TextsOf(WizardStep step) {
    switch (step) {
        case WizardStep::ClientChoice:
            return {kStrWizardStep1, kStrIsThisFor, kStrNewClient, kStrExistingClient};
        case WizardStep::RunSource:
            return {kStrWizardStep2, kStrDoYouWant, kStrFromScratch, kStrFromModel};
        case WizardStep::NewInstaller:
            return {kStrWizardStep3, kStrNoActiveInstallers, 0, 0};
        default:
            return {kStrWizardStep4, kStrPressFinish, 0, 0};
    }
}

}  // namespace

WizardStepDialog::WizardStepDialog(wxWindow* parent, WizardStep step)
    : wxDialog(parent, wxID_ANY, ResText(TextsOf(step).caption)), step_(step) {
    BindHelp(*this, "wizard");
    const StepTexts texts = TextsOf(step);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* question = new wxStaticText(this, wxID_ANY, ResText(texts.question));
    question->Wrap(kStepWidth);
    sizer->Add(question, 0, wxALL, 16);
    if (texts.first != 0) {
        first_ = new wxRadioButton(this, wxID_ANY, ResText(texts.first), wxDefaultPosition,
                                   wxDefaultSize, wxRB_GROUP);
        second_ = new wxRadioButton(this, wxID_ANY, ResText(texts.second));
        sizer->Add(first_, 0, wxLEFT | wxRIGHT, 32);
        sizer->Add(second_, 0, wxLEFT | wxRIGHT | wxTOP, 32);
    }
    if (step == WizardStep::NewInstaller)
        sizer->Add(new wxStaticText(this, wxID_ANY, ResText(kStrPressNextForInstaller)), 0,
                   wxLEFT | wxRIGHT, 16);
    sizer->AddSpacer(16);
    sizer->Add(new wxStaticLine(this), 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    if (step != WizardStep::ClientChoice) {
        buttons->Add(new wxButton(this, ID_BACK, ResText(kStrButtonBack)));
        Bind(
            wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(ID_BACK); }, ID_BACK);
    }
    const int next = step == WizardStep::Final ? kStrButtonFinish : kStrButtonNext;
    auto* nextButton = new wxButton(this, wxID_OK, ResText(next));
    nextButton->SetDefault();
    buttons->Add(nextButton, 0, wxLEFT, 8);
    buttons->Add(new wxButton(this, wxID_CANCEL, ResText(kStrButtonCancel)), 0, wxLEFT, 8);
    sizer->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 12);
    SetSizerAndFit(sizer);
    SetMinSize(wxSize(kStepWidth + 32, -1));
    Fit();
    Centre();
    // Step 1 starts at "an existing client?", step 2 at "from scratch".
    SetChoice(step == WizardStep::ClientChoice ? 1 : 0);
    // The focus starts on the step's choice or, in a step without one, on Next (Finish): Enter
    // then goes forward, as it does from a choice.
    Bind(wxEVT_INIT_DIALOG, [this, nextButton](wxInitDialogEvent& event) {
        event.Skip();
        if (first_ != nullptr)
            (Choice() == 0 ? first_ : second_)->SetFocus();
        else
            nextButton->SetFocus();
    });
}

int WizardStepDialog::Choice() const {
    return second_ != nullptr && second_->GetValue() ? 1 : 0;
}

void WizardStepDialog::SetChoice(int choice) {
    if (first_ == nullptr) return;
    (choice == 0 ? first_ : second_)->SetValue(true);
}

namespace {

constexpr int kChoiceNewClient = 0;
constexpr int kChoiceModelRun = 1;
// The contact dialog's captions: its own for a client, "Enter new installer information".
constexpr int kClientContactMode = 0;
constexpr int kInstallerContactMode = 1;

// The contact dialog of the list managers, opened empty; nothing when it is cancelled.
std::optional<ContactData> AskContact(wxWindow* parent, int mode) {
    ObjectData contact = ContactData{};
    if (!EditObject(parent, contact, UnitSystem::SI, mode)) return std::nullopt;
    return std::get<ContactData>(contact);
}

// Next of a step: whether the wizard goes on; a step that cannot go on stays open.
bool AcceptStep(wxWindow* parent, const WizardStepDialog& step) {
    switch (step.Step()) {
        case WizardStep::ClientChoice: {
            if (step.Choice() != kChoiceNewClient) {
                if (const auto problem = ExistingClientProblem()) {
                    ShowMessage(problem->message, MessageKind::Information);
                    return false;
                }
                g_bNewClient = 0;
                return true;
            }
            const std::optional<ContactData> client = AskContact(parent, kClientContactMode);
            g_bNewClient = client ? 1 : 0;
            if (!client) return false;
            g_strNewClientName = client->name;
            g_strNewClientInfo = client->info;
            return true;
        }
        case WizardStep::RunSource: {
            g_nCurrentRunId = -1;
            if (step.Choice() != kChoiceModelRun) {
                g_nRunCreationMode = RunCreationMode::New;
                return true;
            }
            if (const auto problem = ModelRunProblem()) {
                ShowMessage(problem->message, MessageKind::Information);
                return false;
            }
            RunsManagerDialog manager(parent, RunsManagerMode::Model);
            if (manager.ShowModal() != wxID_OK) return false;
            g_nRunCreationMode = RunCreationMode::Copy;
            return true;
        }
        case WizardStep::NewInstaller: {
            const std::optional<ContactData> installer = AskContact(parent, kInstallerContactMode);
            if (!installer) return false;
            g_strNewInstallerName = installer->name;
            g_strNewInstallerInfo = installer->info;
            return true;
        }
        default:
            return true;
    }
}

}  // namespace

bool RunNewRunWizard(wxWindow* parent) {
    StartNewRunWizard();
    const bool haveInstaller = HaveActiveInstallers();
    g_bNewInstaller = haveInstaller ? 0 : 1;
    NewRunWizard wizard(haveInstaller);
    // Each step keeps its choice when the user comes back to it.
    int choices[2] = {1, 0};
    while (wizard.Running()) {
        WizardStepDialog step(parent, wizard.Step());
        const bool withChoice =
            wizard.Step() == WizardStep::ClientChoice || wizard.Step() == WizardStep::RunSource;
        const int slot = wizard.Step() == WizardStep::ClientChoice ? 0 : 1;
        if (withChoice) step.SetChoice(choices[slot]);
        const int result = step.ShowModal();
        if (withChoice) choices[slot] = step.Choice();
        if (result == wxID_OK) {
            if (AcceptStep(parent, step)) wizard.Advance(StepOutcome::Next);
        } else {
            wizard.Advance(result == WizardStepDialog::ID_BACK ? StepOutcome::Back
                                                               : StepOutcome::Cancel);
        }
    }
    return wizard.Step() == WizardStep::Finished;
}

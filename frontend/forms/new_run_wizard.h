// The new-run wizard without windows: the order of its steps, the checks each step makes before
// it lets the user go on, and what Finish stores. Nothing reaches the database before Finish.
#pragma once

#include <optional>
#include <string>

#include "problem.h"

enum class WizardStep {
    ClientChoice = 1,  // a new client or an existing one
    RunSource = 2,     // a run from scratch or copied from a model run
    NewInstaller = 3,  // only when no installer is active
    Final = 4,         // "Finish" opens the input form
    Finished,
    Cancelled,
};

enum class StepOutcome { Next, Back, Cancel };

// Steps 1 -> 2 -> (3 only without an active installer) -> 4 -> finished; Back goes 2 -> 1,
// 3 -> 2 and 4 -> 2; Cancel (or closing a step) ends the wizard.
class NewRunWizard {
  public:
    explicit NewRunWizard(bool haveActiveInstaller) : haveActiveInstaller_(haveActiveInstaller) {}

    WizardStep Step() const { return step_; }
    bool Running() const { return step_ != WizardStep::Finished && step_ != WizardStep::Cancelled; }
    void Advance(StepOutcome outcome);

  private:
    bool haveActiveInstaller_;
    WizardStep step_ = WizardStep::ClientChoice;
};

// Whether a table of contacts or runs has the rows a wizard choice needs.
bool HaveActiveClients();
bool HaveActiveInstallers();
bool HaveRuns();

// Step 1 with "an existing client?": message 133 when no client is active.
[[nodiscard]] std::optional<Problem> ExistingClientProblem();
// Step 2 with "as a model": message 134 when there is no run to copy.
[[nodiscard]] std::optional<Problem> ModelRunProblem();

// The wizard's start: no new contact, a new run from scratch, no current run.
void StartNewRunWizard();
// Finish: adds the client and the installer the wizard entered (g_bNewClient, g_bNewInstaller),
// active and editable, in one transaction.
void StoreWizardContacts();

#include "new_run_wizard.h"

#include <SQLiteCpp/Transaction.h>

#include "frontend_globals.h"
#include "record_sets.h"
#include "window_texts.h"

void NewRunWizard::Advance(StepOutcome outcome) {
    if (outcome == StepOutcome::Cancel) {
        step_ = WizardStep::Cancelled;
        return;
    }
    const bool next = outcome == StepOutcome::Next;
    switch (step_) {
        case WizardStep::ClientChoice:
            step_ = next ? WizardStep::RunSource : WizardStep::Cancelled;
            break;
        case WizardStep::RunSource:
            if (!next)
                step_ = WizardStep::ClientChoice;
            else
                step_ = haveActiveInstaller_ ? WizardStep::Final : WizardStep::NewInstaller;
            break;
        case WizardStep::NewInstaller:
            step_ = next ? WizardStep::Final : WizardStep::RunSource;
            break;
        case WizardStep::Final:
            step_ = next ? WizardStep::Finished : WizardStep::RunSource;
            break;
        case WizardStep::Finished:
        case WizardStep::Cancelled:
            break;
    }
}

namespace {

bool HasRow(CRecordset& set) {
    set.Open();
    return !set.IsEOF();
}

template <class ContactSet>
bool HasActiveRow() {
    ContactSet set;
    set.m_strFilter = "[Active] = 1";
    return HasRow(set);
}

template <class ContactSet>
void AddContact(SQLite::Database& database, const std::string& name, const std::string& info) {
    ContactSet contact;
    contact.m_strFilter = "0";
    contact.Open(&database);
    contact.AddNew();
    contact.m_Name = name;
    contact.m_Info = info;
    contact.m_Editable = 1;
    contact.m_Active = 1;
    contact.Update();
}

}  // namespace

bool HaveActiveClients() {
    return HasActiveRow<CClientsSet>();
}

bool HaveActiveInstallers() {
    return HasActiveRow<CInstallersSet>();
}

bool HaveRuns() {
    CRunsSet runs;
    return HasRow(runs);
}

std::optional<Problem> ExistingClientProblem() {
    if (HaveActiveClients()) return std::nullopt;
    return Problem{LoadResString(kStrNoActiveClients)};
}

std::optional<Problem> ModelRunProblem() {
    if (HaveRuns()) return std::nullopt;
    return Problem{LoadResString(kStrNoRunToCopy)};
}

void StartNewRunWizard() {
    g_bNewClient = 0;
    g_bNewInstaller = 0;
    g_nRunCreationMode = RunCreationMode::New;
    g_nCurrentRunId = -1;
}

void StoreWizardContacts() {
    SQLite::Database database = ConnectDatabase();
    SQLite::Transaction transaction(database);
    if (g_bNewClient == 1)
        AddContact<CClientsSet>(database, g_strNewClientName, g_strNewClientInfo);
    if (g_bNewInstaller == 1)
        AddContact<CInstallersSet>(database, g_strNewInstallerName, g_strNewInstallerInfo);
    transaction.commit();
}

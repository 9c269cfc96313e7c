// The new-run wizard's windows: its four steps, which only show a choice and end with Next
// (wxID_OK), Back or Cancel; the wizard's order and checks are those of NewRunWizard. New
// contacts are entered in the list managers' contact dialog (CContactDlg).
#pragma once

#include "front_wx_headers.h"
#include "new_run_wizard.h"

class WizardStepDialog : public wxDialog {
  public:
    enum { ID_BACK = wxID_HIGHEST + 100 };

    WizardStepDialog(wxWindow* parent, WizardStep step);

    WizardStep Step() const { return step_; }
    // The choice of steps 1 and 2: 0 the first answer, 1 the second.
    int Choice() const;
    void SetChoice(int choice);

  private:
    WizardStep step_;
    wxRadioButton* first_ = nullptr;
    wxRadioButton* second_ = nullptr;
};

// Runs the wizard; true when it finished (the contacts to add and the run to create are in the
// globals), false when it was cancelled. Nothing is stored here.
bool RunNewRunWizard(wxWindow* parent);

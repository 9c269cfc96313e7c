// The main window: New (the wizard, then the input form), Open (the runs manager, then the input
// form), Maintain, Options, About and Exit. The program ends when it closes.
#pragma once

#include "front_wx_headers.h"

class WelcomeWindow : public wxFrame {
  public:
    // Ids of the buttons, for the tests.
    enum { ID_NEW = wxID_HIGHEST + 1, ID_OPEN, ID_MAINTAIN, ID_OPTIONS, ID_ABOUT };

    WelcomeWindow();

    void OnNew(wxCommandEvent&);
    void OnOpen(wxCommandEvent&);
    void OnMaintain(wxCommandEvent&);
    void OnOptions(wxCommandEvent&);

  private:
    void AddButton(wxWindow* panel, wxSizer* sizer, int id, int label, int hint);
    // The input form on the current run, after the wizard or the runs manager.
    void OpenInputForm();
};

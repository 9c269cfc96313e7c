// The runs manager: the runs newest first, to open, to copy into a new run, or to remove.
#pragma once

#include "front_wx_headers.h"
#include "runs_list.h"

class RunsManagerDialog : public wxDialog {
  public:
    enum { ID_DUPLICATE = wxID_HIGHEST + 200, ID_REMOVE };

    RunsManagerDialog(wxWindow* parent, RunsManagerMode mode);

    wxListCtrl& List() { return *list_; }
    // The commands, for the buttons and the tests; each acts on the selected run, if any.
    // Select or Duplicate: the run chosen for the input form; false when none is selected.
    bool ChooseSelected(bool duplicate);
    // Remove: the run deleted at once, the row at the same position selected.
    void RemoveSelected();

  private:
    void Fill();
    // The run number of the selected row; -1 when none is selected.
    int SelectedRun() const;

    wxListCtrl* list_;
};

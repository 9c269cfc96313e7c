// The list manager of one object type: its active or inactive rows (never the built-in ones),
// and Edit, Add, Activate, Disactivate and Remove of the selected row. The record set lives as
// long as the window.
#pragma once

#include <array>
#include <memory>

#include "lists_wx_headers.h"
#include "object_rows.h"

class CObjMngrDlg : public wxDialog {
  public:
    // Control ids, for the tests and the help.
    enum : int {
        kIdList = wxID_HIGHEST + 1,
        kIdActive,
        kIdInactive,
        kIdEdit,
        kIdAdd,
        kIdActivate,
        kIdDeactivate,
        kIdRemove,
    };

    CObjMngrDlg(wxWindow* parent, ObjectType type);

    // As a click on "Active" (false) or "Inactive" (true).
    void ShowInactive(bool inactive);
    wxListCtrl& List() { return *list_; }
    ObjectType Type() const { return type_; }

  private:
    // Refills the list with the rows of the view; Activate shows only in the inactive view,
    // Disactivate and Add only in the active one.
    void SetShowDeleted();
    // The Id of the first selected row; 0 when none is selected.
    int SelectedId() const;
    void OnEdit(wxCommandEvent&);
    void OnNew(wxCommandEvent&);
    void OnRestore(wxCommandEvent&);
    void OnDelete(wxCommandEvent&);
    void OnPurge(wxCommandEvent&);

    ObjectType type_;
    bool inactiveView_ = false;
    std::unique_ptr<CTidewarmSet> set_;
    wxListCtrl* list_ = nullptr;
    wxRadioButton* active_ = nullptr;
    wxRadioButton* inactive_ = nullptr;
};

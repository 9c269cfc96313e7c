// The maintenance window: one button a list manager, the runs manager, the weather cities,
// Done and Help.
#pragma once

#include <functional>

#include "lists_wx_headers.h"
#include "object_type.h"

// Opens the runs manager in its manage mode over `parent`; set by the main window, which owns
// the runs manager. Until it is set, the Runs button does nothing.
inline std::function<void(wxWindow* parent)> g_OpenRunsManager;

class CMaintainDlg : public wxDialog {
  public:
    // The list buttons' ids are kIdFirstList + the object type's index.
    enum : int {
        kIdFirstList = wxID_HIGHEST + 100,
        kIdRuns = kIdFirstList + 10,
        kIdCities = kIdFirstList + 11
    };
    static int ListButtonId(ObjectType type) {
        return kIdFirstList + static_cast<int>(Index(type));
    }

    explicit CMaintainDlg(wxWindow* parent);

  private:
    void OnList(wxCommandEvent& event);
};

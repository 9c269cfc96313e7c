// The city list manager: the cities of the weather folder (station, latitude, longitude, file),
// Import of a weather file of another format and Remove of the selected city.
#pragma once

#include <string>
#include <vector>

#include "city_rows.h"
#include "lists_wx_headers.h"

class CCityMngrDlg : public wxDialog {
  public:
    // Control ids, for the tests.
    enum : int { kIdList = wxID_HIGHEST + 1, kIdImport, kIdRemove };

    explicit CCityMngrDlg(wxWindow* parent);

    wxListCtrl& List() { return *list_; }

  private:
    // Refills the list from the weather folder and selects the row of `fileName` (none when
    // empty or gone).
    void FillList(const std::string& fileName = {});
    void OnImport(wxCommandEvent&);
    void OnRemove(wxCommandEvent&);

    std::vector<CityRow> rows_;
    wxListCtrl* list_ = nullptr;
};

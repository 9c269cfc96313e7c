// The economics of a run: its cost and finance inputs, the yearly costs, the loan and three
// indicators computed from the run's season results, stored in its Economics row on OK.
#pragma once

#include <array>
#include <vector>

#include "economic_entry.h"
#include "front_wx_headers.h"

class EconomicsDialog : public wxDialog {
  public:
    enum { ID_RECALCULATE = wxID_HIGHEST + 400 };

    EconomicsDialog(wxWindow* parent, const EconomicDialogData& data);

    const EconomicDialogData& Data() const { return data_; }
    // OK: the boxes typed into read and checked (a refused box shown with its message and
    // focused), the values computed, a down payment above the initial costs lowered to them
    // after an edit, and stored. False when a box was refused or nothing could be stored.
    bool Accept();
    // Recalculate: the boxes typed into read and checked, the values computed and shown.
    bool Recalculate();

    wxTextCtrl& Box(EconomicField field) { return *boxes_[static_cast<std::size_t>(field)]; }
    // The text of the simple payback, for the tests.
    wxString PaybackShown() const { return payback_->GetLabel(); }

  private:
    struct Computed {
        wxStaticText* text;
        double EconomicDialogData::*value;
    };
    void AddInput(wxWindow* parent, wxFlexGridSizer* grid, EconomicField field, int label,
                  int unit);
    void AddComputed(wxWindow* parent, wxFlexGridSizer* grid, double EconomicDialogData::*value,
                     int label, bool bold);
    bool ReadBoxes(bool report);
    void ShowComputed();
    // Leaving a box for `next`: a wrong value is shown with its message and keeps the focus; a
    // right one updates what depends on it.
    void OnLeaveBox(EconomicField field, const wxWindow* next);
    // A down payment above the initial costs lowered to them (with results), in its box too.
    void LowerDownPayment();

    EconomicDialogData data_;
    std::array<wxTextCtrl*, kEconomicFieldCount> boxes_{};
    EconomicFieldFlags changed_{};
    bool edited_ = false;  // a box has been typed into since the dialog opened
    std::vector<Computed> computed_;
    wxStaticText* payback_ = nullptr;
    bool refusing_ = false;  // a refused box's message is on its way
};

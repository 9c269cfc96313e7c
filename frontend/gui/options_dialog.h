// The options: default units of new runs, language of the next start, the database file and
// the weather folder.
#pragma once

#include "front_wx_headers.h"

class OptionsDialog : public wxDialog {
  public:
    explicit OptionsDialog(wxWindow* parent);

    wxTextCtrl& DatabasePath() { return *database_; }
    wxTextCtrl& WeatherFolder() { return *weather_; }
    wxRadioButton& French() { return *french_; }
    wxRadioButton& UnitsIP() { return *unitsIP_; }
    // OK: the options applied; a database that cannot be used leaves the previous one.
    void Apply();

  private:
    wxRadioButton* unitsSI_;
    wxRadioButton* unitsIP_;
    wxTextCtrl* database_;
    wxTextCtrl* weather_;
    wxRadioButton* english_;
    wxRadioButton* french_;
};

// Runs the options dialog over `parent` and applies it on OK.
void RunOptionsDialog(wxWindow* parent);

// The input form: one run's client, pool, season, collectors, heater and blanket, in SI or IP
// units; Done saves it, Cancel drops a run the form created, Run simulates it and opens its
// economics, Economics and Report open those of the run.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "front_wx_headers.h"
#include "input_form_data.h"

class InputFormDialog : public wxDialog {
  public:
    enum { ID_RUN = wxID_HIGHEST + 300, ID_ECONOMICS, ID_REPORT, ID_SIZING };

    // Loads the current run (g_nCurrentRunId, g_nRunCreationMode); a new run is stored at once.
    explicit InputFormDialog(wxWindow* parent);

    // False when the run could not be loaded (message 146 shown) or the database failed while
    // the form opened (message 420 shown): the form is not to be shown.
    bool Loaded() const { return loaded_; }
    const InputFormData& Data() const { return data_; }

    // The commands of the buttons. Save and Run first read the fields the user typed into and
    // check every field; a refused field is shown with its message and gets the focus, and
    // false is returned. Run is also false when nothing could be simulated, or when the user,
    // asked about a collector flow far from the collectors' test flow, chose not to run.
    bool Save();
    bool Run();
    void ShowEconomics();
    // The sizing study of the run as the form holds it; a size chosen there becomes the form's
    // number of collectors with the flow scaled, unsaved.
    void ShowSizing();
    void ShowReport();
    // Cancel: a run the form created is deleted.
    void Discard();

    // The controls, for the tests.
    wxTextCtrl& Field(InputField field) { return *fields_[static_cast<std::size_t>(field)]; }
    wxChoice& List(ObjectType list) { return *lists_[Index(list)]; }
    wxChoice& City() { return *city_; }
    wxTextCtrl& Comments() { return *comments_; }
    wxRadioButton& UnitsSI() { return *unitsSI_; }
    wxRadioButton& UnitsIP() { return *unitsIP_; }
    wxCheckBox& DoubleRun() { return *doubleRun_; }
    // The number (181 to 192) of the system picture shown.
    int SystemPicture() const { return pictureNumber_; }
    void SelectUnits(UnitSystem units);
    void SelectPoolType(PoolType poolType);

  private:
    PoolType SelectedPoolType() const;
    void BuildControls();
    wxSizer* BuildRunPart(wxWindow* parent);
    wxSizer* BuildPoolPart(wxWindow* parent);
    wxSizer* BuildCollectorPart(wxWindow* parent);
    wxSizer* BuildHeatingPart(wxWindow* parent);
    wxSizer* BuildButtons();
    wxTextCtrl* AddField(wxWindow* parent, wxFlexGridSizer* grid, int label, InputField field);
    wxChoice* AddList(wxWindow* parent, wxFlexGridSizer* grid, int label, ObjectType list);
    wxSizer* MonthChecks(wxWindow* parent, std::array<wxCheckBox*, 12>& checks);

    void ShowData();
    // The day list of `month` with `day` selected.
    void FillDays(wxChoice& days, int month, int day);
    // The user chose another month: its days, with the day kept or moved to the month's end.
    void ChangeMonth(const wxChoice& month, wxChoice& days);
    void ShowUnitFields();
    void ShowRunNumber();
    void ApplyEnableRules();
    // Shows the picture of the system that the collector, heater and blanket lists describe.
    void UpdateSystemPicture();
    // The form's controls read into data_; the first refused field, shown and focused.
    bool ReadForm();
    // data_ written into the database; false after the database's message.
    bool Store();
    // The answer to the question of a flow far from the collectors' own; a question already
    // answered Yes is not asked again while the run's flow and collectors stay the same.
    bool RunAtThisFlow();
    InputFieldTexts FieldTexts() const;
    // The boxes the user typed into, read when they hold numbers.
    void ReadEditedFields();
    // The Ids of the lists' entries and the city chosen, into `data`.
    void ReadChoices(InputFormData& data) const;

    bool loaded_ = false;
    InputFormData data_;
    InputFieldFlags changed_{};
    std::string acceptedFlowQuestion_;
    std::array<ChoiceList, kObjectTypeCount> choices_;
    std::array<wxTextCtrl*, kInputFieldCount> fields_{};
    std::array<wxStaticText*, kInputFieldCount> units_{};
    std::array<wxChoice*, kObjectTypeCount> lists_{};
    std::array<wxCheckBox*, 12> heaterMonths_{};
    std::array<wxCheckBox*, 12> blanketMonths_{};
    wxStaticText* runNumber_ = nullptr;
    wxStaticText* runTime_ = nullptr;
    wxCheckBox* doubleRun_ = nullptr;
    wxTextCtrl* comments_ = nullptr;
    wxRadioButton* unitsSI_ = nullptr;
    wxRadioButton* unitsIP_ = nullptr;
    wxChoice* poolType_ = nullptr;
    wxChoice* city_ = nullptr;
    wxChoice* opensMonth_ = nullptr;
    wxChoice* opensDay_ = nullptr;
    wxChoice* closesMonth_ = nullptr;
    wxChoice* closesDay_ = nullptr;
    wxChoice* orientation_ = nullptr;
    wxWindow* collectorPart_ = nullptr;
    wxStaticBitmap* picture_ = nullptr;
    int pictureNumber_ = 0;
};

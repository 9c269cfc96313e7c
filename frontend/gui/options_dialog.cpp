#include "options_dialog.h"

#include "dialog_rows.h"
#include "front_small_windows.h"
#include "frontend_globals.h"
#include "help_pages.h"
#include "options.h"
#include "user_interface.h"
#include "window_texts.h"
#include "wx_text.h"
#include "wx_translations.h"

namespace {

constexpr int kPathWidth = 520;

wxStaticBoxSizer* Group(wxWindow* parent, int title) {
    return new wxStaticBoxSizer(wxHORIZONTAL, parent, ResText(title));
}

std::pair<wxRadioButton*, wxRadioButton*> RadioPair(wxStaticBoxSizer* group, int first,
                                                    int second) {
    auto* a = new wxRadioButton(group->GetStaticBox(), wxID_ANY, ResText(first), wxDefaultPosition,
                                wxDefaultSize, wxRB_GROUP);
    auto* b = new wxRadioButton(group->GetStaticBox(), wxID_ANY, ResText(second));
    group->Add(a, 0, wxALL, 4);
    group->Add(b, 0, wxALL, 4);
    return {a, b};
}

}  // namespace

OptionsDialog::OptionsDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ResText(kStrOptionsTitle)) {
    BindHelp(*this, "options");
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* units = Group(this, kStrDefaultUnits);
    std::tie(unitsSI_, unitsIP_) = RadioPair(units, kStrUnitsSI, kStrImperialUS);
    sizer->Add(units, 0, wxEXPAND | wxALL, 8);

    auto* database = Group(this, kStrDatabaseLocation);
    database_ = new wxTextCtrl(database->GetStaticBox(), wxID_ANY, ToWx(g_strDatabasePath),
                               wxDefaultPosition, wxSize(kPathWidth, -1));
    database->Add(database_, 1, wxALL, 4);
    auto* browseDatabase = new wxButton(database->GetStaticBox(), wxID_ANY, ResText(kStrBrowse));
    database->Add(browseDatabase, 0, wxALL, 4);
    sizer->Add(database, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

    auto* weather = Group(this, kStrWeatherFolder);
    weather_ = new wxTextCtrl(weather->GetStaticBox(), wxID_ANY, ToWx(g_strClimateFolder),
                              wxDefaultPosition, wxSize(kPathWidth, -1));
    weather->Add(weather_, 1, wxALL, 4);
    auto* browseFolder = new wxButton(weather->GetStaticBox(), wxID_ANY, ResText(kStrBrowse));
    weather->Add(browseFolder, 0, wxALL, 4);
    sizer->Add(weather, 0, wxEXPAND | wxALL, 8);

    auto* language = Group(this, kStrLanguage);
    std::tie(english_, french_) = RadioPair(language, kStrEnglish, kStrFrench);
    sizer->Add(language, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    AddOkCancelHelp(*buttons, this,
                    {ResText(kStrButtonOK), ResText(kStrButtonCancel), ResText(kStrButtonHelp)}, 8);
    sizer->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 8);
    SetSizerAndFit(sizer);
    Centre();

    (g_nUnits == UnitSystem::IP ? unitsIP_ : unitsSI_)->SetValue(true);
    (g_nLanguage == Language::French ? french_ : english_)->SetValue(true);

    browseDatabase->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        wxFileDialog dialog(this, ChooseFileTitle(), wxEmptyString, "*.mdb",
                            ResText(kStrDatabaseFilter));
        if (dialog.ShowModal() == wxID_OK) database_->SetValue(dialog.GetPath());
    });
    browseFolder->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        // The browser opens on the weather folder in force.
        wxDirDialog dialog(this, ResText(kStrChooseWeatherFolder), ToWx(g_strClimateFolder),
                           wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
        if (dialog.ShowModal() == wxID_OK) weather_->SetValue(dialog.GetPath());
    });
}

void OptionsDialog::Apply() {
    g_nUnits = unitsIP_->GetValue() ? UnitSystem::IP : UnitSystem::SI;
    {
        WaitWindow wait(ResText(kStrPleaseWait));
        // A database that cannot be used has shown why and left the previous one in force.
        static_cast<void>(ChangeDatabase(FromWx(database_->GetValue())));
    }
    ChangeClimateFolder(FromWx(weather_->GetValue()));
    const Language language = french_->GetValue() ? Language::French : Language::English;
    g_nNewLanguage = language;
    if (language != g_nLanguage) ShowMessage(LanguageChangeNotice(language), MessageKind::Notice);
}

void RunOptionsDialog(wxWindow* parent) {
    OptionsDialog dialog(parent);
    if (dialog.ShowModal() == wxID_OK) dialog.Apply();
}

#include "maintenance_window.h"

#include "city_list_texts.h"
#include "city_manager.h"
#include "frontend_strings.h"
#include "help_pages.h"
#include "list_manager.h"
#include "object_data.h"
#include "wx_text.h"

CMaintainDlg::CMaintainDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ResText(kStrMaintainTitle)) {
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* heading = new wxStaticText(this, wxID_ANY, ResText(kStrMaintainHeading));
    heading->SetFont(wxFont(wxFontInfo(18).FaceName("Arial")));
    top->Add(heading, 0, wxALL | wxALIGN_CENTER_HORIZONTAL, 12);

    constexpr std::array<int, kObjectTypeCount> kLabels = {kStrClientsButton, kStrInstallersButton,
                                                           kStrPoolUseButton, kStrCollectorsButton,
                                                           kStrHeatersButton, kStrBlanketsButton};
    auto* lists = new wxGridSizer(2, 8, 8);
    for (ObjectType type : kObjectTypes)
        lists->Add(new wxButton(this, ListButtonId(type), ResText(kLabels[Index(type)])), 0,
                   wxEXPAND);
    lists->Add(new wxButton(this, kIdRuns, ResText(kStrRunsButton)), 0, wxEXPAND);
    lists->Add(new wxButton(this, kIdCities, ResText(kStrCitiesButton)), 0, wxEXPAND);
    top->Add(lists, 0, wxLEFT | wxRIGHT | wxEXPAND, 12);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_CANCEL, ResText(kStrDoneButton)), 0, wxRIGHT, 5);
    buttons->Add(new wxButton(this, wxID_HELP, ResText(kStrHelpButton)));
    top->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(top);

    Bind(wxEVT_BUTTON, &CMaintainDlg::OnList, this, kIdFirstList,
         kIdFirstList + static_cast<int>(kObjectTypeCount) - 1);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (g_OpenRunsManager) g_OpenRunsManager(this);
        },
        kIdRuns);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            CCityMngrDlg cities(this);
            cities.ShowModal();
        },
        kIdCities);
    BindHelp(*this, "maintenance");
}

void CMaintainDlg::OnList(wxCommandEvent& event) {
    CObjMngrDlg manager(this,
                        kObjectTypes.at(static_cast<std::size_t>(event.GetId() - kIdFirstList)));
    manager.ShowModal();
}

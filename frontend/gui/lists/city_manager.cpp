#include "city_manager.h"

#include "city_list_texts.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "help_pages.h"
#include "wx_text.h"

CCityMngrDlg::CCityMngrDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ResText(kStrCityListTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    list_ = new wxListCtrl(this, kIdList, wxDefaultPosition, wxSize(640, 300),
                           wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    const std::pair<int, int> columns[] = {{kStrStationColumn, 230},
                                           {kStrLatitudeColumn, 90},
                                           {kStrLongitudeColumn, 100},
                                           {kStrFileColumn, 196}};
    for (const auto& [text, width] : columns)
        list_->InsertColumn(list_->GetColumnCount(), ResText(text), wxLIST_FORMAT_LEFT, width);

    auto* buttons = new wxBoxSizer(wxVERTICAL);
    const std::pair<int, int> commands[] = {{kIdImport, kStrImportButton},
                                            {kIdRemove, kStrRemoveButton},
                                            {wxID_CANCEL, kStrCloseButton},
                                            {wxID_HELP, kStrHelpButton}};
    for (const auto& [id, text] : commands)
        buttons->Add(new wxButton(this, id, ResText(text)), 0, wxEXPAND | wxBOTTOM, 5);

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(list_, 1, wxEXPAND | wxALL, 10);
    top->Add(buttons, 0, wxTOP | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(top);

    Bind(wxEVT_BUTTON, &CCityMngrDlg::OnImport, this, kIdImport);
    Bind(wxEVT_BUTTON, &CCityMngrDlg::OnRemove, this, kIdRemove);
    BindHelp(*this, "cities");
    FillList();
}

void CCityMngrDlg::FillList(const std::string& fileName) {
    rows_ = ListCityRows(g_strClimateFolder);
    list_->DeleteAllItems();
    for (const CityRow& row : rows_) {
        const long item = list_->InsertItem(list_->GetItemCount(), ToWx(row.station));
        list_->SetItem(item, 1, ToWx(row.latitude));
        list_->SetItem(item, 2, ToWx(row.longitude));
        list_->SetItem(item, 3, ToWx(row.fileName));
        if (!fileName.empty() && row.fileName == fileName) {
            list_->SetItemState(item, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                                wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
            list_->EnsureVisible(item);
        }
    }
}

void CCityMngrDlg::OnImport(wxCommandEvent&) {
    wxFileDialog chooser(this, ResText(kStrImportTitle), wxEmptyString, wxEmptyString,
                         ResText(kStrWeatherFileFilter), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() != wxID_OK) return;
    if (const std::optional<std::string> imported = ImportCity(FromWx(chooser.GetPath())))
        FillList(*imported);
}

void CCityMngrDlg::OnRemove(wxCommandEvent&) {
    const long item = list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (item < 0 || static_cast<std::size_t>(item) >= rows_.size()) return;
    if (!RemoveCity(rows_[static_cast<std::size_t>(item)])) return;
    FillList();
    // The row that took the removed one's place becomes the selected one.
    if (item < list_->GetItemCount())
        list_->SetItemState(item, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
}

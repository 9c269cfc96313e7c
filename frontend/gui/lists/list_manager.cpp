#include "list_manager.h"

#include "command_failure.h"
#include "frontend_globals.h"
#include "frontend_strings.h"
#include "help_pages.h"
#include "object_dialog.h"
#include "user_interface.h"
#include "wx_text.h"

namespace {

constexpr std::array<int, kObjectTypeCount> kTitles = {kStrClientListTitle,  kStrInstallerListTitle,
                                                       kStrPoolUseListTitle, kStrCollectorListTitle,
                                                       kStrHeaterListTitle,  kStrBlanketListTitle};

}  // namespace

CObjMngrDlg::CObjMngrDlg(wxWindow* parent, ObjectType type)
    : wxDialog(parent, wxID_ANY, ResText(kTitles[Index(type)]), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      type_(type),
      set_(OpenObjectSet(type)) {
    list_ = new wxListCtrl(this, kIdList, wxDefaultPosition, wxSize(340, 260),
                           wxLC_REPORT | wxLC_HRULES | wxLC_VRULES);
    list_->InsertColumn(0, ResText(kStrNameColumn), wxLIST_FORMAT_LEFT, 238);
    list_->InsertColumn(1, ResText(kStrIdColumn), wxLIST_FORMAT_LEFT, 80);

    auto* views = new wxBoxSizer(wxHORIZONTAL);
    active_ = new wxRadioButton(this, kIdActive, ResText(kStrActiveView), wxDefaultPosition,
                                wxDefaultSize, wxRB_GROUP);
    inactive_ = new wxRadioButton(this, kIdInactive, ResText(kStrInactiveView));
    views->Add(active_, 0, wxRIGHT, 10);
    views->Add(inactive_);

    auto* buttons = new wxBoxSizer(wxVERTICAL);
    const std::pair<int, int> commands[] = {
        {kIdEdit, kStrEditButton},         {kIdAdd, kStrAddButton},
        {kIdActivate, kStrActivateButton}, {kIdDeactivate, kStrDeactivateButton},
        {kIdRemove, kStrRemoveButton},     {wxID_CANCEL, kStrCloseButton},
        {wxID_HELP, kStrHelpButton}};
    for (const auto& [id, text] : commands)
        buttons->Add(new wxButton(this, id, ResText(text)), 0, wxEXPAND | wxBOTTOM, 5);

    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(list_, 1, wxEXPAND);
    left->Add(views, 0, wxTOP, 8);
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(left, 1, wxEXPAND | wxALL, 10);
    top->Add(buttons, 0, wxTOP | wxRIGHT | wxBOTTOM, 10);
    SetSizerAndFit(top);

    active_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ShowInactive(false); });
    inactive_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ShowInactive(true); });
    Bind(wxEVT_BUTTON, &CObjMngrDlg::OnEdit, this, kIdEdit);
    Bind(wxEVT_BUTTON, &CObjMngrDlg::OnNew, this, kIdAdd);
    Bind(wxEVT_BUTTON, &CObjMngrDlg::OnRestore, this, kIdActivate);
    Bind(wxEVT_BUTTON, &CObjMngrDlg::OnDelete, this, kIdDeactivate);
    Bind(wxEVT_BUTTON, &CObjMngrDlg::OnPurge, this, kIdRemove);
    list_->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) {
        wxCommandEvent edit;
        OnEdit(edit);
    });
    BindHelp(*this, "lists");
    SetShowDeleted();
}

void CObjMngrDlg::ShowInactive(bool inactive) {
    inactiveView_ = inactive;
    (inactive ? inactive_ : active_)->SetValue(true);
    SetShowDeleted();
}

void CObjMngrDlg::SetShowDeleted() {
    list_->DeleteAllItems();
    const auto rows = ListObjects(*set_, inactiveView_ ? ObjectView::Inactive : ObjectView::Active);
    for (const ListedObject& row : rows) {
        const long item = list_->InsertItem(list_->GetItemCount(), ToWx(row.name));
        list_->SetItem(item, 1, wxString::Format("%d", row.id));
    }
    FindWindow(kIdActivate)->Show(inactiveView_);
    FindWindow(kIdDeactivate)->Show(!inactiveView_);
    FindWindow(kIdAdd)->Enable(!inactiveView_);
    Layout();
}

int CObjMngrDlg::SelectedId() const {
    const long item = list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (item < 0) return 0;
    long id = 0;
    return list_->GetItemText(item, 1).ToLong(&id) ? static_cast<int>(id) : 0;
}

void CObjMngrDlg::OnEdit(wxCommandEvent&) {
    const int id = SelectedId();
    if (id == 0 || !SelectObject(*set_, id)) return;
    ObjectData data = ReadObject(*set_);
    // The list is shown again whether the row was saved or not.
    if (EditObject(this, data, g_nUnits))
        (void)RunCommand([&] {
            if (SaveObject(*set_, id, data)) return true;
            ShowMessage(FormatResString(kStrObjectNotSaved, id));
            return false;
        });
    SetShowDeleted();
}

void CObjMngrDlg::OnNew(wxCommandEvent&) {
    if (inactiveView_) return;
    ObjectData data = NewObjectData(type_);
    // As after an edit, whether the row was added or not.
    if (EditObject(this, data, g_nUnits))
        (void)RunCommand([&] { return AddObject(*set_, data) > 0; });
    SetShowDeleted();
}

void CObjMngrDlg::OnRestore(wxCommandEvent&) {
    if (const int id = SelectedId(); id != 0 && ActivateObject(*set_, id)) SetShowDeleted();
}

void CObjMngrDlg::OnDelete(wxCommandEvent&) {
    if (const int id = SelectedId(); id != 0 && DeactivateObject(*set_, id)) SetShowDeleted();
}

void CObjMngrDlg::OnPurge(wxCommandEvent&) {
    const long item = list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    const int id = SelectedId();
    if (id == 0 || !RemoveObject(*set_, id)) return;
    SetShowDeleted();
    // The row that took the removed one's place becomes the selected one.
    if (item < list_->GetItemCount())
        list_->SetItemState(item, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
}

#include "runs_manager.h"

#include "help_pages.h"
#include "window_texts.h"
#include "wx_text.h"

namespace {

struct Column {
    int title;
    int width;
};
constexpr Column kColumns[] = {
    {kStrColumnId, 50}, {kStrColumnTime, 170}, {kStrColumnComments, 280}, {kStrColumnClient, 140}};

int TitleOf(RunsManagerMode mode) {
    switch (mode) {
        case RunsManagerMode::Open:
            return kStrSelectRunToOpen;
        case RunsManagerMode::Model:
            return kStrSelectModelRun;
        case RunsManagerMode::Manage:
            break;
    }
    return kStrRunsManagerTitle;
}

}  // namespace

RunsManagerDialog::RunsManagerDialog(wxWindow* parent, RunsManagerMode mode)
    : wxDialog(parent, wxID_ANY, ResText(TitleOf(mode)), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    BindHelp(*this, "runs");
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    list_ = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(640, 300),
                           wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    int position = 0;
    for (const Column& column : kColumns)
        list_->InsertColumn(position++, ResText(column.title), wxLIST_FORMAT_LEFT, column.width);
    sizer->Add(list_, 1, wxALL | wxEXPAND, 8);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto add = [&](int id, int label) {
        auto* button = new wxButton(this, id, ResText(label));
        buttons->Add(button, 0, wxLEFT, 8);
        return button;
    };
    if (mode == RunsManagerMode::Manage) {
        add(ID_REMOVE, kStrButtonRemove);
        add(wxID_OK, kStrButtonClose)->SetDefault();
    } else {
        add(wxID_OPEN, kStrButtonSelect);
        if (mode == RunsManagerMode::Open) add(ID_DUPLICATE, kStrButtonDuplicate);
        add(wxID_CANCEL, kStrButtonCancel)->SetDefault();
    }
    add(wxID_HELP, kStrButtonHelp);
    sizer->Add(buttons, 0, wxALL | wxALIGN_RIGHT, 8);
    SetSizerAndFit(sizer);
    Centre();

    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (ChooseSelected(false)) EndModal(wxID_OK);
        },
        wxID_OPEN);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (ChooseSelected(true)) EndModal(wxID_OK);
        },
        ID_DUPLICATE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { RemoveSelected(); }, ID_REMOVE);
    // A double-click (or Enter) on a run chooses it, as Select does.
    if (mode != RunsManagerMode::Manage)
        list_->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) {
            if (ChooseSelected(false)) EndModal(wxID_OK);
        });
    Fill();
}

void RunsManagerDialog::Fill() {
    list_->DeleteAllItems();
    long row = 0;
    for (const RunListRow& run : ReadRunsList()) {
        list_->InsertItem(row, wxString::Format("%d", run.runId));
        list_->SetItem(row, 1, ToWx(run.time));
        list_->SetItem(row, 2, ToWx(run.comments));
        list_->SetItem(row, 3, ToWx(run.client));
        ++row;
    }
}

int RunsManagerDialog::SelectedRun() const {
    const long row = list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    long runId = -1;
    if (row < 0 || !list_->GetItemText(row).ToLong(&runId)) return -1;
    return static_cast<int>(runId);
}

bool RunsManagerDialog::ChooseSelected(bool duplicate) {
    const int runId = SelectedRun();
    if (runId < 0) return false;
    ChooseRun(runId, duplicate);
    return true;
}

void RunsManagerDialog::RemoveSelected() {
    const int runId = SelectedRun();
    if (runId < 0) return;
    const long row = list_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (!RemoveRun(runId)) return;
    list_->DeleteItem(row);
    const int next =
        SelectionAfterRemoval(static_cast<int>(row), static_cast<int>(list_->GetItemCount()));
    if (next >= 0) list_->SetItemState(next, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
}

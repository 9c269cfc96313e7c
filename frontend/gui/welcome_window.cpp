#include "welcome_window.h"

#include "front_small_windows.h"
#include "frontend_globals.h"
#include "help_pages.h"
#include "input_form.h"
#include "maintenance_window.h"
#include "new_run_wizard.h"
#include "options_dialog.h"
#include "runs_list.h"
#include "runs_manager.h"
#include "window_texts.h"
#include "wizard_windows.h"
#include "wx_text.h"

namespace {

constexpr int kTitlePoints = 24;

}  // namespace

WelcomeWindow::WelcomeWindow() : wxFrame(nullptr, wxID_ANY, "Tidewarm") {
    BindHelp(*this, "main");
    auto* panel = new wxPanel(this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* title = new wxStaticText(panel, wxID_ANY, ResText(kStrWelcome));
    title->SetFont(wxFont(wxFontInfo(kTitlePoints).Bold()));
    sizer->Add(title, 0, wxALL | wxALIGN_CENTER, 20);
    auto* buttons = new wxFlexGridSizer(2, 8, 16);
    AddButton(panel, buttons, ID_NEW, kStrButtonNew, kStrHintNew);
    AddButton(panel, buttons, ID_OPEN, kStrButtonOpen, kStrHintOpen);
    AddButton(panel, buttons, ID_MAINTAIN, kStrButtonMaintain, kStrHintMaintain);
    AddButton(panel, buttons, ID_OPTIONS, kStrButtonOptions, kStrHintOptions);
    AddButton(panel, buttons, ID_ABOUT, kStrButtonAbout, kStrAboutMenu);
    AddButton(panel, buttons, wxID_EXIT, kStrButtonExit, kStrHintExit);
    sizer->Add(buttons, 0, wxLEFT | wxRIGHT | wxALIGN_CENTER, 20);
    sizer->Add(new wxButton(panel, wxID_HELP, ResText(kStrButtonHelp)), 0, wxALL | wxALIGN_RIGHT,
               12);
    panel->SetSizer(sizer);
    auto* frame = new wxBoxSizer(wxVERTICAL);
    frame->Add(panel, 1, wxEXPAND);
    SetSizerAndFit(frame);

    Bind(wxEVT_BUTTON, &WelcomeWindow::OnNew, this, ID_NEW);
    Bind(wxEVT_BUTTON, &WelcomeWindow::OnOpen, this, ID_OPEN);
    Bind(wxEVT_BUTTON, &WelcomeWindow::OnMaintain, this, ID_MAINTAIN);
    Bind(wxEVT_BUTTON, &WelcomeWindow::OnOptions, this, ID_OPTIONS);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { ShowAbout(this); }, ID_ABOUT);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Close(); }, wxID_EXIT);
    Centre();
}

void WelcomeWindow::AddButton(wxWindow* panel, wxSizer* sizer, int id, int label, int hint) {
    sizer->Add(new wxButton(panel, id, ResText(label)), 0, wxEXPAND);
    sizer->Add(new wxStaticText(panel, wxID_ANY, ResText(hint)), 0, wxALIGN_CENTER_VERTICAL);
}

void WelcomeWindow::OnNew(wxCommandEvent&) {
    if (!RunNewRunWizard(this)) return;
    // The contacts are stored at Finish; the form opens once this window has repainted.
    auto loading = std::make_shared<WaitWindow>(ResText(kStrLoadingData));
    StoreWizardContacts();
    CallAfter([this, loading]() mutable {
        loading.reset();
        OpenInputForm();
    });
}

void WelcomeWindow::OnOpen(wxCommandEvent&) {
    g_nCurrentRunId = -1;
    g_nRunCreationMode = RunCreationMode::Existing;
    RunsManagerDialog manager(this, RunsManagerMode::Open);
    if (manager.ShowModal() == wxID_OK) OpenInputForm();
}

void WelcomeWindow::OnMaintain(wxCommandEvent&) {
    CMaintainDlg maintain(this);
    maintain.ShowModal();
}

void WelcomeWindow::OnOptions(wxCommandEvent&) {
    RunOptionsDialog(this);
}

void WelcomeWindow::OpenInputForm() {
    InputFormDialog form(this);
    if (form.Loaded()) form.ShowModal();
}

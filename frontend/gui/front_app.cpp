#include "front_app.h"

#include "folders.h"
#include "frontend_start.h"
#include "maintenance_window.h"
#include "runs_manager.h"
#include "welcome_window.h"
#include "wx_translations.h"

bool CFrontApp::OnInit() {
    SetAppDisplayName("Tidewarm");
    previousSink_ = SetMessageSink(&messageBoxes_);
    previousProgress_ = SetProgress(&waitWindow_);
    // The database may be compacted here, behind the "Compacting database..." window.
    if (!StartFrontEnd(ProgramFolder(), DataFolder(), UseProgramLanguage)) {
        OnExit();
        return false;
    }
    // The maintenance window and the runs manager open each other.
    RegisterMaintainWindow([](wxWindow* parent) {
        CMaintainDlg maintain(parent);
        maintain.ShowModal();
    });
    g_OpenRunsManager = [](wxWindow* parent) {
        RunsManagerDialog runs(parent, RunsManagerMode::Manage);
        runs.ShowModal();
    };
    auto* welcome = new WelcomeWindow;
    welcome->Show();
    SetTopWindow(welcome);
    ShowSplash(welcome);
    return true;
}

int CFrontApp::OnExit() {
    EndFrontEnd(DataFolder());
    SetProgress(previousProgress_);
    SetMessageSink(previousSink_);
    return wxApp::OnExit();
}

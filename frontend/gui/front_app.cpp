#include "front_app.h"

#include "command_failure.h"
#include "folders.h"
#include "frontend_start.h"
#include "frontend_strings.h"
#include "maintenance_window.h"
#include "program_icon.h"
#include "runs_manager.h"
#include "tidewarm_icon.xpm"
#include "welcome_window.h"
#include "wx_translations.h"

bool CFrontApp::OnInit() {
    SetAppDisplayName("Tidewarm");
    UseProgramIcon(wxIcon(kTidewarmIcon));
    placement_.Register();
    previousSink_ = SetMessageSink(&messageBoxes_);
    previousProgress_ = SetProgress(&waitWindow_);
    // The database may be compacted here, behind the "Compacting database..." window.
    if (!StartFrontEnd(ProgramFolder(), DataFolder(), UseProgramLanguage)) {
        OnExit();
        return false;
    }
    // The maintenance window cannot see the runs manager (its library lies below this one).
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

int CFrontApp::OnRun() {
    const int status = wxApp::OnRun();
    configHandled_ = true;
    return EndFrontEnd(DataFolder()) ? status : 1;
}

int CFrontApp::OnExit() {
    // Written here when the main window did not run (a failed start, the window tests); a file
    // that cannot be written has shown why, and the status is the start's.
    if (!configHandled_) static_cast<void>(EndFrontEnd(DataFolder()));
    SetProgress(previousProgress_);
    SetMessageSink(previousSink_);
    placement_.Unregister();
    return wxApp::OnExit();
}

bool CFrontApp::OnExceptionInMainLoop() {
    ShowCommandFailure();
    return true;
}

void CFrontApp::OnUnhandledException() {
    // The message box itself: OnExit may already have put the sink of the start back.
    messageBoxes_.Show(FormatResString(kStrProgramMustStop, CurrentExceptionText()),
                       MessageKind::Error);
}

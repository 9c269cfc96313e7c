#include "front_app.h"

#include "folders.h"
#include "frontend_start.h"
#include "welcome_window.h"

bool CFrontApp::OnInit() {
    SetAppDisplayName("Tidewarm");
    previousSink_ = SetMessageSink(&messageBoxes_);
    previousProgress_ = SetProgress(&waitWindow_);
    // The database may be compacted here, behind the "Compacting database..." window.
    if (!StartFrontEnd(ProgramFolder(), DataFolder())) {
        OnExit();
        return false;
    }
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

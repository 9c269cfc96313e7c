// The installers' program: start-up without windows, the splash window, the main window until
// it closes, and the configuration written at every end. A command that fails with an exception
// is reported and the program goes on.
#pragma once

#include "dialog_placement.h"
#include "front_small_windows.h"
#include "front_wx_headers.h"

class CFrontApp : public wxApp {
  public:
    bool OnInit() override;
    // The main window's run; a configuration that could not be written at its end (message 110
    // shown) gives the exit status 1.
    int OnRun() override;
    int OnExit() override;
    // A command ended by an exception (a locked database...): message 420, and the program
    // goes on.
    bool OnExceptionInMainLoop() override;
    // The last resort, for an exception outside any command: message 421 before the end.
    void OnUnhandledException() override;

  private:
    DialogPlacement placement_;
    FrontMessageBoxes messageBoxes_;
    MessageSink* previousSink_ = nullptr;
    WaitWindowProgress waitWindow_;
    Progress* previousProgress_ = nullptr;
    bool configHandled_ = false;  // the configuration written (or tried) at the end of OnRun
};

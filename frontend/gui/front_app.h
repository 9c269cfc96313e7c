// The installers' program: start-up without windows, the splash window, the main window until
// it closes, and the configuration written at every end.
#pragma once

#include "message_boxes.h"
#include "small_windows.h"
#include "wx_headers.h"

class CFrontApp : public wxApp {
  public:
    bool OnInit() override;
    int OnExit() override;

  private:
    MessageBoxSink messageBoxes_;
    MessageSink* previousSink_ = nullptr;
    WaitWindowProgress waitWindow_;
    Progress* previousProgress_ = nullptr;
};

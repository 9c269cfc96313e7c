// Every modal dialog of the program opens centred over the window that opened it, and whole on
// the screen where it fits. A window manager may place a dialog elsewhere (at the screen's
// top-left after a message box), so its place is set again once it is on the screen, from where
// the windows really are.
#pragma once

#include <wx/modalhook.h>

#include "front_wx_headers.h"

class DialogPlacement : public wxModalDialogHook {
  protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}
};

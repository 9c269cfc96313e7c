// The main frame: the menus of a program without a project, the toolbar, the status bar with
// the lock-key indicators, and the windows of the open projects inside it.
#pragma once

#include "wx_headers.h"

// The work area of the screen `window` is on (the first screen when it is on none): the screen
// less the desktop's panels.
wxRect WorkAreaOf(const wxWindow& window);

class CMainFrame final : public wxDocMDIParentFrame {
  public:
    explicit CMainFrame(wxDocManager* manager);

    // The panes of the status bar.
    enum Pane : int { kMessagePane, kCapsLockPane, kNumLockPane, kScrollLockPane, kPaneCount };

  private:
    void CreateToolbar();
    void CreateStatusPanes();
    // Cuts the frame to the work area of the screen it opens on (the one under the pointer),
    // centred there, so that no edge and no status bar is left off the screen.
    void FitScreen();
    // The lock-key indicators follow the keyboard.
    void OnIdle(wxIdleEvent& event);

    void OnHelp(wxCommandEvent&);
    // Shift+F1 and the toolbar's help button: the next click opens the page of what it hits.
    void OnContextHelp(wxCommandEvent&);
    void OnToggleToolbar(wxCommandEvent&);
    void OnToggleStatusBar(wxCommandEvent&);
    void OnUpdateToolbar(wxUpdateUIEvent& event);
    void OnUpdateStatusBar(wxUpdateUIEvent& event);
    void OnWindowCommand(wxCommandEvent& event);
};

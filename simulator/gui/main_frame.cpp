#include "main_frame.h"

#include <wx/cshelp.h>
#include <wx/display.h>

#include <algorithm>

#include "command_ids.h"
#include "input_window.h"
#include "menus.h"
#include "simulator_strings.h"
#include "tidewarm_app.h"
#include "wx_text.h"

CMainFrame::CMainFrame(wxDocManager* manager)
    : wxDocMDIParentFrame(manager, nullptr, wxID_ANY, ResText(kStrMainTitle), wxDefaultPosition,
                          wxSize(900, 680)) {
    wxMenuBar* menuBar = CreateFrameMenuBar();
    SetMenuBar(menuBar);
    manager->FileHistoryUseMenu(menuBar->GetMenu(0));
    manager->FileHistoryAddFilesToMenu(menuBar->GetMenu(0));
    SetAcceleratorTable(FrameAccelerators());
    CreateToolbar();
    CreateStatusPanes();
    FitScreen();
    Bind(wxEVT_IDLE, &CMainFrame::OnIdle, this);
    for (const int id : {wxID_HELP_CONTENTS, wxID_HELP})
        Bind(wxEVT_MENU, &CMainFrame::OnHelp, this, id);
    Bind(wxEVT_MENU, &CMainFrame::OnContextHelp, this, wxID_HELP_CONTEXT);
    // A click in context-help mode on a window without a page of its own: the frame's page.
    Bind(wxEVT_HELP, [](wxHelpEvent&) { ShowHelpPage(kMainFramePage); });
    Bind(wxEVT_MENU, &CMainFrame::OnToggleToolbar, this, kCmdToggleToolbar);
    Bind(wxEVT_MENU, &CMainFrame::OnToggleStatusBar, this, kCmdToggleStatusBar);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateToolbar, this, kCmdToggleToolbar);
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateStatusBar, this, kCmdToggleStatusBar);
    for (const int id : {kCmdCascade, kCmdTile, kCmdArrangeIcons, kCmdNextPane, kCmdPreviousPane})
        Bind(wxEVT_MENU, &CMainFrame::OnWindowCommand, this, id);
    // The project's view enables its editing commands, in the Edit menu and on the toolbar
    // alike; without a view they are off.
    for (const int id : {wxID_CUT, wxID_COPY, wxID_PASTE, wxID_UNDO})
        Bind(
            wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, id);
}

namespace {

wxRect WorkAreaOfDisplay(int index) {
    return wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
}

}  // namespace

wxRect WorkAreaOf(const wxWindow& window) {
    return WorkAreaOfDisplay(wxDisplay::GetFromWindow(&window));
}

void CMainFrame::FitScreen() {
    const wxRect area = WorkAreaOfDisplay(wxDisplay::GetFromPoint(wxGetMousePosition()));
    wxRect frame(GetSize());
    frame.SetWidth(std::min(frame.GetWidth(), area.GetWidth()));
    frame.SetHeight(std::min(frame.GetHeight(), area.GetHeight()));
    SetSize(frame.CenterIn(area));
}

void CMainFrame::CreateToolbar() {
    wxToolBar* toolbar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT);
    const wxSize size(16, 16);
    const auto add = [&](int id, const wxArtID& art, int textId) {
        toolbar->AddTool(id, wxString(), wxArtProvider::GetBitmapBundle(art, wxART_TOOLBAR, size),
                         wxStripMenuCodes(ResText(textId), wxStrip_All));
    };
    add(wxID_NEW, wxART_NEW, kStrMenuNew);
    add(wxID_OPEN, wxART_FILE_OPEN, kStrMenuOpen);
    add(wxID_SAVE, wxART_FILE_SAVE, kStrMenuSave);
    toolbar->AddSeparator();
    add(wxID_CUT, wxART_CUT, kStrMenuCut);
    add(wxID_COPY, wxART_COPY, kStrMenuCopy);
    add(wxID_PASTE, wxART_PASTE, kStrMenuPaste);
    toolbar->AddSeparator();
    add(wxID_PRINT, wxART_PRINT, kStrMenuPrint);
    add(wxID_ABOUT, wxART_INFORMATION, kStrMenuAbout);
    add(wxID_HELP_CONTEXT, wxART_HELP, kStrToolHelp);
    toolbar->Realize();
}

void CMainFrame::CreateStatusPanes() {
    wxStatusBar* status = CreateStatusBar(kPaneCount);
    const int width = FromDIP(48);
    const int widths[kPaneCount] = {-1, width, width, width};
    status->SetStatusWidths(kPaneCount, widths);
    SetStatusText(ResText(kStrReady), kMessagePane);
}

void CMainFrame::OnIdle(wxIdleEvent& event) {
    event.Skip();
    // The frame's keys (F1) reach its accelerators only through a window with the focus: with no
    // project open, or after a menu closed with Escape, the client area takes it.
    if (IsActive() && wxWindow::FindFocus() == nullptr && GetClientWindow() != nullptr)
        GetClientWindow()->SetFocus();
    wxStatusBar* status = GetStatusBar();
    if (status == nullptr) return;
    const struct {
        Pane pane;
        wxKeyCode key;
        int textId;
    } indicators[] = {{kCapsLockPane, WXK_CAPITAL, kStrCapsLockPane},
                      {kNumLockPane, WXK_NUMLOCK, kStrNumLockPane},
                      {kScrollLockPane, WXK_SCROLL, kStrScrollLockPane}};
    for (const auto& indicator : indicators) {
        const wxString text = wxGetKeyState(indicator.key) ? ResText(indicator.textId) : wxString();
        if (status->GetStatusText(indicator.pane) != text)
            status->SetStatusText(text, indicator.pane);
    }
}

void CMainFrame::OnHelp(wxCommandEvent&) {
    TheApp().Help().DisplayContents();
}

void CMainFrame::OnContextHelp(wxCommandEvent&) {
    // The pointer becomes the question mark until the next click, which sends the window
    // clicked a help event; a key leaves the mode. The mode runs within the constructor.
    const wxContextHelp mode(this);
}

void CMainFrame::OnToggleToolbar(wxCommandEvent&) {
    GetToolBar()->Show(!GetToolBar()->IsShown());
    SendSizeEvent();
}

void CMainFrame::OnToggleStatusBar(wxCommandEvent&) {
    GetStatusBar()->Show(!GetStatusBar()->IsShown());
    SendSizeEvent();
}

void CMainFrame::OnUpdateToolbar(wxUpdateUIEvent& event) {
    event.Check(GetToolBar()->IsShown());
}

void CMainFrame::OnUpdateStatusBar(wxUpdateUIEvent& event) {
    event.Check(GetStatusBar()->IsShown());
}

void CMainFrame::OnWindowCommand(wxCommandEvent& event) {
    switch (event.GetId()) {
        case kCmdCascade:
            Cascade();
            break;
        case kCmdTile:
            Tile();
            break;
        case kCmdArrangeIcons:
            ArrangeIcons();
            break;
        case kCmdNextPane:
            ActivateNext();
            break;
        case kCmdPreviousPane:
            ActivatePrevious();
            break;
    }
}

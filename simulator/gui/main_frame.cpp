#include "main_frame.h"

#include <wx/display.h>

#include <algorithm>

#include "command_ids.h"
#include "menus.h"
#include "simulator_strings.h"
#include "tidewarm_app.h"
#include "wx_text.h"

// clang-format off
wxBEGIN_EVENT_TABLE(CMainFrame, wxDocMDIParentFrame)
    EVT_IDLE(CMainFrame::OnIdle)
    EVT_MENU(wxID_HELP_CONTENTS, CMainFrame::OnHelp)
    EVT_MENU(wxID_HELP, CMainFrame::OnHelp)
    EVT_MENU(wxID_HELP_CONTEXT, CMainFrame::OnHelp)
    EVT_MENU(kCmdToggleToolbar, CMainFrame::OnToggleToolbar)
    EVT_MENU(kCmdToggleStatusBar, CMainFrame::OnToggleStatusBar)
    EVT_UPDATE_UI(kCmdToggleToolbar, CMainFrame::OnUpdateToolbar)
    EVT_UPDATE_UI(kCmdToggleStatusBar, CMainFrame::OnUpdateStatusBar)
    EVT_MENU(kCmdCascade, CMainFrame::OnWindowCommand)
    EVT_MENU(kCmdTile, CMainFrame::OnWindowCommand)
    EVT_MENU(kCmdArrangeIcons, CMainFrame::OnWindowCommand)
    EVT_MENU(kCmdNextPane, CMainFrame::OnWindowCommand)
    EVT_MENU(kCmdPreviousPane, CMainFrame::OnWindowCommand)
wxEND_EVENT_TABLE()
    // clang-format on

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
}

void CMainFrame::FitScreen() {
    const int index = wxDisplay::GetFromPoint(wxGetMousePosition());
    const wxRect area =
        wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
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

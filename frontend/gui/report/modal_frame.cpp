#include "modal_frame.h"

#include <gtk/gtk.h>
#include <wx/evtloop.h>

namespace {

// Whether wx delivered the command of the menu item being chosen.
bool g_commandDelivered = false;

// wxGTK drops the commands of a frame's menu bar while a modal dialog runs (the menu opens, the
// chosen item does nothing; only its shortcut works). So each item of `menu` delivers its
// command itself, after wx's own handler and only when that one let it go.
void DeliverCommandsOf(wxMenu& menu) {
    menu.Bind(wxEVT_MENU, [](wxCommandEvent& event) {
        g_commandDelivered = true;
        event.Skip();
    });
    for (wxMenuItem* item : menu.GetMenuItems()) {
        if (item->IsSubMenu()) DeliverCommandsOf(*item->GetSubMenu());
        if (item->IsSubMenu() || item->IsSeparator()) continue;
        g_signal_connect_after(
            item->GetMenuItem(), "activate", G_CALLBACK(+[](GtkWidget*, wxMenuItem* chosen) {
                const bool delivered = g_commandDelivered;
                g_commandDelivered = false;
                if (delivered || !chosen->IsEnabled()) return;
                chosen->GetMenu()->SendEvent(chosen->GetId(),
                                             chosen->IsCheckable() ? chosen->IsChecked() : -1);
                g_commandDelivered = false;
            }),
            item);
    }
}

}  // namespace

void RunFrameModally(wxFrame& frame) {
    wxGUIEventLoop loop;
    frame.Bind(wxEVT_DESTROY, [&frame, &loop](wxWindowDestroyEvent& event) {
        // The frame's own end, not that of one of its children.
        if (event.GetEventObject() == &frame && loop.IsRunning()) loop.Exit();
        event.Skip();
    });
    if (wxMenuBar* menus = frame.GetMenuBar())
        for (std::size_t i = 0; i < menus->GetMenuCount(); ++i)
            DeliverCommandsOf(*menus->GetMenu(i));
    // Disabled windows take no clicks or keys; the frame is also made modal for GTK, which
    // otherwise sends it no input while a modal dialog (the window that opened it) holds the grab.
    wxWindowDisabler others(&frame);
    // wxGTK drops a frame's close from the window manager (title bar, Alt+F4) while a modal
    // dialog runs, unless the frame stands as a dialog itself.
    frame.SetExtraStyle(frame.GetExtraStyle() | wxTOPLEVEL_EX_DIALOG);
    frame.Show();
    gtk_window_set_modal(GTK_WINDOW(frame.GetHandle()), TRUE);
    loop.Run();
}

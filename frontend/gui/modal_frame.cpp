#include "modal_frame.h"

#include <gtk/gtk.h>
#include <wx/evtloop.h>

void RunFrameModally(wxFrame& frame) {
    wxGUIEventLoop loop;
    frame.Bind(wxEVT_DESTROY, [&frame, &loop](wxWindowDestroyEvent& event) {
        // The frame's own end, not that of one of its children.
        if (event.GetEventObject() == &frame && loop.IsRunning()) loop.Exit();
        event.Skip();
    });
    // Disabled windows take no clicks or keys; the frame is also made modal for GTK, which
    // otherwise sends it no input while a modal dialog (the window that opened it) holds the grab.
    wxWindowDisabler others(&frame);
    frame.Show();
    gtk_window_set_modal(GTK_WINDOW(frame.GetHandle()), TRUE);
    loop.Run();
}

#include "frame_help_key.h"

#include <gtk/gtk.h>

namespace {

gboolean OnKeyPress(GtkWidget*, GdkEventKey* key, gpointer frame) {
    if (key->keyval != GDK_KEY_F1 || (key->state & gtk_accelerator_get_default_mod_mask()) != 0)
        return FALSE;
    auto* window = static_cast<wxTopLevelWindow*>(frame);
    wxCommandEvent help(wxEVT_MENU, wxID_HELP);
    help.SetEventObject(window);
    window->GetEventHandler()->ProcessEvent(help);
    return TRUE;
}

}  // namespace

void BindHelpKeyToFrame(wxTopLevelWindow& frame) {
    // After wx's own handler, which gives the key to the window with the focus and its
    // accelerators first and stops here when one of them took it.
    g_signal_connect(static_cast<GtkWidget*>(frame.GetHandle()), "key-press-event",
                     G_CALLBACK(OnKeyPress), &frame);
}

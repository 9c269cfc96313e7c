#include "dialog_placement.h"

#include <gtk/gtk.h>

#include <algorithm>

namespace {

// The window's frame (title bar and borders included) where the display shows it.
GdkRectangle FrameOnScreen(GtkWidget* widget) {
    GdkRectangle frame{};
    if (GdkWindow* shown = gtk_widget_get_window(widget))
        gdk_window_get_frame_extents(shown, &frame);
    return frame;
}

void CentreOverOpener(wxWindow& dialog) {
    auto* widget = static_cast<GtkWidget*>(dialog.GetHandle());
    const GdkRectangle own = FrameOnScreen(widget);
    if (own.width <= 0) return;
    int x = own.x, y = own.y;
    wxWindow* opener = wxGetTopLevelParent(dialog.GetParent());
    if (opener != nullptr && opener->IsShownOnScreen()) {
        const GdkRectangle around = FrameOnScreen(static_cast<GtkWidget*>(opener->GetHandle()));
        if (around.width > 0) {
            x = around.x + (around.width - own.width) / 2;
            y = around.y + (around.height - own.height) / 2;
        }
    }
    // Whole on the screen where it fits; else its title bar and left edge on it.
    const wxRect screen = wxDisplay(&dialog).GetClientArea();
    x = std::max(screen.x, std::min(x, screen.GetRight() + 1 - own.width));
    y = std::max(screen.y, std::min(y, screen.GetBottom() + 1 - own.height));
    if (x != own.x || y != own.y) gtk_window_move(GTK_WINDOW(widget), x, y);
}

gboolean CentreOnceMapped(GtkWidget* widget, GdkEvent*, wxWindow* dialog) {
    g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(CentreOnceMapped),
                                         dialog);
    CentreOverOpener(*dialog);
    return FALSE;
}

}  // namespace

int DialogPlacement::Enter(wxDialog* dialog) {
    wxWindowRef shown(dialog);
    // Once the dialog's own loop runs (a message box makes its window only then), and again
    // when the window manager has put it on the screen.
    dialog->CallAfter([shown] {
        if (!shown || !shown->IsShown() || shown->GetHandle() == nullptr) return;
        auto* widget = static_cast<GtkWidget*>(shown->GetHandle());
        if (gtk_widget_get_mapped(widget))
            CentreOverOpener(*shown.get());
        else
            g_signal_connect(widget, "map-event", G_CALLBACK(CentreOnceMapped), shown.get());
    });
    return wxID_NONE;
}

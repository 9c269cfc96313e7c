#include "program_icon.h"

#include <gtk/gtk.h>
#include <wx/bitmap.h>

void UseProgramIcon(const wxIcon& icon) {
    wxBitmap picture;
    picture.CopyFromIcon(icon);
    gtk_window_set_default_icon(picture.GetPixbuf());
}

// The icon of a program: shown in the title bar of every window it opens and in its About box.
#pragma once

#include <wx/icon.h>

// Makes `icon` GTK's default window icon, which every window without an icon of its own shows
// and GTK's About box takes as its logo.
void UseProgramIcon(const wxIcon& icon);

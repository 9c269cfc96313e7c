// F1 for a frame's help wherever the keyboard is: wx's accelerators reach a frame only through
// the window that has the focus, and with no document open, or after a menu closed with Escape,
// none has.
#pragma once

#include <wx/toplevel.h>

// F1 that no window of `frame` took sends `frame` the menu command wxID_HELP.
void BindHelpKeyToFrame(wxTopLevelWindow& frame);

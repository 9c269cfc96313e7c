// A frame (a window with a menu bar) run as a modal window: it takes the input while every
// other window of the program waits, as a modal dialog does.
#pragma once

#include "front_wx_headers.h"

// Shows `frame` over the others and returns when it has been closed; the other windows take no
// input meanwhile, and the frame's menus and the window manager's close (title bar, Alt+F4)
// work as they do in any frame. The loop ends when the frame is destroyed (by default when it is
// closed).
void RunFrameModally(wxFrame& frame);

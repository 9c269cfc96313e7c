// The wx headers of the front end's windows, precompiled once for the whole layer. The web view's
// header is the report window's own: it alone uses it.
#pragma once

#include <wx/aboutdlg.h>
#include <wx/display.h>
#include <wx/filename.h>
#include <wx/listctrl.h>
#include <wx/print.h>
#include <wx/splash.h>
#include <wx/statline.h>
#include <wx/wx.h>

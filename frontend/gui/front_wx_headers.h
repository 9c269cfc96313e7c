// The wx headers of the front end's windows, precompiled once for the whole layer.
#pragma once

#include <wx/aboutdlg.h>
#include <wx/display.h>
#include <wx/filename.h>
#include <wx/listctrl.h>
#include <wx/print.h>
#include <wx/splash.h>
#include <wx/statline.h>
#include <wx/webview.h>
#include <wx/wx.h>

// The wx headers of the windows, precompiled once for the whole layer.
#pragma once

#include <wx/aboutdlg.h>
#include <wx/artprov.h>
#include <wx/config.h>
#include <wx/docmdi.h>
#include <wx/docview.h>
#include <wx/filehistory.h>
#include <wx/html/helpctrl.h>
#include <wx/print.h>
#include <wx/splash.h>
#include <wx/weakref.h>
#include <wx/wx.h>

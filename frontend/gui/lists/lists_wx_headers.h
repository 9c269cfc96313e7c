// The wx headers of the list windows, precompiled once for the layer.
#pragma once

#include <wx/html/helpctrl.h>
#include <wx/listctrl.h>
#include <wx/module.h>
#include <wx/wx.h>

// The wx headers of the list windows, precompiled once for the layer.
#pragma once

#include <wx/listctrl.h>
#include <wx/wx.h>

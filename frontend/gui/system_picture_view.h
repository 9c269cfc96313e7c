// The input form's pictures of a system, drawn as clean line drawings: the pool, with or
// without collectors on their loop, a fuel heater or a heat pump, a blanket on the water.
#pragma once

#include "front_wx_headers.h"
#include "system_picture.h"

inline constexpr int kSystemPictureWidth = 240;
inline constexpr int kSystemPictureHeight = 130;

// The picture `number` (181 to 192) at its size, on the window's background `background`.
wxBitmap DrawSystemPicture(int number, const wxColour& background);

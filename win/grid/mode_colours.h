// The schedule modes' colours as the window system takes them.
#pragma once

#include <windows.h>

#include "schedule_modes.h"

// 0xRRGGBB as a COLORREF, which holds its channels the other way round.
inline COLORREF ColourOf(Rgb rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

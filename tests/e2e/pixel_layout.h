// Where the game window's controls belong on the screen: the intended layout
// (shared with the host's resource tests) at the window's fixed pixel scale.
#pragma once

#include <windows.h>

#include "tests/common/game_window_layout.h"

namespace e2e {

// Pixel rectangle relative to the client area. The window is laid out at
// 2 px per horizontal and 17/8 px per vertical unit; a position and a size are
// each rounded to the nearest pixel, halves up, the way a dialog template is
// laid out (a wheel picture, 34 units high at y = 91, is 72 px high).
RECT pixelRect(const expected_layout::Control& control);
SIZE pixelSize(int widthUnits, int heightUnits);

} // namespace e2e

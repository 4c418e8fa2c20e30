// Real input: mouse clicks and key presses go through SendInput, so the game
// receives them the way it receives a player's.
#pragma once

#include <windows.h>

namespace e2e {

// Left click at a screen point. The cursor is first brought to the point and
// checked there, because a click sent before the cursor has settled may land
// on the window it came from.
bool clickAt(POINT screenPoint);

// Presses the left button at one point, moves with it held to another in a
// few steps, and releases it there.
bool dragFromTo(POINT from, POINT to);

// Left click in the middle of a control or window.
bool clickWindow(HWND window);

void pressKey(WORD virtualKey);

// Presses a key while a modifier is held, such as Alt and Space.
void pressKeyWith(WORD modifier, WORD virtualKey);

// Brings a window to the front so that keys reach it; false if it stays behind.
bool bringToFront(HWND window);

} // namespace e2e

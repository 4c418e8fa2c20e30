// Reads another process's windows and controls: children in template order,
// texts, positions relative to the client area, and button states.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The child windows in stacking order, which for a dialog is template order.
std::vector<HWND> childWindows(HWND parent);

// The window's text, asked for with a timeout so that a hung game cannot block.
std::string windowText(HWND window);
std::string windowClass(HWND window);

// The control's rectangle in pixels relative to its parent's client area.
RECT rectInParent(HWND control);
SIZE clientSize(HWND window);
POINT centreOnScreen(HWND window);

bool buttonChecked(HWND button);

// The middle of the part of the caption row for which the window reports
// this hit-test code (HTCLOSE, HTCAPTION), found by asking the window itself
// since the frame's metrics vary with the theme; false if there is none.
bool findCaptionPart(HWND window, LRESULT hitCode, POINT* middle);

// Everything a player can see of one control, for comparing a window before
// and after something that should leave it unchanged.
struct ControlState {
    std::string text;
    RECT rect;
    bool enabled;
    bool visible;
    LRESULT check;
};
std::vector<ControlState> controlStates(HWND parent);
std::string describeDifference(const std::vector<ControlState>& before,
                               const std::vector<ControlState>& after);

std::string rectText(const RECT& rect);
bool sameRect(const RECT& a, const RECT& b);

} // namespace e2e

// What the game window should look like: its controls as the template lays
// them out, and the fixed pixel scale the window is drawn at.
#pragma once

#include <windows.h>

#include <vector>

namespace e2e {

struct TemplateControl {
    int number; // 1-based position in template order
    int id;
    const char* className;
    const char* text; // nullptr where the template holds an icon, not a string
    int x, y, width, height;
};

constexpr int kWindowWidthUnits = 475;
constexpr int kWindowHeightUnits = 211;

const std::vector<TemplateControl>& gameWindowControls();

// Pixel rectangle relative to the client area. The window is laid out at
// 2 px per horizontal and 17/8 px per vertical unit; a position and a size are
// each rounded to the nearest pixel, halves up, the way a dialog template is
// laid out (a wheel picture, 34 units high at y = 91, is 72 px high).
RECT pixelRect(const TemplateControl& control);
SIZE gameClientSize();

} // namespace e2e

// What the game window should look like: its controls as the template in the
// game's own resources lays them out, and the fixed pixel scale the window is
// drawn at. (The template itself is checked against the intended layout by
// the host's resource tests.)
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct TemplateControl {
    int number; // 1-based position in template order
    int id;
    std::string className;
    std::string text;
    bool isIcon; // the template names an icon instead of a text
    int x, y, width, height;
};

struct GameWindowTemplate {
    bool loaded = false;
    int width = 0, height = 0; // dialog units
    std::vector<TemplateControl> controls;
};

// Read once from the game's executable.
const GameWindowTemplate& gameWindowTemplate(const std::string& gameExe);

// Pixel rectangle relative to the client area. The window is laid out at
// 2 px per horizontal and 17/8 px per vertical unit; a position and a size are
// each rounded to the nearest pixel, halves up, the way a dialog template is
// laid out (a wheel picture, 34 units high at y = 91, is 72 px high).
RECT pixelRect(const TemplateControl& control);
SIZE pixelSize(int widthUnits, int heightUnits);

} // namespace e2e

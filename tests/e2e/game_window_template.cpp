#include "game_window_template.h"

#include <iterator>

namespace e2e {

namespace {

// The game window's controls as its template lays them out, in template order:
// number, id (-1 for labels and frames), class, text, and x, y, width, height
// in dialog units. The number boxes start empty in the template; the window
// fills them with 0 when it opens. The logo's text is an icon, not a string.
const TemplateControl kControls[] = {
    {1, 1, "Button", "Try Again", 102, 175, 45, 13},
    {2, 2, "Button", "Exit", 292, 175, 43, 13},
    {3, -1, "Static", "Quintaro....Are these your lucky numbers!", 168, 13, 137, 8},
    {4, 1002, "Edit", "", 32, 64, 41, 12},
    {5, 1003, "Edit", "", 107, 64, 41, 12},
    {6, 1004, "Edit", "", 179, 64, 41, 12},
    {7, 1005, "Edit", "", 249, 64, 41, 12},
    {8, 1006, "Edit", "", 319, 64, 41, 12},
    {9, 1007, "Edit", "", 406, 64, 41, 12},
    {10, -1, "Static", "1st Num", 39, 53, 28, 8},
    {11, -1, "Static", "2nd Num", 111, 53, 30, 8},
    {12, -1, "Static", "3rd Num", 186, 53, 28, 8},
    {13, -1, "Static", "4th Num", 254, 53, 28, 8},
    {14, -1, "Static", "5th Num", 325, 53, 28, 8},
    {15, -1, "Static", "Bonus  Num", 406, 53, 41, 8},
    {16, 1008, "Button", "Get Lucky Numbers", 45, 23, 71, 12},
    {17, 1009, "Static", "", 5, 4, 465, 202},
    {18, 1016, "Static", "", 34, 91, 36, 34},
    {19, 1017, "Static", "", 110, 91, 36, 34},
    {20, 1018, "Static", "", 181, 91, 36, 34},
    {21, 1019, "Static", "", 249, 91, 36, 34},
    {22, 1020, "Static", "", 322, 91, 36, 34},
    {23, 1021, "Static", "", 408, 91, 36, 34},
    {24, 1010, "Button", "Spin 1", 25, 137, 24, 12},
    {25, 1011, "Button", "Spin 2", 100, 137, 24, 12},
    {26, 1012, "Button", "Spin 3", 172, 137, 24, 12},
    {27, 1013, "Button", "Spin 4", 244, 137, 24, 12},
    {28, 1014, "Button", "Spin 5", 315, 137, 24, 12},
    {29, 1015, "Button", "Spin B", 400, 137, 26, 12},
    {30, 1023, "Button", "Stop 1", 55, 137, 24, 12},
    {31, 1024, "Button", "Stop 2", 127, 137, 24, 12},
    {32, 1025, "Button", "Stop 3", 199, 137, 24, 12},
    {33, 1026, "Button", "Stop 4", 271, 137, 24, 12},
    {34, 1027, "Button", "Stop 5", 342, 137, 24, 12},
    {35, 1028, "Button", "Stop B", 429, 137, 26, 12},
    {36, -1, "Static", " Match each Lucky number to each spinning wheel number to find out !  ",
     150, 28, 229, 8},
    {37, 1029, "Button", "Easy", 15, 172, 27, 9},
    {38, 1030, "Button", "Challenging", 15, 187, 48, 9},
    {39, -1, "Button", "Play Level", 12, 160, 58, 41},
    {40, 1032, "Static", "", 11, 45, 455, 110},
    {41, -1, "Static", "Start >>>", 11, 26, 31, 8},
    {42, -1, "Button", "Quintaro Game Type", 352, 170, 112, 31},
    {43, 1038, "Button", "Super", 358, 184, 29, 10},
    {44, 1039, "Button", "Power", 395, 184, 32, 10},
    {45, 1040, "Button", "Mega", 430, 184, 28, 10},
    {46, -1, "Static", " 1. Select Game Type", 171, 173, 71, 8},
    {47, -1, "Static", " 2. Select Play Level", 171, 183, 66, 8},
    {48, -1, "Static", " 3. Get and Match Lucky Numbers", 171, 193, 110, 8},
    {49, -1, "Static", "Instructions :", 192, 163, 42, 8},
    {50, -1, "Static", nullptr, 439, 14, 20, 20},
};

// Units to pixels with halves rounded up: 2 px across, 17/8 px down.
int horizontalPixels(int units) {
    return units * 2;
}
int verticalPixels(int units) {
    return (units * 17 + 4) / 8;
}

} // namespace

const std::vector<TemplateControl>& gameWindowControls() {
    static const std::vector<TemplateControl> controls(std::begin(kControls), std::end(kControls));
    return controls;
}

RECT pixelRect(const TemplateControl& control) {
    const int left = horizontalPixels(control.x);
    const int top = verticalPixels(control.y);
    return {left, top, left + horizontalPixels(control.width),
            top + verticalPixels(control.height)};
}

SIZE gameClientSize() {
    return {horizontalPixels(kWindowWidthUnits), verticalPixels(kWindowHeightUnits)};
}

} // namespace e2e

// The game window's layout as we intend it, written out independently of the
// resource script: every control's id, class, text, styles and place in
// dialog units. The host's resource tests hold the compiled template to it
// and the end-to-end tests hold the window on the screen to it.
#pragma once

#include <cstdint>

#include "fw/types.h" // the style bits

namespace expected_layout {

constexpr uint32_t kNumberBox = WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_READONLY | ES_AUTOHSCROLL |
                                ES_CENTER;

// One control as the layout wants it; style lists the bits beyond child and visible.
struct Control {
    int id;
    const char* cls;
    const char* text;
    uint32_t style, exStyle;
    int x, y, cx, cy;
    int icon = -1;
};

// The game window in dialog units, and its controls in template order.
constexpr int kGameWindowWidth = 475, kGameWindowHeight = 211;
constexpr Control kGameWindow[] = {
    {1, "button", "Try Again", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 102, 175, 45, 13},
    {2, "button", "Exit", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 292, 175, 43, 13},
    {-1, "static", "Quintaro....Are these your lucky numbers!",
     WS_GROUP | SS_CENTER | SS_CENTERIMAGE, 0, 168, 13, 137, 8},
    {1002, "edit", "", kNumberBox, WS_EX_STATICEDGE, 32, 64, 41, 12},
    {1003, "edit", "", kNumberBox, WS_EX_STATICEDGE, 107, 64, 41, 12},
    {1004, "edit", "", kNumberBox, WS_EX_STATICEDGE, 179, 64, 41, 12},
    {1005, "edit", "", kNumberBox, WS_EX_STATICEDGE, 249, 64, 41, 12},
    {1006, "edit", "", kNumberBox, WS_EX_STATICEDGE, 319, 64, 41, 12},
    {1007, "edit", "", kNumberBox, WS_EX_STATICEDGE, 406, 64, 41, 12},
    {-1, "static", "1st Num", WS_GROUP | SS_CENTER, 0, 39, 53, 28, 8},
    {-1, "static", "2nd Num", WS_GROUP | SS_CENTER, 0, 111, 53, 30, 8},
    {-1, "static", "3rd Num", WS_GROUP | SS_CENTER, 0, 186, 53, 28, 8},
    {-1, "static", "4th Num", WS_GROUP | SS_CENTER, 0, 254, 53, 28, 8},
    {-1, "static", "5th Num", WS_GROUP | SS_CENTER, 0, 325, 53, 28, 8},
    {-1, "static", "Bonus  Num", WS_GROUP | SS_CENTER, 0, 406, 53, 41, 8},
    {1008, "button", "Get Lucky Numbers", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 45, 23, 71, 12},
    {1009, "static", "", SS_BLACKFRAME | SS_CENTERIMAGE | SS_REALSIZEIMAGE, WS_EX_TRANSPARENT, 5, 4,
     465, 202},
    {1016, "static", "", WS_GROUP | SS_BLACKFRAME | SS_CENTERIMAGE, 0, 34, 91, 36, 34},
    {1017, "static", "", SS_BLACKFRAME, 0, 110, 91, 36, 34},
    {1018, "static", "", SS_BLACKFRAME, 0, 181, 91, 36, 34},
    {1019, "static", "", SS_BLACKFRAME, 0, 249, 91, 36, 34},
    {1020, "static", "", SS_BLACKFRAME, 0, 322, 91, 36, 34},
    {1021, "static", "", SS_BLACKFRAME, 0, 408, 91, 36, 34},
    {1010, "button", "Spin 1", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 25, 137, 24, 12},
    {1011, "button", "Spin 2", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 100, 137, 24, 12},
    {1012, "button", "Spin 3", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 172, 137, 24, 12},
    {1013, "button", "Spin 4", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 244, 137, 24, 12},
    {1014, "button", "Spin 5", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 315, 137, 24, 12},
    {1015, "button", "Spin B", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 400, 137, 26, 12},
    {1023, "button", "Stop 1", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 55, 137, 24, 12},
    {1024, "button", "Stop 2", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 127, 137, 24, 12},
    {1025, "button", "Stop 3", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 199, 137, 24, 12},
    {1026, "button", "Stop 4", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 271, 137, 24, 12},
    {1027, "button", "Stop 5", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 342, 137, 24, 12},
    {1028, "button", "Stop B", WS_TABSTOP | BS_PUSHBUTTON, WS_EX_STATICEDGE, 429, 137, 26, 12},
    {-1, "static", " Match each Lucky number to each spinning wheel number to find out !  ",
     WS_GROUP | SS_LEFT, 0, 150, 28, 229, 8},
    {1029, "button", "Easy", WS_TABSTOP | BS_AUTOCHECKBOX, 0, 15, 172, 27, 9},
    {1030, "button", "Challenging", WS_TABSTOP | BS_AUTOCHECKBOX, 0, 15, 187, 48, 9},
    {-1, "button", "Play Level", BS_GROUPBOX, 0, 12, 160, 58, 41},
    {1032, "static", "", SS_GRAYFRAME, 0, 11, 45, 455, 110},
    {-1, "static", "Start >>>", WS_GROUP | SS_LEFT, 0, 11, 26, 31, 8},
    {-1, "button", "Quintaro Game Type", BS_GROUPBOX, 0, 352, 170, 112, 31},
    {1038, "button", "Super", WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 0, 358, 184, 29, 10},
    {1039, "button", "Power", WS_TABSTOP | BS_AUTORADIOBUTTON, 0, 395, 184, 32, 10},
    {1040, "button", "Mega", WS_TABSTOP | BS_AUTORADIOBUTTON, 0, 430, 184, 28, 10},
    {-1, "static", " 1. Select Game Type", WS_GROUP | SS_LEFT, 0, 171, 173, 71, 8},
    {-1, "static", " 2. Select Play Level", WS_GROUP | SS_LEFT, 0, 171, 183, 66, 8},
    {-1, "static", " 3. Get and Match Lucky Numbers", WS_GROUP | SS_LEFT, 0, 171, 193, 110, 8},
    {-1, "static", "Instructions :", WS_GROUP | SS_LEFT, 0, 192, 163, 42, 8},
    {-1, "static", "", SS_ICON, 0, 439, 14, 20, 20, 271},
};

} // namespace expected_layout

// The game window's layout as we intend it, written out independently of the
// resource script: every control's id, class, text, styles and place in
// dialog units. The host's resource tests hold the compiled template to it
// and the end-to-end tests hold the window on the screen to it.
#pragma once

#include <cstdint>

namespace expected_layout {

// Window style bits, written out here rather than taken from the platform.
constexpr uint32_t kWsPopup = 0x80000000, kWsChild = 0x40000000, kWsVisible = 0x10000000,
                   kWsCaption = 0x00C00000, kWsBorder = 0x00800000, kWsSysMenu = 0x00080000,
                   kWsGroup = 0x00020000, kWsMinimizeBox = 0x00020000, kWsTabStop = 0x00010000;
constexpr uint32_t kDsModalFrame = 0x80, kDsCenter = 0x800, kDsSetFontBit = 0x40;
constexpr uint32_t kExAppWindow = 0x40000, kExStaticEdge = 0x20000, kExTransparent = 0x20;
constexpr uint32_t kBsPush = 0, kBsDefPush = 1, kBsAutoCheck = 3, kBsGroupBox = 7, kBsAutoRadio = 9;
constexpr uint32_t kSsLeft = 0, kSsCenter = 1, kSsIcon = 3, kSsBlackFrame = 7, kSsGrayFrame = 8,
                   kSsNoPrefix = 0x80, kSsCenterImage = 0x200, kSsRealSizeImage = 0x800;
constexpr uint32_t kNumberBox = kWsBorder | kWsTabStop | 0x2000 /*ES_NUMBER*/ |
                                0x800 /*ES_READONLY*/ | 0x80 /*ES_AUTOHSCROLL*/ | 1 /*ES_CENTER*/;

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
    {1, "button", "Try Again", kWsTabStop | kBsDefPush, 0, 102, 175, 45, 13},
    {2, "button", "Exit", kWsTabStop | kBsDefPush, 0, 292, 175, 43, 13},
    {-1, "static", "Quintaro....Are these your lucky numbers!",
     kWsGroup | kSsCenter | kSsCenterImage, 0, 168, 13, 137, 8},
    {1002, "edit", "", kNumberBox, kExStaticEdge, 32, 64, 41, 12},
    {1003, "edit", "", kNumberBox, kExStaticEdge, 107, 64, 41, 12},
    {1004, "edit", "", kNumberBox, kExStaticEdge, 179, 64, 41, 12},
    {1005, "edit", "", kNumberBox, kExStaticEdge, 249, 64, 41, 12},
    {1006, "edit", "", kNumberBox, kExStaticEdge, 319, 64, 41, 12},
    {1007, "edit", "", kNumberBox, kExStaticEdge, 406, 64, 41, 12},
    {-1, "static", "1st Num", kWsGroup | kSsCenter, 0, 39, 53, 28, 8},
    {-1, "static", "2nd Num", kWsGroup | kSsCenter, 0, 111, 53, 30, 8},
    {-1, "static", "3rd Num", kWsGroup | kSsCenter, 0, 186, 53, 28, 8},
    {-1, "static", "4th Num", kWsGroup | kSsCenter, 0, 254, 53, 28, 8},
    {-1, "static", "5th Num", kWsGroup | kSsCenter, 0, 325, 53, 28, 8},
    {-1, "static", "Bonus  Num", kWsGroup | kSsCenter, 0, 406, 53, 41, 8},
    {1008, "button", "Get Lucky Numbers", kWsTabStop | kBsDefPush, 0, 45, 23, 71, 12},
    {1009, "static", "", kSsBlackFrame | kSsCenterImage | kSsRealSizeImage, kExTransparent, 5, 4,
     465, 202},
    {1016, "static", "", kWsGroup | kSsBlackFrame | kSsCenterImage, 0, 34, 91, 36, 34},
    {1017, "static", "", kSsBlackFrame, 0, 110, 91, 36, 34},
    {1018, "static", "", kSsBlackFrame, 0, 181, 91, 36, 34},
    {1019, "static", "", kSsBlackFrame, 0, 249, 91, 36, 34},
    {1020, "static", "", kSsBlackFrame, 0, 322, 91, 36, 34},
    {1021, "static", "", kSsBlackFrame, 0, 408, 91, 36, 34},
    {1010, "button", "Spin 1", kWsTabStop | kBsPush, kExStaticEdge, 25, 137, 24, 12},
    {1011, "button", "Spin 2", kWsTabStop | kBsPush, kExStaticEdge, 100, 137, 24, 12},
    {1012, "button", "Spin 3", kWsTabStop | kBsPush, kExStaticEdge, 172, 137, 24, 12},
    {1013, "button", "Spin 4", kWsTabStop | kBsPush, kExStaticEdge, 244, 137, 24, 12},
    {1014, "button", "Spin 5", kWsTabStop | kBsPush, kExStaticEdge, 315, 137, 24, 12},
    {1015, "button", "Spin B", kWsTabStop | kBsPush, kExStaticEdge, 400, 137, 26, 12},
    {1023, "button", "Stop 1", kWsTabStop | kBsPush, kExStaticEdge, 55, 137, 24, 12},
    {1024, "button", "Stop 2", kWsTabStop | kBsPush, kExStaticEdge, 127, 137, 24, 12},
    {1025, "button", "Stop 3", kWsTabStop | kBsPush, kExStaticEdge, 199, 137, 24, 12},
    {1026, "button", "Stop 4", kWsTabStop | kBsPush, kExStaticEdge, 271, 137, 24, 12},
    {1027, "button", "Stop 5", kWsTabStop | kBsPush, kExStaticEdge, 342, 137, 24, 12},
    {1028, "button", "Stop B", kWsTabStop | kBsPush, kExStaticEdge, 429, 137, 26, 12},
    {-1, "static", " Match each Lucky number to each spinning wheel number to find out !  ",
     kWsGroup | kSsLeft, 0, 150, 28, 229, 8},
    {1029, "button", "Easy", kWsTabStop | kBsAutoCheck, 0, 15, 172, 27, 9},
    {1030, "button", "Challenging", kWsTabStop | kBsAutoCheck, 0, 15, 187, 48, 9},
    {-1, "button", "Play Level", kBsGroupBox, 0, 12, 160, 58, 41},
    {1032, "static", "", kSsGrayFrame, 0, 11, 45, 455, 110},
    {-1, "static", "Start >>>", kWsGroup | kSsLeft, 0, 11, 26, 31, 8},
    {-1, "button", "Quintaro Game Type", kBsGroupBox, 0, 352, 170, 112, 31},
    {1038, "button", "Super", kWsGroup | kWsTabStop | kBsAutoRadio, 0, 358, 184, 29, 10},
    {1039, "button", "Power", kWsTabStop | kBsAutoRadio, 0, 395, 184, 32, 10},
    {1040, "button", "Mega", kWsTabStop | kBsAutoRadio, 0, 430, 184, 28, 10},
    {-1, "static", " 1. Select Game Type", kWsGroup | kSsLeft, 0, 171, 173, 71, 8},
    {-1, "static", " 2. Select Play Level", kWsGroup | kSsLeft, 0, 171, 183, 66, 8},
    {-1, "static", " 3. Get and Match Lucky Numbers", kWsGroup | kSsLeft, 0, 171, 193, 110, 8},
    {-1, "static", "Instructions :", kWsGroup | kSsLeft, 0, 192, 163, 42, 8},
    {-1, "static", "", kSsIcon, 0, 439, 14, 20, 20, 271},
};

} // namespace expected_layout

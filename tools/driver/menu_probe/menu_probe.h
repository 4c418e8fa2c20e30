// What the menu probe DLL and the driver share. The driver hooks the game's
// thread with the DLL's message hook and posts kProbeMessage to a game
// window; inside the game, the hook writes that window's system menu into the
// shared block named kProbeBlockName, whose handle another process cannot get.
#pragma once

#include <windows.h>

namespace e2e {

constexpr const char* kProbeMessage = "QuintaroE2E.MenuProbe";
constexpr const char* kProbeBlockName = "QuintaroE2E.MenuProbeBlock";
constexpr const char* kProbeHookName = "menuProbeHook";

struct MenuProbeItem {
    UINT id;
    UINT type; // MFT_ flags: MFT_SEPARATOR for a separator
    char text[64];
};

struct MenuProbeBlock {
    volatile LONG ready; // set last, once the items are written
    BOOL hasMenu;
    int count;
    MenuProbeItem items[64];
};

} // namespace e2e

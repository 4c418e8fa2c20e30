// Reads another process's system menu, which cannot be read from outside: a
// message hook loads menu_probe.dll (next to the driver) into the game, and
// the DLL reports the menu back (menu_probe/menu_probe.h).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct MenuItem {
    UINT id;
    bool separator;
    std::string text;
};

// The items of the window's system menu in order; false with a reason in
// *error when the menu cannot be read in time.
bool readSystemMenu(HWND window, std::vector<MenuItem>* items, std::string* error);

} // namespace e2e

// Loaded into the game by the driver's message hook: reads a window's system
// menu from inside the game, where the menu can be read.
#include "menu_probe.h"

#include <cstring>

using namespace e2e;

namespace {

void describeSystemMenu(HWND window) {
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, kProbeBlockName);
    if (!mapping)
        return;
    auto* block = static_cast<MenuProbeBlock*>(
        MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(MenuProbeBlock)));
    if (block) {
        HMENU menu = GetSystemMenu(window, FALSE);
        block->hasMenu = menu != nullptr;
        const int count = menu ? GetMenuItemCount(menu) : 0;
        const int capacity = static_cast<int>(sizeof block->items / sizeof block->items[0]);
        block->count = count < capacity ? count : capacity;
        for (int i = 0; i < block->count; ++i) {
            MenuProbeItem& item = block->items[i];
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
            info.dwTypeData = item.text;
            info.cch = sizeof item.text;
            item.text[0] = '\0';
            if (GetMenuItemInfoA(menu, i, TRUE, &info)) {
                item.id = info.wID;
                item.type = info.fType;
            }
        }
        InterlockedExchange(&block->ready, 1);
        UnmapViewOfFile(block);
    }
    CloseHandle(mapping);
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    menuProbeHook(int code, WPARAM removed, LPARAM param) {
    static const UINT probeMessage = RegisterWindowMessageA(kProbeMessage);
    MSG* message = reinterpret_cast<MSG*>(param);
    if (code == HC_ACTION && removed == PM_REMOVE && message->message == probeMessage) {
        describeSystemMenu(message->hwnd);
        message->message = WM_NULL; // the game never sees the probe
    }
    return CallNextHookEx(nullptr, code, removed, param);
}

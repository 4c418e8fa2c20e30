// What the browser backend keeps about the dialog manager's windows: their
// page elements are known by handle (fw/web/page.js); the backend keeps
// each dialog's two picture layers. Everything runs on the page's one
// thread; the rules of the dialogs are the manager's.
#pragma once

#include <cstdint>
#include <vector>

#include "fw/afxwin.h"
#include "fw/dlgmgr/manager.h"

using dlgmgr::Window;

// A dialog's pictures, under and over its controls: RGBA bytes of the
// whole client area, and the part changed since the page last showed it.
enum Layer { kUnder = 0, kOver = 1 };
struct PictureLayer {
    std::vector<uint32_t> pixels; // bytes R, G, B, A; 0 is transparent
    RECT changed = {0, 0, 0, 0};
};

struct DialogView : dlgmgr::HostView {
    int width = 0, height = 0;
    PictureLayer layers[2];
};

// A control that has its page element.
struct ControlView : dlgmgr::HostView {};

inline DialogView& DialogViewOf(const Window& dlg) {
    return static_cast<DialogView&>(*dlg.view);
}

// The handle the page knows a window by.
inline int PageId(HWND hwnd) {
    return int(reinterpret_cast<uintptr_t>(hwnd));
}

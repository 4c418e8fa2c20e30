#include "fw/win32/win32.h"

#include "fw/win32/dialog_layout.h"

namespace {

RECT WorkAreaOf(HWND hWnd) {
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(MonitorFromWindow(hWnd, MONITOR_DEFAULTTOPRIMARY), &info))
        return info.rcWork;
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return screen;
}

// Icons and bitmaps size themselves to their picture, as at creation.
bool SizesItself(HWND hCtrl) {
    char cls[16] = "";
    GetClassNameA(hCtrl, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") != 0)
        return false;
    const DWORD style = (DWORD)GetWindowLongA(hCtrl, GWL_STYLE);
    const DWORD type = style & SS_TYPEMASK;
    return (type == SS_ICON || type == SS_BITMAP) && !(style & SS_REALSIZECONTROL);
}

void MoveWindowTo(HWND hWnd, int x, int y, int cx, int cy, UINT flags) {
    SetWindowPos(hWnd, nullptr, x, y, cx, cy, flags | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void ApplyFixedScale(HWND hDlg, const DialogScale& scale, const DlgTemplate& tpl) {
    // The children exist in template order.
    HWND child = GetWindow(hDlg, GW_CHILD);
    for (const auto& item : tpl.items) {
        if (!child)
            break;
        MoveWindowTo(child, scale.PixelsX(item.x), scale.PixelsY(item.y), scale.PixelsX(item.cx),
                     scale.PixelsY(item.cy), SizesItself(child) ? SWP_NOSIZE : 0);
        child = GetWindow(child, GW_HWNDNEXT);
    }

    RECT frame = {0, 0, scale.PixelsX(tpl.cx), scale.PixelsY(tpl.cy)};
    AdjustWindowRectEx(&frame, (DWORD)GetWindowLongA(hDlg, GWL_STYLE), GetMenu(hDlg) != nullptr,
                       (DWORD)GetWindowLongA(hDlg, GWL_EXSTYLE));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    if (tpl.style & DS_CENTER) {
        // The dialog manager centred the window at the font's own scale.
        const RECT work = WorkAreaOf(hDlg);
        MoveWindowTo(hDlg, (work.left + work.right - width) / 2,
                     (work.top + work.bottom - height) / 2, width, height, 0);
    } else {
        MoveWindowTo(hDlg, 0, 0, width, height, SWP_NOMOVE);
    }
}

void CentreOverOwner(HWND hWnd) {
    const RECT work = WorkAreaOf(hWnd);
    RECT around = work;
    HWND owner = GetWindow(hWnd, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &around);

    RECT rect;
    GetWindowRect(hWnd, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    int x = (around.left + around.right - width) / 2;
    int y = (around.top + around.bottom - height) / 2;
    // Stay on screen: the right and bottom edges first, so that the top-left
    // corner wins when the window is larger than the work area.
    if (x + width > work.right)
        x = work.right - width;
    if (y + height > work.bottom)
        y = work.bottom - height;
    if (x < work.left)
        x = work.left;
    if (y < work.top)
        y = work.top;
    MoveWindowTo(hWnd, x, y, 0, 0, SWP_NOSIZE);
}

#include "mouse_keys.h"

#include "game_process.h"
#include "window_query.h"

namespace e2e {

namespace {

// SendInput takes absolute positions on a 0..65535 scale of the screen; the
// rounding up makes the scaled value fall back on exactly this pixel.
LONG absoluteCoordinate(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

bool cursorAt(POINT point) {
    POINT now{};
    return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
}

} // namespace

bool clickAt(POINT point) {
    const bool settled = waitUntil(
        [&] {
            SetCursorPos(point.x, point.y);
            Sleep(10);
            return cursorAt(point);
        },
        2000);
    if (!settled)
        return false;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3]{};
    const DWORD flags[3] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 3; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dx = absoluteCoordinate(point.x, width);
        inputs[i].mi.dy = absoluteCoordinate(point.y, height);
        inputs[i].mi.dwFlags = flags[i] | MOUSEEVENTF_ABSOLUTE;
    }
    return SendInput(3, inputs, sizeof(INPUT)) == 3;
}

bool clickWindow(HWND window) {
    return clickAt(centreOnScreen(window));
}

void pressKey(WORD virtualKey) {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

bool bringToFront(HWND window) {
    return waitUntil(
        [&] {
            if (GetForegroundWindow() == window)
                return true;
            SetForegroundWindow(window);
            return false;
        },
        2000);
}

} // namespace e2e

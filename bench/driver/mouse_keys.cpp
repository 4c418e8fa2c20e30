#include "mouse_keys.h"

#include "game_process.h"
#include "window_query.h"

#include <vector>

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

bool settleCursor(POINT point) {
    return waitUntil(
        [&] {
            SetCursorPos(point.x, point.y);
            Sleep(10);
            return cursorAt(point);
        },
        2000);
}

INPUT mouseInput(POINT point, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = absoluteCoordinate(point.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = absoluteCoordinate(point.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

INPUT keyInput(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

} // namespace

bool clickAt(POINT point) {
    if (!settleCursor(point))
        return false;
    INPUT inputs[3] = {mouseInput(point, MOUSEEVENTF_MOVE), mouseInput(point, MOUSEEVENTF_LEFTDOWN),
                       mouseInput(point, MOUSEEVENTF_LEFTUP)};
    return SendInput(3, inputs, sizeof(INPUT)) == 3;
}

bool dragFromTo(POINT from, POINT to) {
    if (!settleCursor(from))
        return false;
    constexpr int kSteps = 8;
    std::vector<INPUT> inputs = {mouseInput(from, MOUSEEVENTF_MOVE),
                                 mouseInput(from, MOUSEEVENTF_LEFTDOWN)};
    for (int step = 1; step <= kSteps; ++step) {
        const POINT on = {from.x + (to.x - from.x) * step / kSteps,
                          from.y + (to.y - from.y) * step / kSteps};
        inputs.push_back(mouseInput(on, MOUSEEVENTF_MOVE));
    }
    inputs.push_back(mouseInput(to, MOUSEEVENTF_LEFTUP));
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}

bool clickWindow(HWND window) {
    return clickAt(centreOnScreen(window));
}

void pressKey(WORD virtualKey) {
    INPUT inputs[2] = {keyInput(virtualKey, 0), keyInput(virtualKey, KEYEVENTF_KEYUP)};
    SendInput(2, inputs, sizeof(INPUT));
}

void pressKeyWith(WORD modifier, WORD virtualKey) {
    INPUT inputs[4] = {keyInput(modifier, 0), keyInput(virtualKey, 0),
                       keyInput(virtualKey, KEYEVENTF_KEYUP), keyInput(modifier, KEYEVENTF_KEYUP)};
    SendInput(4, inputs, sizeof(INPUT));
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

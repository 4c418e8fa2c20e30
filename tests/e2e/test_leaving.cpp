// Every way the player leaves ends the process at once with status 1.
#include "game_session.h"
#include "mouse_keys.h"
#include "test_runner.h"
#include "window_query.h"

using namespace e2e;

namespace {

constexpr DWORD kLeaveStatus = 1;

void pressWithAlt(WORD virtualKey) {
    INPUT inputs[4]{};
    const WORD keys[4] = {VK_MENU, virtualKey, virtualKey, VK_MENU};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(keys[i], MAPVK_VK_TO_VSC));
        inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, inputs, sizeof(INPUT));
}

} // namespace

E2E_TEST("exit.button_click") {
    GameProcess game;
    HWND window = launchGame(t, game);
    if (!window)
        return;
    if (t.check(clickWindow(GetDlgItem(window, IDCANCEL)), "cannot click \"Exit\""))
        expectExitStatus(t, game, kLeaveStatus);
}

E2E_TEST("exit.escape_key") {
    GameProcess game;
    HWND window = launchGame(t, game);
    if (!window)
        return;
    if (!t.check(bringToFront(window), "the game window does not come to the front"))
        return;
    pressKey(VK_ESCAPE);
    expectExitStatus(t, game, kLeaveStatus);
}

E2E_TEST("exit.alt_f4_key") {
    GameProcess game;
    HWND window = launchGame(t, game);
    if (!window)
        return;
    if (!t.check(bringToFront(window), "the game window does not come to the front"))
        return;
    pressWithAlt(VK_F4);
    expectExitStatus(t, game, kLeaveStatus);
}

E2E_TEST("exit.close_command") {
    GameProcess game;
    HWND window = launchGame(t, game);
    if (!window)
        return;
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    expectExitStatus(t, game, kLeaveStatus);
}

E2E_TEST("exit.close_box_click") {
    GameProcess game;
    HWND window = launchGame(t, game);
    if (!window)
        return;
    POINT closeBox{};
    if (!t.check(findCaptionPart(window, HTCLOSE, &closeBox), "the window reports no close box"))
        return;
    if (t.check(clickAt(closeBox), "cannot click the close box"))
        expectExitStatus(t, game, kLeaveStatus);
}

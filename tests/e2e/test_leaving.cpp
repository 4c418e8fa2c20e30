// Every way the player leaves ends the process at once with status 1, also
// in the middle of a spin.
#include "game_session.h"
#include "mouse_keys.h"
#include "player.h"
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

// Starts a game, leaves it the given way and expects the process to end with
// status 1. `leave` returns false (having recorded why) when it could not act.
template <class Leave> void expectLeaving(TestContext& t, Leave leave) {
    GameProcess game;
    HWND window = launchGame(t, game);
    if (window && leave(window))
        expectExitStatus(t, game, kLeaveStatus);
}

bool toFront(TestContext& t, HWND window) {
    return t.check(bringToFront(window), "the game window does not come to the front");
}

bool spinWheelOne(TestContext& t, HWND window) {
    GameArt art;
    Player player(window, art);
    return t.check(player.drawNumbers() && player.startSpin(0), player.error());
}

// The same with wheel 1 turning when the player leaves.
template <class Leave> void expectLeavingMidSpin(TestContext& t, Leave leave) {
    expectLeaving(t, [&](HWND window) { return spinWheelOne(t, window) && leave(window); });
}

bool clickExit(TestContext& t, HWND window) {
    return t.check(clickWindow(GetDlgItem(window, IDCANCEL)), "cannot click \"Exit\"");
}

bool findCloseBox(TestContext& t, HWND window, POINT* closeBox) {
    return t.check(findCaptionPart(window, HTCLOSE, closeBox), "the window reports no close box");
}

bool clickCloseBox(TestContext& t, POINT closeBox) {
    return t.check(clickAt(closeBox), "cannot click the close box");
}

bool pressAltF4(TestContext& t, HWND window) {
    if (!toFront(t, window))
        return false;
    pressWithAlt(VK_F4);
    return true;
}

} // namespace

E2E_TEST("exit.button_click") {
    expectLeaving(t, [&](HWND window) { return clickExit(t, window); });
}

E2E_TEST("exit.escape_key") {
    expectLeaving(t, [&](HWND window) {
        if (!toFront(t, window))
            return false;
        pressKey(VK_ESCAPE);
        return true;
    });
}

E2E_TEST("exit.alt_f4_key") {
    expectLeaving(t, [&](HWND window) { return pressAltF4(t, window); });
}

E2E_TEST("exit.close_box_click") {
    expectLeaving(t, [&](HWND window) {
        POINT closeBox{};
        return findCloseBox(t, window, &closeBox) && clickCloseBox(t, closeBox);
    });
}

E2E_TEST("exit.mid_spin.button_click") {
    expectLeavingMidSpin(t, [&](HWND window) { return clickExit(t, window); });
}

E2E_TEST("exit.mid_spin.close_box_click") {
    // Found before the spin: a turning wheel answers one question per frame.
    expectLeaving(t, [&](HWND window) {
        POINT closeBox{};
        return findCloseBox(t, window, &closeBox) && spinWheelOne(t, window) &&
               clickCloseBox(t, closeBox);
    });
}

E2E_TEST("exit.mid_spin.alt_f4_key") {
    expectLeavingMidSpin(t, [&](HWND window) { return pressAltF4(t, window); });
}

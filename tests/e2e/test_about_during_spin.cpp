// The About box chosen from the system menu while wheel 1 turns: the wheel
// stands still under it and, once OK closes it, shows its next frame one
// frame delay later, like any other frame.
//
// Under Wine on an X server without a window manager (not how these tests
// run), closing any dialog first waits 2 s for a window manager that never
// answers.
#include "game_session.h"
#include "mouse_keys.h"
#include "player.h"
#include "player_camera.h"
#include "player_wheel.h"
#include "test_runner.h"
#include "window_query.h"
#include "res/resource.h"

using namespace e2e;

namespace {

constexpr const char* kAboutTitle = "About Quintaro";
constexpr int kStillFrames = 4;      // frame delays the wheel is watched under the box
constexpr int kMostFramesToTurn = 3; // the first frame after OK comes within this many delays
constexpr double kNoTurnMs = 10000;

// The process's menu window, once it shows.
bool waitForMenu(DWORD processId) {
    return waitUntil(
        [&] {
            for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
                 menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(menu, &owner);
                if (owner == processId && IsWindowVisible(menu))
                    return true;
            }
            return false;
        },
        kWindowTimeoutMs);
}

// Watches the wheel until it shows another frame; false if none by the deadline.
bool waitForFrame(WheelWatcher& watcher, double deadline) {
    while (nowMs() < deadline)
        if (watcher.look())
            return true;
    return false;
}

} // namespace

E2E_TEST("about.during_spin_wheel_waits_then_turns_on") {
    GameArt art;
    GameProcess game;
    HWND window = launchGameWithArt(t, game, art);
    if (!window)
        return;
    Player player(window, art);
    if (!t.check(player.choose(IDC_CHALLENGING) && player.drawNumbers() && player.startSpin(0),
                 player.error()))
        return;
    const double delayMs = frameDelay(window, 0);
    HWND wheel = GetDlgItem(window, wheelControls(0).picture);
    WheelWatcher watcher(wheel, false, highestNumber(window, 0), art);
    if (!t.check(waitForFrame(watcher, nowMs() + kNoTurnMs) &&
                     waitForFrame(watcher, nowMs() + kNoTurnMs),
                 "wheel 1 does not turn"))
        return;

    // Alt+Space opens the system menu; the About item is its last.
    pressKeyWith(VK_MENU, VK_SPACE);
    if (!t.check(waitForMenu(game.id()), "Alt+Space opens no system menu"))
        return;
    pressKey(VK_UP);
    pressKey(VK_RETURN);
    HWND about = game.waitForWindow(kAboutTitle, kWindowTimeoutMs);
    if (!t.check(about != nullptr, "no About box from the system menu during the spin") ||
        !t.check(settleWindow(about, kWindowTimeoutMs), "the About box does not finish painting"))
        return;
    RECT covered{};
    const RECT wheelRect = screenRectOf(wheel);
    const RECT aboutRect = screenRectOf(about);
    if (!t.check(!IntersectRect(&covered, &wheelRect, &aboutRect), "the About box covers wheel 1"))
        return;

    watcher.look(); // the frame shown when the box opened
    t.check(!waitForFrame(watcher, nowMs() + kStillFrames * delayMs),
            "wheel 1 turns while the About box is open");

    HWND ok = GetDlgItem(about, IDOK);
    if (!t.check(ok && clickWindow(ok), "cannot click the About box's OK"))
        return;
    const double clicked = nowMs();
    if (!t.check(waitForFrame(watcher, clicked + kNoTurnMs),
                 "wheel 1 does not turn on after the About box closed"))
        return;
    const double firstFrameMs = watcher.changedAt() - clicked;
    t.checkf(firstFrameMs < kMostFramesToTurn * delayMs,
             "wheel 1's first frame came %.0f ms after OK; one frame delay is %.0f ms",
             firstFrameMs, delayMs);
}

// Keys that arrive while a wheel turns do nothing: the spin loop hands its
// one message per frame on without the dialog keyboard handling.
#include "game_session.h"
#include "mouse_keys.h"
#include "player.h"
#include "player_camera.h"
#include "screen_pixels.h"
#include "test_runner.h"
#include "window_query.h"

using namespace e2e;

namespace {

// One frame of wheel 1 at Easy lasts 400 ms, and the loop takes one message
// per frame; a generous bound for "at once" on a busy machine.
constexpr DWORD kAtOnceMs = 3000;

// Draws the numbers and sets wheel 1 turning; false (recorded) on failure.
bool spinWheelOne(TestContext& t, Player& player) {
    return t.check(player.drawNumbers() && player.startSpin(0), player.error());
}

HWND wheelOne(HWND window) {
    return GetDlgItem(window, wheelControls(0).picture);
}

// Whether the wheel's picture changes within the time.
bool wheelTurns(HWND picture, DWORD withinMs) {
    ScreenCamera camera(screenRectOf(picture));
    const ScreenImage first = camera.shoot();
    POINT at{};
    return waitUntil([&] { return countDifferences(first, camera.shoot(), &at) > 0; }, withinMs);
}

// Which controls take input; read from their styles, since a turning wheel
// answers only one message per frame.
std::vector<bool> enabledControls(HWND window) {
    std::vector<bool> enabled;
    for (HWND control : childWindows(window))
        enabled.push_back(IsWindowEnabled(control) != 0);
    return enabled;
}

bool spinning(HWND window) {
    return IsWindowEnabled(GetDlgItem(window, wheelControls(0).stop)) &&
           !IsWindowEnabled(GetDlgItem(window, wheelControls(0).spin));
}

} // namespace

E2E_TEST("spin.escape_and_enter_change_nothing") {
    GameArt art;
    GameProcess game;
    HWND window = launchGame(t, game);
    if (!window)
        return;
    Player player(window, art);
    if (!spinWheelOne(t, player) ||
        !t.check(bringToFront(window), "the game window does not come to the front"))
        return;
    const std::vector<bool> before = enabledControls(window);
    pressKey(VK_ESCAPE);
    pressKey(VK_RETURN);
    // Each key is two messages and the loop takes one per frame: four frames.
    t.check(wheelTurns(wheelOne(window), kAtOnceMs), "wheel 1 stands still after the keys");
    Sleep(4 * 400 + 400);
    t.check(game.running(), "the game ended on Escape or Enter during a spin");
    t.check(spinning(window), "the spin ended on Escape or Enter");
    t.check(enabledControls(window) == before, "the keys changed which controls are enabled");
    t.check(wheelTurns(wheelOne(window), kAtOnceMs), "wheel 1 stands still after the keys");
}

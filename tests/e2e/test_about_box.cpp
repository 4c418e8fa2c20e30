// The About box, opened through the game window's About command: a modal box
// owned by the game window, centred over it, leaving it unchanged after OK.
#include "game_session.h"
#include "mouse_keys.h"
#include "screen_pixels.h"
#include "test_runner.h"
#include "window_query.h"
#include "res/resource.h"

#include <cstdlib>

using namespace e2e;

namespace {

constexpr const char* kAboutTitle = "About Quintaro";
constexpr int kCentringTolerance = 3;

// Opens the About box the way its system-menu item does.
HWND openAboutBox(TestContext& t, const GameProcess& game, HWND window) {
    PostMessageA(window, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = game.waitForWindow(kAboutTitle, kWindowTimeoutMs);
    if (t.checkf(about != nullptr, "no window \"%s\" after the About command", kAboutTitle))
        t.check(settleWindow(about, kWindowTimeoutMs), "the About box does not finish painting");
    return about;
}

HWND findChildByText(HWND parent, const char* text) {
    for (HWND child : childWindows(parent))
        if (windowText(child) == text)
            return child;
    return nullptr;
}

} // namespace

E2E_TEST("about.modal_over_game") {
    GameProcess game;
    HWND window = launchGame(t, game);
    if (!window)
        return;
    HWND about = openAboutBox(t, game, window);
    if (!about)
        return;
    t.check(GetWindow(about, GW_OWNER) == window, "the About box is not owned by the game window");
    t.check(!IsWindowEnabled(window), "the game window stays enabled under the About box");
    t.check(findChildByText(about, "Quintaro Version 2.0") != nullptr,
            "no line \"Quintaro Version 2.0\" in the About box");
    t.check(findChildByText(about, "OK") != nullptr, "no OK button in the About box");

    const POINT gameCentre = centreOnScreen(window);
    const POINT aboutCentre = centreOnScreen(about);
    t.checkf(std::abs(gameCentre.x - aboutCentre.x) <= kCentringTolerance &&
                 std::abs(gameCentre.y - aboutCentre.y) <= kCentringTolerance,
             "About box centred at (%ld, %ld), game window at (%ld, %ld)", aboutCentre.x,
             aboutCentre.y, gameCentre.x, gameCentre.y);
}

E2E_TEST("about.escape_and_close_box_close_it") {
    GameProcess game;
    HWND window = launchGame(t, game);
    if (!window)
        return;
    HWND about = openAboutBox(t, game, window);
    if (!about || !t.check(bringToFront(about), "the About box does not come to the front"))
        return;
    pressKey(VK_ESCAPE);
    t.check(waitUntil([&] { return !IsWindow(about); }, kWindowTimeoutMs),
            "Escape leaves the About box open");

    about = openAboutBox(t, game, window);
    POINT closeBox{};
    if (!about ||
        !t.check(findCaptionPart(about, HTCLOSE, &closeBox), "the About box has no close box"))
        return;
    t.check(clickAt(closeBox), "cannot click the close box");
    t.check(waitUntil([&] { return !IsWindow(about); }, kWindowTimeoutMs),
            "the close box leaves the About box open");
    t.check(waitUntil([&] { return IsWindowEnabled(window) != 0; }, kWindowTimeoutMs),
            "the game window stays disabled after the About box closed");
    t.check(game.running(), "the game ended with the About box");
}

E2E_TEST("about.ok_returns_to_unchanged_game") {
    GameProcess game;
    HWND window = launchGame(t, game);
    if (!window)
        return;
    const std::vector<ControlState> before = controlStates(window);
    const ScreenImage pictureBefore = captureClientArea(window);
    HWND about = openAboutBox(t, game, window);
    if (!about)
        return;
    HWND ok = findChildByText(about, "OK");
    if (!t.check(ok && clickWindow(ok), "cannot click the About box's OK"))
        return;
    if (!t.check(waitUntil([&] { return !IsWindow(about); }, kWindowTimeoutMs),
                 "the About box stays open after OK"))
        return;
    t.check(waitUntil([&] { return IsWindowEnabled(window) != 0; }, kWindowTimeoutMs),
            "the game window stays disabled after the About box closed");
    t.check(game.running(), "the game ended with the About box");
    const std::string changes = describeDifference(before, controlStates(window));
    t.checkf(changes.empty(), "controls differ: %s", changes.c_str());

    // The part the About box covered is painted again, like it was.
    ScreenImage pictureAfter;
    POINT first{};
    size_t differences = 0;
    waitUntil(
        [&] {
            settleWindow(window, kWindowTimeoutMs);
            pictureAfter = captureClientArea(window);
            return (differences = countDifferences(pictureBefore, pictureAfter, &first)) == 0;
        },
        3000);
    t.checkf(differences == 0, "%zu pixels of the client area changed, the first at (%ld, %ld)",
             differences, first.x, first.y);
}

// The demo: the player wins one game while pictures of each stage are saved.
// It is no test of its own and takes a minute or two, so it exists only when
// asked for: QUINTARO_DEMO_DIR names the folder for the pictures and a filter
// on the command line names the demo (scripts/run-demo does both).
#include "game_process.h"
#include "game_session.h"
#include "mouse_keys.h"
#include "player.h"
#include "player_wheel.h"
#include "player_win.h"
#include "screen_pixels.h"
#include "test_runner.h"

#include <cstdlib>
#include <cstring>

using namespace e2e;

namespace {

constexpr const char* kDemoName = "demo.play_and_capture";
constexpr DWORD kWinTimeoutMs = 30000;

std::string demoFolder() {
    const char* folder = std::getenv("QUINTARO_DEMO_DIR");
    return folder && *folder ? windowsPath(folder) : std::string();
}

bool demoNamed() {
    // The driver's filters follow the game's path; options start with "--".
    for (int i = 1; i < __argc; ++i)
        if (std::strncmp(__argv[i], "--", 2) != 0 && !std::strstr(__argv[i], ".exe") &&
            std::strstr(kDemoName, __argv[i]) && std::strlen(__argv[i]) >= 4)
            return true;
    return false;
}

// Saves the window as it shows on the screen, with whatever stands over it.
void savePicture(TestContext& t, HWND window, const char* name) {
    const std::string path = demoFolder() + "\\" + name + ".bmp";
    t.checkf(saveBmp(captureScreen(screenRectOf(window)), path), "cannot write %s", path.c_str());
}

// Spins the wheel, takes its picture once the drum shows a number, and stops
// it on its lucky number. Only for numbers from 3 on, so that the picture is
// taken well before the click that counts.
bool matchWhilePictured(TestContext& t, Player& player, HWND window, const GameArt& art,
                        int wheel) {
    WheelWatcher watcher(GetDlgItem(window, wheelControls(wheel).picture), wheel == kBonusWheel,
                         highestNumber(window, wheel), art);
    if (!player.startSpin(wheel))
        return false;
    waitUntil([&] { return watcher.look() && watcher.shown() > 0; }, 5000);
    savePicture(t, window, "3-spinning");
    const int target = 2 * player.lucky(wheel) - 1;
    return player.stopOnFrame(wheel, target) && player.lastStop().judgedFrame == target;
}

void playAndCapture(TestContext& t) {
    GameArt art;
    GameProcess game;
    HWND window = launchGameWithArt(t, game, art);
    if (!window)
        return;
    savePicture(t, window, "1-opened");

    Player player(window, art);
    if (!t.check(player.drawNumbers(), player.error()))
        return;
    settleWindow(window, kWindowTimeoutMs);
    savePicture(t, window, "2-numbers-drawn");

    bool pictured = false;
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        const bool picture = !pictured && player.lucky(wheel) >= 3;
        const bool matched =
            picture ? matchWhilePictured(t, player, window, art, wheel) : player.matchWheel(wheel);
        pictured |= picture;
        if (!t.checkf(matched, "wheel %s: %s", wheelName(wheel).c_str(), player.error().c_str()))
            return;
        if (wheel < kBonusWheel)
            waitUntil(
                [&] { return IsWindowEnabled(GetDlgItem(window, wheelControls(wheel + 1).spin)); },
                5000);
    }

    bool bannerSaved = false;
    const WinSighting seen = watchWin(window, game.id(), art, kWinTimeoutMs, [&](int station) {
        if (station == 0) {
            savePicture(t, window, "4-banner");
            bannerSaved = true;
        }
    });
    t.check(bannerSaved, "the banner never showed at its first station");
    if (!t.check(seen.endOfGameDialog != nullptr, "no end-of-game dialog"))
        return;
    settleWindow(seen.endOfGameDialog, kWindowTimeoutMs);
    savePicture(t, window, "5-end-of-game");
    if (t.check(clickWindow(GetDlgItem(seen.endOfGameDialog, IDCANCEL)), "cannot click \"Exit\""))
        expectExitStatus(t, game, 1);
}

// Registered only when asked for, so that a run of all tests never plays it.
const bool demoRegistered =
    !demoFolder().empty() && demoNamed() && (TestRegistrar(kDemoName, playAndCapture), true);

} // namespace

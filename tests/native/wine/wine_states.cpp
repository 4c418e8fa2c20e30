// Plays the Windows game under Wine into the states the native game's
// same-pixels test compares, and saves the client area of each as a BMP:
//   opened.bmp     the window as it opens;
//   drawn.bmp      after "Get Lucky Numbers" at the Challenging level;
//   wheel.bmp      wheel 1 stopped on the number given (a miss, most likely);
//   banner_N.bmp   a won game's banner at station N (1 to 5).
//
//   wine_states.exe [--desktop=NAME] quintaro.exe OUTPUT-FOLDER NUMBER
#include "game_process.h"
#include "own_desktop.h"
#include "player.h"
#include "player_win.h"
#include "res/resource.h"
#include "screen_pixels.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace e2e;

namespace {

constexpr DWORD kTimeoutMs = 15000;
constexpr DWORD kWinTimeoutMs = 30000;
constexpr const char* kTitle = "Quintaro v2.0";

bool save(HWND window, const std::string& folder, const std::string& name) {
    settleWindow(window, kTimeoutMs);
    const bool ok = saveBmp(captureClientArea(window), folder + "\\" + name + ".bmp");
    if (!ok)
        std::fprintf(stderr, "wine_states: cannot save %s\n", name.c_str());
    return ok;
}

int fail(const std::string& why) {
    std::fprintf(stderr, "wine_states: %s\n", why.c_str());
    return 1;
}

int play(const std::string& exe, const std::string& folder, int number) {
    GameArt art;
    if (!art.load(exe))
        return fail(art.error());
    GameProcess game;
    if (!game.start(exe))
        return fail(game.error());
    HWND window = game.waitForWindow(kTitle, kTimeoutMs);
    if (!window)
        return fail("no game window");
    if (!save(window, folder, "opened"))
        return 1;

    Player player(window, art);
    if (!player.choose(IDC_CHALLENGING) || !player.drawNumbers())
        return fail(player.error());
    if (!save(window, folder, "drawn"))
        return 1;

    const int frame = 2 * number - 1;
    if (!player.startSpin(0) || !player.stopOnFrame(0, frame))
        return fail(player.error());
    if (player.lastStop().judgedFrame != frame)
        return fail("wheel 1 did not stop on " + std::to_string(number));
    if (!save(window, folder, "wheel"))
        return 1;

    // A new game for the win, whatever the stop was.
    game.kill();
    GameProcess winner;
    HWND second = winner.start(exe) ? winner.waitForWindow(kTitle, kTimeoutMs) : nullptr;
    if (!second)
        return fail("no second game window");
    Player winning(second, art);
    if (!winning.choose(IDC_CHALLENGING) || !winning.playToWin())
        return fail(winning.error());
    bool saved = true;
    const WinSighting seen = watchWin(second, winner.id(), art, kWinTimeoutMs, [&](int station) {
        saved &= saveBmp(captureClientArea(second),
                         folder + "\\banner_" + std::to_string(station + 1) + ".bmp");
    });
    if (seen.stations.size() != kBannerStationCount || !saved)
        return fail("the banner's stations were not all seen and saved");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const char* desktopFlag = "--desktop=";
    int first = 1;
    if (argc > 1 && std::strncmp(argv[1], desktopFlag, std::strlen(desktopFlag)) == 0) {
        int status = 0;
        if (rerunOnDesktop(argv[1] + std::strlen(desktopFlag), &status))
            return status;
        first = 2;
    }
    if (argc - first != 3) {
        std::fprintf(stderr,
                     "usage: wine_states [--desktop=NAME] quintaro.exe OUTPUT-FOLDER NUMBER\n");
        return 2;
    }
    return play(windowsPath(argv[first]), windowsPath(argv[first + 1]), std::atoi(argv[first + 2]));
}

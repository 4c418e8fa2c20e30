#include "frame_pacing.h"

#include "game_process.h"
#include "player.h"
#include "player_wheel.h"
#include "res/resource.h"

#include <algorithm>

namespace bench {

using namespace e2e;

bool measureFramePacing(const std::string& gameExe, const GameArt& art, PacingResult* result,
                        std::string* error) {
    GameProcess game;
    if (!game.start(gameExe)) {
        *error = game.error();
        return false;
    }
    HWND window = game.waitForWindow("Quintaro v2.0", 15000);
    if (!window || !settleWindow(window, 15000)) {
        *error = "the game window does not open";
        return false;
    }
    Player player(window, art);
    if (!player.choose(IDC_CHALLENGING) || !player.drawNumbers()) {
        *error = player.error();
        return false;
    }
    result->frames = 2 * highestNumber(window, 0);
    result->delayMs = frameDelay(window, 0);
    WheelWatcher watcher(GetDlgItem(window, wheelControls(0).picture), false, result->frames / 2,
                         art);
    if (!player.startSpin(0)) {
        *error = player.error();
        return false;
    }

    const double deadline = nowMs() + 2.5 * result->frames * result->delayMs + 10000;
    double firstOne = -1;
    int lastFrame = -1;
    double lastChange = 0;
    double sum = 0;
    while (nowMs() < deadline) {
        if (!watcher.look()) {
            Sleep(1);
            continue;
        }
        const int frame = watcher.frame();
        const double at = watcher.changedAt();
        if (lastFrame >= 0 && frame == (lastFrame + 1) % result->frames) {
            const double step = at - lastChange;
            result->minMs = result->intervals ? std::min(result->minMs, step) : step;
            result->maxMs = std::max(result->maxMs, step);
            sum += step;
            ++result->intervals;
        }
        lastFrame = frame;
        lastChange = at;
        if (frame == 1 && firstOne < 0) {
            firstOne = at;
        } else if (frame == 1) {
            result->turnMs = at - firstOne;
            result->meanMs = result->intervals ? sum / result->intervals : 0;
            return true;
        }
    }
    *error = "wheel 1 did not come round to number 1 again";
    return false;
}

} // namespace bench

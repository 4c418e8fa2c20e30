#include "startup_time.h"

#include "game_process.h"
#include "player.h"
#include "player_camera.h"
#include "screen_pixels.h"
#include "window_query.h"
#include "res/resource.h"

#include <functional>

namespace bench {

using namespace e2e;

namespace {

constexpr DWORD kTimeoutMs = 30000;

COLORREF asColorref(uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

bool measure(const std::string& exe, const char* title, const std::function<bool(HWND)>& painted,
             StartupSample* sample, std::string* error) {
    GameProcess process;
    const double start = nowMs();
    if (!process.start(exe)) {
        *error = process.error();
        return false;
    }
    HWND window = nullptr;
    while (nowMs() - start < kTimeoutMs && process.running()) {
        if (!window && (window = findProcessWindow(process.id(), title)))
            sample->shownMs = nowMs() - start;
        if (window && painted(window)) {
            sample->paintedMs = nowMs() - start;
            return true;
        }
        Sleep(1);
    }
    *error = std::string(title) + (window ? " was not painted" : " did not open") + " within " +
             std::to_string(kTimeoutMs) + " ms";
    return false;
}

// The picture controls draw a one-pixel frame over the edge of the tile
// whenever they paint themselves, so only the inside is compared.
bool showsInside(const ScreenImage& image, const ScreenImage& tile) {
    if (image.width != tile.width || image.height != tile.height)
        return false;
    for (int y = 1; y + 1 < tile.height; ++y)
        for (int x = 1; x + 1 < tile.width; ++x)
            if (image.at(x, y) != tile.at(x, y))
                return false;
    return true;
}

POINT clientToScreen(HWND window, POINT point) {
    ClientToScreen(window, &point);
    return point;
}

} // namespace

bool measureGameStartup(const std::string& gameExe, const GameArt& art, StartupSample* sample,
                        std::string* error) {
    // A point of the felt that no control covers, near its top-left corner.
    const POINT feltPoint{4, 4};
    const COLORREF felt = asColorref(art.felt().at(feltPoint.x, feltPoint.y));
    auto painted = [&](HWND window) {
        const RECT background = rectInParent(GetDlgItem(window, IDC_BACKGROUND));
        const POINT point{background.left + feltPoint.x, background.top + feltPoint.y};
        if (screenPixel(clientToScreen(window, point)) != felt)
            return false;
        for (int wheel = 0; wheel < kWheelCount; ++wheel) {
            HWND picture = GetDlgItem(window, wheelControls(wheel).picture);
            if (!showsInside(captureScreen(screenRectOf(picture)),
                             art.tile(wheel == kBonusWheel, 0)))
                return false;
        }
        return true;
    };
    return measure(gameExe, "Quintaro v2.0", painted, sample, error);
}

bool measureEmptyDialogStartup(const std::string& dialogExe, StartupSample* sample,
                               std::string* error) {
    auto painted = [](HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        const POINT centre{client.right / 2, client.bottom / 2};
        return screenPixel(clientToScreen(window, centre)) == GetSysColor(COLOR_BTNFACE);
    };
    return measure(dialogExe, "Bench Empty Dialog", painted, sample, error);
}

} // namespace bench

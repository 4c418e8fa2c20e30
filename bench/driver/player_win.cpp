#include "player_win.h"

#include "player_camera.h"
#include "window_query.h"
#include "res/resource.h"

#include <cstring>

namespace e2e {

namespace {

struct Search {
    DWORD processId;
    const char* title;
    std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM param) {
    Search* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char text[256] = "";
    // No message to the game: it does not read its queue while the banner plays.
    if (owner == search->processId && IsWindowVisible(window) &&
        GetWindowTextA(window, text, sizeof text) >= 0 && std::strcmp(text, search->title) == 0)
        search->found.push_back(window);
    return TRUE;
}

bool bannerAt(const ScreenImage& client, POINT origin, const ScreenImage& banner) {
    if (origin.x < 0 || origin.y < 0 || origin.x + banner.width > client.width ||
        origin.y + banner.height > client.height)
        return false;
    for (int y = 0; y < banner.height; ++y)
        for (int x = 0; x < banner.width; ++x)
            if (client.at(origin.x + x, origin.y + y) != banner.at(x, y))
                return false;
    return true;
}

} // namespace

POINT bannerStation(int station) {
    static const POINT stations[kBannerStationCount] = {
        {10, 70}, {260, -65}, {400, 60}, {260, 90}, {260, 40}};
    return stations[station];
}

WinSighting watchWin(HWND window, DWORD processId, const GameArt& art, DWORD timeoutMs,
                     const std::function<void(int station)>& onStation) {
    WinSighting seen;
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    ScreenCamera camera(client);
    const RECT area = rectInParent(GetDlgItem(window, IDC_BANNER_AREA));
    const double start = nowMs();
    while (nowMs() - start < timeoutMs) {
        const std::vector<HWND> dialogs = processWindows(processId, kEndOfGameTitle);
        if (!dialogs.empty()) {
            seen.endOfGameDialog = dialogs.front();
            seen.dialogMs = nowMs() - start;
            break;
        }
        const ScreenImage& image = camera.shoot();
        for (int station = 0; station < kBannerStationCount && !image.empty(); ++station) {
            const POINT offset = bannerStation(station);
            const POINT origin{area.left + offset.x, area.top + offset.y};
            if ((seen.stations.empty() || seen.stations.back() != station) &&
                bannerAt(image, origin, art.banner())) {
                if (seen.stations.empty())
                    seen.firstBannerMs = nowMs() - start;
                seen.stations.push_back(station);
                if (onStation)
                    onStation(station);
            }
        }
        Sleep(50);
    }
    return seen;
}

std::vector<HWND> processWindows(DWORD processId, const char* title) {
    Search search{processId, title, {}};
    EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace e2e

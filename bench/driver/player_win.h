// Watching a won game: the banner hopping over the window, then the
// end-of-game dialog.
#pragma once

#include "player_art.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace e2e {

// Seventeen blanks before the words, as the dialog's caption has them.
constexpr const char* kEndOfGameTitle = "                 Quintaro v2.0 by ZEPHRA";
constexpr int kBannerStationCount = 5;

// Top-left corner of each banner station, in pixels of the banner area.
POINT bannerStation(int station); // 0 to 4

struct WinSighting {
    std::vector<int> stations; // stations where the whole banner showed, in order (0 to 4)
    HWND endOfGameDialog = nullptr;
    double firstBannerMs = -1; // from the start of the watch
    double dialogMs = -1;
};

// Watches the game window from a winning stop until the end-of-game dialog
// opens or the time is up. onStation runs once while each station shows.
WinSighting watchWin(HWND window, DWORD processId, const GameArt& art, DWORD timeoutMs,
                     const std::function<void(int station)>& onStation = {});

// The process's visible top-level windows with exactly this title, front first.
std::vector<HWND> processWindows(DWORD processId, const char* title);

} // namespace e2e

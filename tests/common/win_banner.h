// The win as we intend it, written out independently of the game's table:
// the pause after the winning stop, then the banner's five stations in the
// banner area (its top-left corner, and how long it rests there). The unit
// tests hold the game's drawing to it and the end-to-end player looks for
// the banner there on the screen.
#pragma once

namespace expected_win {

constexpr int kPauseMs = 1000;

struct Station {
    int x, y, restMs;
};
constexpr Station kStations[] = {
    {10, 70, 2000}, {260, -65, 2000}, {400, 60, 2000}, {260, 90, 2000}, {260, 40, 3000},
};

} // namespace expected_win

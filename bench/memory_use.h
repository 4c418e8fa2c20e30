// What the game holds in memory over a long session: after its start, after
// many games with "Try Again" in one window, and after each of a row of wins
// that nest a new game window each.
#pragma once

#include "player_art.h"

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace bench {

struct MemorySample {
    std::string when;
    int gameWindows = 0;
    size_t privateBytes = 0;
    size_t workingSet = 0;
    // Object counts; -1 where the platform does not report them.
    long gdiObjects = -1;
    long userObjects = -1;
    size_t addressInUse = 0; // address space reserved or committed
};

// Each sample is also handed to onSample as soon as it is taken. A 32-bit
// game's address space can run out: after its start, *reservable gets what
// it has left, found by reserving all of it and giving it back; with
// leaveFree >= 0, all but that many bytes stay reserved, as if a long
// winning streak had filled them (0 where not measured).
bool measureMemoryUse(const std::string& gameExe, const e2e::GameArt& art, int tryAgainGames,
                      int nestedGames, long long leaveFree,
                      const std::function<void(const MemorySample&)>& onSample,
                      std::vector<MemorySample>* samples, size_t* reservable, std::string* error);

// The bytes the reel strips of one game window hold as pictures: every frame
// of the eighteen strips at 72 x 72 pixels and 24 bits.
size_t stripPictureBytes();

} // namespace bench

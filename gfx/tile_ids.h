// Which bitmap resource shows which number on the wheels: the one statement
// of the mapping. The art generator draws each tile after it, the game's
// strip builder finds a number's tile by it, and the game driver recognises
// the wheels on the screen with it. No dependencies: plain constexpr
// functions.
#pragma once

// Resource id of the main tile (wheels 1 to 5) that shows number n, 1 to 75.
// 48 to 51 are out of order in the resource table: 275 shows 51, 276 shows 50.
// Returns 0 (no such resource) for n outside 1 to 75.
constexpr int MainTileId(int n) {
    if (n >= 1 && n <= 47)
        return 175 + n;
    switch (n) {
    case 48:
        return 273;
    case 49:
        return 274;
    case 50:
        return 276;
    case 51:
        return 275;
    default:
        break;
    }
    if (n >= 52 && n <= 75)
        return 225 + n;
    return 0;
}

// Resource id of the bonus tile (wheel B) that shows number n, 1 to 35.
// Returns 0 (no such resource) for n outside 1 to 35.
constexpr int BonusTileId(int n) {
    if (n >= 1 && n <= 27)
        return 232 + n;
    if (n >= 28 && n <= 35)
        return 273 + n;
    return 0;
}

static_assert(MainTileId(1) == 176 && MainTileId(47) == 222 && MainTileId(48) == 273 &&
                  MainTileId(49) == 274 && MainTileId(50) == 276 && MainTileId(51) == 275 &&
                  MainTileId(52) == 277 && MainTileId(75) == 300,
              "main tile mapping");
static_assert(BonusTileId(1) == 233 && BonusTileId(27) == 259 && BonusTileId(28) == 301 &&
                  BonusTileId(35) == 308,
              "bonus tile mapping");

// The 72 x 72 wheel tiles: number tiles and blanks of the main wheels (teal)
// and of the bonus wheel (yellow). Every tile has a one-pixel black line along
// its top and bottom edge; the ink (digits, lines, half-discs) is antialiased
// onto a fixed ramp from each background shade to black, so a tile's palette
// is known in advance and holds no white.
#pragma once

#include "image.h"

#include <string>

namespace artgen {

constexpr int kTileSize = 72;
constexpr int kDigitHeight = 26; // ink height of a digit, pixels

IndexedImage PaintMainTile(int number);  // 1 to 75, 8 bits per pixel, speckled teal
IndexedImage PaintMainBlank();           // 8 bits per pixel, speckled teal, half-discs
IndexedImage PaintBonusTile(int number); // 1 to 27 flat yellow at 4 bits; 28 to 35 speckled, 8 bits
IndexedImage PaintBonusBlank();          // 4 bits per pixel, flat yellow, half-discs

// The text a tile shows: two digits, with a leading zero below ten.
std::string TileLabel(int number);

} // namespace artgen

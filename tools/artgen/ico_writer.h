// Stores one palette-based picture with a transparency mask as a .ico file
// (ICONDIR, one ICONDIRENTRY, then the DIB: BITMAPINFOHEADER of double
// height, palette, XOR rows, AND-mask rows, both bottom-up).
#pragma once

#include "image.h"

#include <cstdint>
#include <vector>

namespace artgen {

struct IconImage {
    IndexedImage image;               // 4 or 8 bits per pixel, at most 256 x 256
    std::vector<uint8_t> transparent; // one flag per pixel, rows top to bottom
};

// Throws std::runtime_error if the picture is not storable. Transparent
// pixels must use a palette entry that is black, so that the screen shows
// through unchanged (AND mask 1, XOR colour 0).
std::vector<uint8_t> EncodeIco(const IconImage& icon);

} // namespace artgen

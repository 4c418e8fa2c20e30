// Packed device-independent bitmaps, as bitmap and icon resources store
// them: a BITMAPINFOHEADER (or the older core header), the palette, then
// bottom-up rows. Uncompressed only, at 1, 4, 8, 24 or 32 bits per pixel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded picture: rows top to bottom, each pixel 0xAARRGGBB.
struct DibPixels {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
};

// Decodes the bitmap; false when it cannot be read. Bitmaps come out
// opaque. For an icon image (whose header gives the double height of the
// colour rows and the mask below them), pass icon = true: the AND mask
// becomes transparency (pixel 0). Only the columns from left on are
// decoded, as many as columns says (all the rest when negative); false when
// left lies beyond the bitmap.
bool DecodeDib(const uint8_t* data, size_t size, bool icon, DibPixels& out, int left = 0,
               int columns = -1);

// The width and height of the bitmap from its header alone; false when the
// header cannot be read or the bits are not all there.
bool DibSize(const uint8_t* data, size_t size, int& width, int& height);

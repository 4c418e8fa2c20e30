// Packed device-independent bitmaps, as bitmap and icon resources store
// them: a BITMAPINFOHEADER (or the older core header), the palette, then
// bottom-up rows. Uncompressed only, at 1, 4, 8, 24 or 32 bits per pixel.
#pragma once

#include "fw/gtk/toolkit.h"

#include <cstddef>
#include <cstdint>

// An opaque picture of the bitmap; null when it cannot be read. For an
// icon image (whose header gives the double height of the colour rows and
// the mask below them), pass icon = true: the AND mask becomes transparency.
cairo_surface_t* DecodeDib(const uint8_t* data, size_t size, bool icon);

// The width and height of the bitmap from its header alone; false when the
// header cannot be read.
bool DibSize(const uint8_t* data, size_t size, int& width, int& height);

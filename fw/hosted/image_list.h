// Image lists of the backends that draw the pictures themselves: pictures of
// one size, drawn by index. Adding an image only notes where its bits are;
// the backend cuts the picture from the bitmap when it is first drawn and
// keeps it for every list that holds the same image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <tuple>

#include "fw/hosted/surface.h"

// Where an image comes from: its bitmap's bits, its left edge in the
// bitmap, its size and the colour that becomes black.
struct ImageSource {
    const uint8_t* data;
    size_t size;
    int left, cx, cy;
    COLORREF mask;

    auto Key() const { return std::tie(data, left, cx, cy, mask); }
    bool operator<(const ImageSource& other) const { return Key() < other.Key(); }
};

// Draws the image at (x, y) of the surface; false when its bits cannot be read.
bool DrawImage(SurfaceDC* dc, const ImageSource& image, int x, int y);

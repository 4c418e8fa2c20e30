// A small, independent reader of the packed bitmaps of the compiled
// resources, for the tests: it parses the bytes itself instead of trusting
// the backends' decoder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bmp_reader {

struct Colour {
    uint8_t r = 0, g = 0, b = 0;
};

inline uint32_t U16(const std::vector<uint8_t>& b, size_t at) {
    return at + 2 <= b.size() ? uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 : 0;
}
inline uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

// A palette-based DIB (the pixel array and its headers), as a bitmap
// resource holds it.
struct Dib {
    std::string error;             // empty when the picture was read
    int32_t width = 0, height = 0; // height as stored (positive: bottom-up)
    int bitsPerPixel = 0;
    std::vector<Colour> palette;
    std::vector<uint8_t> index; // rows top to bottom, one index per pixel
    int rows() const { return height < 0 ? -height : height; }
    Colour at(int x, int y) const { return palette[index[size_t(y) * size_t(width) + size_t(x)]]; }
};

// Reads the info header at `at`, the palette after it and `rows` pixel rows
// from `pixelsAt` (bottom-up if the stored height is positive).
inline Dib ParseDib(const std::vector<uint8_t>& b, size_t at, size_t pixelsAt, int rows) {
    Dib d;
    if (at + 40 > b.size()) {
        d.error = "truncated info header";
        return d;
    }
    d.width = int32_t(U32(b, at + 4));
    d.height = int32_t(U32(b, at + 8));
    d.bitsPerPixel = int(U16(b, at + 14));
    const uint32_t coloursUsed = U32(b, at + 32);
    if (U32(b, at) != 40 || U16(b, at + 12) != 1 || U32(b, at + 16) != 0 ||
        (d.bitsPerPixel != 1 && d.bitsPerPixel != 4 && d.bitsPerPixel != 8) || d.width <= 0) {
        d.error = "not an uncompressed palette-based DIB with a BITMAPINFOHEADER";
        return d;
    }
    const uint32_t entries = coloursUsed ? coloursUsed : 1u << d.bitsPerPixel;
    if (entries > (1u << d.bitsPerPixel) || at + 40 + 4 * size_t(entries) > b.size()) {
        d.error = "palette too large";
        return d;
    }
    for (uint32_t i = 0; i < entries; ++i) {
        const size_t p = at + 40 + 4 * size_t(i);
        d.palette.push_back({b[p + 2], b[p + 1], b[p]});
    }
    if (pixelsAt == 0)
        pixelsAt = at + 40 + 4 * size_t(entries);
    const size_t stride = ((size_t(d.width) * size_t(d.bitsPerPixel) + 31) / 32) * 4;
    if (pixelsAt + stride * size_t(rows) > b.size()) {
        d.error = "truncated pixel rows";
        return d;
    }
    d.index.resize(size_t(d.width) * size_t(rows));
    for (int y = 0; y < rows; ++y) {
        const size_t stored = d.height > 0 ? size_t(rows - 1 - y) : size_t(y);
        const uint8_t* row = &b[pixelsAt + stored * stride];
        for (int x = 0; x < d.width; ++x) {
            uint8_t v;
            if (d.bitsPerPixel == 8)
                v = row[x];
            else if (d.bitsPerPixel == 4)
                v = x % 2 ? row[x / 2] & 0x0F : row[x / 2] >> 4;
            else
                v = (row[x / 8] >> (7 - x % 8)) & 1;
            if (v >= d.palette.size()) {
                d.error = "pixel index outside the palette";
                return d;
            }
            d.index[size_t(y) * size_t(d.width) + size_t(x)] = v;
        }
    }
    return d;
}

} // namespace bmp_reader

// Pixel containers of the art generator: an RGB picture as painted, and the
// palette-based picture that the BMP and ICO writers store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace artgen {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};
inline bool operator==(Rgb a, Rgb b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}
inline bool operator!=(Rgb a, Rgb b) {
    return !(a == b);
}
inline uint32_t Pack(Rgb c) {
    return (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
}
inline Rgb Unpack(uint32_t v) {
    return {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
}

// A full-colour picture, rows top to bottom.
struct RgbImage {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), pixels(size_t(w) * size_t(h)) {}
    Rgb& at(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    Rgb at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// A palette-based picture: one palette index per pixel (one byte each,
// whatever the stored depth), rows top to bottom.
struct IndexedImage {
    int width = 0, height = 0;
    int bitsPerPixel = 8; // 4 or 8: the depth the file stores
    std::vector<Rgb> palette;
    std::vector<uint8_t> pixels;
    IndexedImage() = default;
    IndexedImage(int w, int h, int bpp)
        : width(w), height(h), bitsPerPixel(bpp), pixels(size_t(w) * size_t(h)) {}
    uint8_t& at(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    uint8_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    Rgb colour(int x, int y) const { return palette[at(x, y)]; }
};

// Throws std::runtime_error unless the picture is storable: depth 4 or 8, a
// non-empty palette that fits the depth, every index inside the palette.
void CheckIndexedImage(const IndexedImage& image, const char* what);

} // namespace artgen

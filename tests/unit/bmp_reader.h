// A small, independent reader of the generated picture files (.bmp and .ico)
// for the tests: it parses the bytes itself instead of trusting the writer.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace bmp_reader {

struct Colour {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Colour& o) const { return !(*this == o); }
    bool operator<(const Colour& o) const {
        return (r << 16 | g << 8 | b) < (o.r << 16 | o.g << 8 | o.b);
    }
};

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline uint32_t U16(const std::vector<uint8_t>& b, size_t at) {
    return at + 2 <= b.size() ? uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 : 0;
}
inline uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

// A palette-based DIB (the pixel array and its headers), as found in a .bmp
// after its 14-byte file header, or inside an .ico.
struct Dib {
    std::string error; // empty when the picture was read
    uint32_t headerSize = 0, compression = 0, coloursUsed = 0, imageBytes = 0;
    int32_t width = 0, height = 0; // height as stored (positive: bottom-up)
    int bitsPerPixel = 0, planes = 0;
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
    d.headerSize = U32(b, at);
    d.width = int32_t(U32(b, at + 4));
    d.height = int32_t(U32(b, at + 8));
    d.planes = int(U16(b, at + 12));
    d.bitsPerPixel = int(U16(b, at + 14));
    d.compression = U32(b, at + 16);
    d.imageBytes = U32(b, at + 20);
    d.coloursUsed = U32(b, at + 32);
    if (d.headerSize != 40 || d.planes != 1 || d.compression != 0 ||
        (d.bitsPerPixel != 1 && d.bitsPerPixel != 4 && d.bitsPerPixel != 8) || d.width <= 0) {
        d.error = "not an uncompressed palette-based DIB with a BITMAPINFOHEADER";
        return d;
    }
    const uint32_t entries = d.coloursUsed ? d.coloursUsed : 1u << d.bitsPerPixel;
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

struct Bmp {
    std::string error;
    uint32_t fileSize = 0, offBits = 0;
    size_t bytes = 0;
    Dib dib;
};

inline Bmp ParseBmp(const std::vector<uint8_t>& b) {
    Bmp bmp;
    bmp.bytes = b.size();
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        bmp.error = "no BM signature";
        return bmp;
    }
    bmp.fileSize = U32(b, 2);
    bmp.offBits = U32(b, 10);
    const int32_t height = int32_t(U32(b, 22));
    bmp.dib = ParseDib(b, 14, bmp.offBits, height < 0 ? -height : height);
    bmp.error = bmp.dib.error;
    return bmp;
}

struct IconEntry {
    int width = 0, height = 0, colourCount = 0, reserved = 0, planes = 0, bitCount = 0;
    uint32_t bytesInRes = 0, imageOffset = 0;
};

struct Ico {
    std::string error;
    uint32_t reserved = 0, type = 0, count = 0;
    std::vector<IconEntry> entries;
    Dib image;                        // the XOR picture (rows = half the stored height)
    std::vector<uint8_t> transparent; // the AND mask, rows top to bottom
};

inline Ico ParseIco(const std::vector<uint8_t>& b) {
    Ico ico;
    if (b.size() < 6) {
        ico.error = "truncated";
        return ico;
    }
    ico.reserved = U16(b, 0);
    ico.type = U16(b, 2);
    ico.count = U16(b, 4);
    if (6 + 16 * size_t(ico.count) > b.size()) {
        ico.error = "truncated directory";
        return ico;
    }
    for (uint32_t i = 0; i < ico.count; ++i) {
        const size_t e = 6 + 16 * size_t(i);
        IconEntry entry;
        entry.width = b[e] ? b[e] : 256;
        entry.height = b[e + 1] ? b[e + 1] : 256;
        entry.colourCount = b[e + 2];
        entry.reserved = b[e + 3];
        entry.planes = int(U16(b, e + 4));
        entry.bitCount = int(U16(b, e + 6));
        entry.bytesInRes = U32(b, e + 8);
        entry.imageOffset = U32(b, e + 12);
        ico.entries.push_back(entry);
    }
    if (ico.entries.empty())
        return ico;
    const IconEntry& first = ico.entries[0];
    const size_t at = first.imageOffset;
    const int32_t storedHeight = int32_t(U32(b, at + 8));
    const int rows = storedHeight / 2;
    ico.image = ParseDib(b, at, 0, rows);
    ico.error = ico.image.error;
    if (!ico.error.empty())
        return ico;
    const size_t xorStride =
        ((size_t(ico.image.width) * size_t(ico.image.bitsPerPixel) + 31) / 32) * 4;
    const size_t andAt = at + 40 + 4 * ico.image.palette.size() + xorStride * size_t(rows);
    const size_t andStride = ((size_t(ico.image.width) + 31) / 32) * 4;
    if (andAt + andStride * size_t(rows) > b.size()) {
        ico.error = "truncated AND mask";
        return ico;
    }
    for (int y = 0; y < rows; ++y) {
        const uint8_t* row = &b[andAt + size_t(rows - 1 - y) * andStride];
        for (int x = 0; x < ico.image.width; ++x)
            ico.transparent.push_back((row[x / 8] >> (7 - x % 8)) & 1);
    }
    return ico;
}

} // namespace bmp_reader

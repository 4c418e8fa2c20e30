#include "fw/common/dib.h"

#include "fw/common/res_types.h"

namespace {

struct DibHeader {
    int width = 0, height = 0, bits = 0;
    uint32_t compression = 0, coloursUsed = 0;
    size_t headerSize = 0, paletteEntrySize = 4;
    bool topDown = false;
};

bool ReadHeader(ResReader& r, DibHeader& h) {
    h.headerSize = r.U32();
    if (h.headerSize == 12) {
        h.width = r.U16();
        h.height = r.S16();
        r.U16();
        h.bits = r.U16();
        h.paletteEntrySize = 3;
    } else if (h.headerSize >= 40) {
        h.width = int(r.U32());
        h.height = int(r.U32());
        r.U16();
        h.bits = r.U16();
        h.compression = r.U32();
        r.Skip(12);
        h.coloursUsed = r.U32();
        r.Skip(h.headerSize - 36);
    } else {
        return false;
    }
    if (h.height < 0) {
        h.topDown = true;
        h.height = -h.height;
    }
    return r.ok() && h.width > 0 && h.height > 0 && h.width <= 16384 && h.height <= 16384 &&
           h.compression == 0 &&
           (h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 24 || h.bits == 32);
}

size_t Stride(int width, int bits) {
    return ((size_t(width) * size_t(bits) + 31) / 32) * 4;
}

uint32_t PixelAt(const uint8_t* row, int x, int bits, const std::vector<uint32_t>& palette) {
    switch (bits) {
    case 1:
    case 4:
    case 8: {
        const int perByte = 8 / bits;
        const int shift = (perByte - 1 - x % perByte) * bits;
        const unsigned index = (row[x / perByte] >> shift) & ((1u << bits) - 1);
        return index < palette.size() ? palette[index] : 0;
    }
    case 24:
        return uint32_t(row[3 * x]) | uint32_t(row[3 * x + 1]) << 8 |
               uint32_t(row[3 * x + 2]) << 16;
    default:
        return uint32_t(row[4 * x]) | uint32_t(row[4 * x + 1]) << 8 |
               uint32_t(row[4 * x + 2]) << 16;
    }
}

} // namespace

bool DibSize(const uint8_t* data, size_t size, int& width, int& height) {
    ResReader r(data, size);
    DibHeader h;
    if (!ReadHeader(r, h))
        return false;
    const size_t colours = h.bits > 8 ? 0 : h.coloursUsed ? h.coloursUsed : 1u << h.bits;
    if (colours > 256)
        return false;
    // The whole bitmap must be there, as the later decoding needs it.
    const size_t start = r.offset() + colours * h.paletteEntrySize;
    const size_t needed = Stride(h.width, h.bits) * size_t(h.height);
    if (start > size || size - start < needed)
        return false;
    width = h.width;
    height = h.height;
    return true;
}

bool DecodeDib(const uint8_t* data, size_t size, bool icon, DibPixels& out, int left, int columns) {
    ResReader r(data, size);
    DibHeader h;
    if (!ReadHeader(r, h))
        return false;
    const int height = icon ? h.height / 2 : h.height;
    if (height <= 0)
        return false;
    std::vector<uint32_t> palette;
    if (h.bits <= 8) {
        const uint32_t count = h.coloursUsed ? h.coloursUsed : 1u << h.bits;
        if (count > 256)
            return false;
        for (uint32_t i = 0; i < count; ++i) {
            const uint32_t b = r.U8(), g = r.U8(), red = r.U8();
            if (h.paletteEntrySize == 4)
                r.U8();
            palette.push_back(b | g << 8 | red << 16);
        }
    }
    const size_t stride = Stride(h.width, h.bits);
    const size_t maskStride = Stride(h.width, 1);
    const size_t start = r.offset();
    const size_t needed = stride * size_t(height) + (icon ? maskStride * size_t(height) : 0);
    if (!r.ok() || start > size || size - start < needed)
        return false;
    const uint8_t* pixels = data + start;
    const uint8_t* mask = pixels + stride * size_t(height);

    if (left < 0 || left > h.width)
        return false;
    const int width = columns < 0 || columns > h.width - left ? h.width - left : columns;
    out.width = width;
    out.height = height;
    out.pixels.resize(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        const int stored = h.topDown ? y : height - 1 - y;
        const uint8_t* row = pixels + stride * size_t(stored);
        const uint8_t* maskRow = mask + maskStride * size_t(stored);
        uint32_t* line = out.pixels.data() + size_t(width) * size_t(y);
        if (!icon && h.bits == 8) {
            // The game's art: one palette look-up a pixel.
            for (int x = 0; x < width; ++x) {
                const uint8_t index = row[left + x];
                line[x] = 0xFF000000u | (index < palette.size() ? palette[index] : 0);
            }
        } else if (!icon && h.bits == 24) {
            row += 3 * size_t(left);
            for (int x = 0; x < width; ++x, row += 3)
                line[x] =
                    0xFF000000u | uint32_t(row[0]) | uint32_t(row[1]) << 8 | uint32_t(row[2]) << 16;
        } else {
            for (int x = 0; x < width; ++x) {
                const int at = left + x;
                const bool transparent = icon && ((maskRow[at / 8] >> (7 - at % 8)) & 1);
                line[x] = transparent ? 0 : 0xFF000000u | PixelAt(row, at, h.bits, palette);
            }
        }
    }
    return true;
}

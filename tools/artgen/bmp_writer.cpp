#include "bmp_writer.h"

namespace artgen {

namespace {
constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kPixelsPerMetre = 2835; // 72 dots per inch
} // namespace

void PutU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

int DibStride(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

std::vector<uint8_t> PackDibRows(const IndexedImage& image) {
    const int stride = DibStride(image.width, image.bitsPerPixel);
    std::vector<uint8_t> rows(size_t(stride) * size_t(image.height), 0);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* row = &rows[size_t(image.height - 1 - y) * size_t(stride)];
        for (int x = 0; x < image.width; ++x) {
            const uint8_t index = image.at(x, y);
            if (image.bitsPerPixel == 8)
                row[x] = index;
            else if (x % 2 == 0)
                row[x / 2] = uint8_t(index << 4); // high nibble is the left pixel
            else
                row[x / 2] |= uint8_t(index & 0x0F);
        }
    }
    return rows;
}

void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bitsPerPixel,
                   uint32_t imageBytes, uint32_t coloursUsed) {
    PutU32(out, kInfoHeaderBytes);
    PutU32(out, uint32_t(width));
    PutU32(out, uint32_t(height)); // positive: rows stored bottom-up
    PutU16(out, 1);                // planes
    PutU16(out, uint32_t(bitsPerPixel));
    PutU32(out, 0); // BI_RGB
    PutU32(out, imageBytes);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, coloursUsed);
    PutU32(out, 0); // all colours important
}

void PutPalette(std::vector<uint8_t>& out, const std::vector<Rgb>& palette) {
    for (Rgb c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

std::vector<uint8_t> EncodeBmp(const IndexedImage& image) {
    CheckIndexedImage(image, "bitmap");
    const std::vector<uint8_t> rows = PackDibRows(image);
    const uint32_t offBits =
        kFileHeaderBytes + kInfoHeaderBytes + 4 * uint32_t(image.palette.size());
    const uint32_t fileBytes = offBits + uint32_t(rows.size());

    std::vector<uint8_t> out;
    out.reserve(fileBytes);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, fileBytes);
    PutU32(out, 0); // reserved
    PutU32(out, offBits);
    PutInfoHeader(out, image.width, image.height, image.bitsPerPixel, uint32_t(rows.size()),
                  uint32_t(image.palette.size()));
    PutPalette(out, image.palette);
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

} // namespace artgen

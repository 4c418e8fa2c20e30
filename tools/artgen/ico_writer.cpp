#include "ico_writer.h"

#include "bmp_writer.h"

#include <stdexcept>

namespace artgen {

std::vector<uint8_t> EncodeIco(const IconImage& icon) {
    const IndexedImage& image = icon.image;
    CheckIndexedImage(image, "icon");
    if (image.width > 256 || image.height > 256)
        throw std::runtime_error("icon: larger than 256 x 256");
    if (icon.transparent.size() != image.pixels.size())
        throw std::runtime_error("icon: mask size does not match the picture");
    for (size_t i = 0; i < image.pixels.size(); ++i)
        if (icon.transparent[i] && image.palette[image.pixels[i]] != Rgb{0, 0, 0})
            throw std::runtime_error("icon: a transparent pixel is not black");

    const std::vector<uint8_t> xorRows = PackDibRows(image);
    const int maskStride = DibStride(image.width, 1);
    std::vector<uint8_t> andRows(size_t(maskStride) * size_t(image.height), 0);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (icon.transparent[size_t(y) * size_t(image.width) + size_t(x)])
                andRows[size_t(image.height - 1 - y) * size_t(maskStride) + size_t(x / 8)] |=
                    uint8_t(0x80 >> (x % 8));

    const uint32_t paletteBytes = 4 * uint32_t(image.palette.size());
    const uint32_t imageBytes = uint32_t(xorRows.size() + andRows.size());
    const uint32_t resourceBytes = 40 + paletteBytes + imageBytes;
    constexpr uint32_t kDirBytes = 6 + 16;

    std::vector<uint8_t> out;
    out.reserve(kDirBytes + resourceBytes);
    // ICONDIR
    PutU16(out, 0); // reserved
    PutU16(out, 1); // type: icon
    PutU16(out, 1); // one image
    // ICONDIRENTRY
    out.push_back(uint8_t(image.width == 256 ? 0 : image.width));
    out.push_back(uint8_t(image.height == 256 ? 0 : image.height));
    out.push_back(uint8_t(image.bitsPerPixel == 4 ? 16 : 0)); // colour count, 0 for 256
    out.push_back(0);                                         // reserved
    PutU16(out, 1);                                           // planes
    PutU16(out, uint32_t(image.bitsPerPixel));
    PutU32(out, resourceBytes);
    PutU32(out, kDirBytes); // offset of the image
    // The image: XOR bitmap and AND mask stacked, hence the double height.
    PutInfoHeader(out, image.width, 2 * image.height, image.bitsPerPixel, imageBytes,
                  uint32_t(image.palette.size()));
    PutPalette(out, image.palette);
    out.insert(out.end(), xorRows.begin(), xorRows.end());
    out.insert(out.end(), andRows.begin(), andRows.end());
    return out;
}

} // namespace artgen

#include "image.h"

#include <stdexcept>
#include <string>

namespace artgen {

void CheckIndexedImage(const IndexedImage& image, const char* what) {
    auto fail = [&](const std::string& why) {
        throw std::runtime_error(std::string(what) + ": " + why);
    };
    if (image.bitsPerPixel != 4 && image.bitsPerPixel != 8)
        fail("depth must be 4 or 8 bits per pixel");
    if (image.width <= 0 || image.height <= 0)
        fail("empty picture");
    if (image.pixels.size() != size_t(image.width) * size_t(image.height))
        fail("pixel count does not match the size");
    const size_t maxColours = size_t(1) << image.bitsPerPixel;
    if (image.palette.empty() || image.palette.size() > maxColours)
        fail(std::to_string(image.palette.size()) + " palette entries for " +
             std::to_string(image.bitsPerPixel) + " bits per pixel");
    for (uint8_t index : image.pixels)
        if (index >= image.palette.size())
            fail("pixel index " + std::to_string(index) + " outside the palette");
}

} // namespace artgen

#include "fw/gtk/dib.h"

#include <cstring>

#include "fw/common/dib.h"

cairo_surface_t* DecodeDib(const uint8_t* data, size_t size, bool icon) {
    DibPixels decoded;
    if (!DecodeDib(data, size, icon, decoded))
        return nullptr;
    // Cairo keeps the same pixels, 0xAARRGGBB, in rows of its own stride.
    cairo_surface_t* surface = cairo_image_surface_create(
        icon ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, decoded.width, decoded.height);
    cairo_surface_flush(surface);
    unsigned char* out = cairo_image_surface_get_data(surface);
    const int outStride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < decoded.height; ++y)
        std::memcpy(out + size_t(outStride) * size_t(y),
                    decoded.pixels.data() + size_t(decoded.width) * size_t(y),
                    size_t(decoded.width) * 4);
    cairo_surface_mark_dirty(surface);
    return surface;
}

// The pictures of image lists, cut from their bitmaps with cairo.
#include <map>

#include "fw/gtk/dib.h"
#include "fw/gtk/surface_dc.h"
#include "fw/hosted/image_list.h"

namespace {

// One image cut from the bitmap, with the pixels of the mask colour black.
cairo_surface_t* CutImage(cairo_surface_t* bitmap, int left, int cx, int cy, COLORREF crMask) {
    // COLORREF keeps red in the low byte, the picture in the high one.
    const uint32_t mask = (crMask & 0xFF) << 16 | (crMask & 0xFF00) | (crMask >> 16 & 0xFF);
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cx, cy);
    cairo_t* cr = cairo_create(image);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    cairo_set_source_surface(cr, bitmap, -left, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < cy; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(stride) * size_t(y));
        for (int x = 0; x < cx; ++x)
            if ((row[x] & 0xFFFFFF) == mask)
                row[x] = 0xFF000000u;
    }
    cairo_surface_mark_dirty(image);
    return image;
}

// The pictures drawn so far. The bits they come from are the program's own
// and never change, so each picture is kept for the rest of the run.
cairo_surface_t* PictureOf(const ImageSource& source) {
    static std::map<ImageSource, cairo_surface_t*> pictures;
    auto it = pictures.find(source);
    if (it != pictures.end())
        return it->second;
    cairo_surface_t* bitmap = DecodeDib(source.data, source.size, false);
    if (!bitmap)
        return nullptr;
    cairo_surface_t* picture = CutImage(bitmap, source.left, source.cx, source.cy, source.mask);
    cairo_surface_destroy(bitmap);
    pictures.emplace(source, picture);
    return picture;
}

} // namespace

bool DrawImage(SurfaceDC* dc, const ImageSource& image, int x, int y) {
    cairo_surface_t* picture = PictureOf(image);
    if (!picture)
        return false;
    DrawPicture(dc, picture, x, y);
    return true;
}

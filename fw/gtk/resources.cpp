// The icons of the program's resources, as GTK shows them.
#include "fw/gtk/resources.h"

#include <algorithm>
#include <cstdlib>

#include "fw/afxwin.h"
#include "fw/gtk/dib.h"

namespace {

GdkPixbuf* PixbufOf(cairo_surface_t* surface) {
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    return gdk_pixbuf_get_from_surface(surface, 0, 0, w, h);
}

} // namespace

IconImages* ReadIcon(const ResourceEntry& group) {
    IconImages icon;
    for (int imageId : IconImageIds(group)) {
        const ResourceEntry* image = FindProgramResource(kRtIcon, UINT(imageId));
        if (!image)
            continue;
        if (cairo_surface_t* surface = DecodeDib(image->data.data(), image->data.size(), true)) {
            icon.images.push_back(PixbufOf(surface));
            cairo_surface_destroy(surface);
        }
    }
    std::sort(icon.images.begin(), icon.images.end(), [](GdkPixbuf* a, GdkPixbuf* b) {
        return gdk_pixbuf_get_width(a) > gdk_pixbuf_get_width(b);
    });
    return icon.images.empty() ? nullptr : new IconImages(std::move(icon));
}

GdkPixbuf* IconImages::Best(int size) const {
    GdkPixbuf* best = nullptr;
    for (GdkPixbuf* image : images)
        if (!best || std::abs(gdk_pixbuf_get_width(image) - size) <
                         std::abs(gdk_pixbuf_get_width(best) - size))
            best = image;
    return best;
}

#include "fw/gtk/resources.h"

#include <algorithm>
#include <map>

#include "fw/afxwin.h"
#include "fw/gtk/dib.h"

namespace {

GdkPixbuf* PixbufOf(cairo_surface_t* surface) {
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    return gdk_pixbuf_get_from_surface(surface, 0, 0, w, h);
}

IconImages ReadIcon(const ResourceEntry& group) {
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
    return icon;
}

// Icons are shared: one per resource, loaded once, never freed.
std::map<UINT, IconImages>& Icons() {
    static std::map<UINT, IconImages> icons;
    return icons;
}

} // namespace

GdkPixbuf* IconImages::Best(int size) const {
    GdkPixbuf* best = nullptr;
    for (GdkPixbuf* image : images)
        if (!best || std::abs(gdk_pixbuf_get_width(image) - size) <
                         std::abs(gdk_pixbuf_get_width(best) - size))
            best = image;
    return best;
}

HICON LoadIconResource(UINT id) {
    auto it = Icons().find(id);
    if (it == Icons().end()) {
        const ResourceEntry* group = FindProgramResource(kRtGroupIcon, id);
        if (!group)
            return nullptr;
        IconImages icon = ReadIcon(*group);
        if (icon.images.empty())
            return nullptr;
        it = Icons().emplace(id, std::move(icon)).first;
    }
    return reinterpret_cast<HICON>(&it->second);
}

const IconImages* IconOf(HICON icon) {
    for (const auto& entry : Icons())
        if (reinterpret_cast<HICON>(const_cast<IconImages*>(&entry.second)) == icon)
            return &entry.second;
    return nullptr;
}

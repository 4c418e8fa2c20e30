#include "fw/gtk/resources.h"

#include <algorithm>
#include <map>
#include <set>

#include "fw/afxwin.h"
#include "fw/gtk/dib.h"

namespace {

const ResourceEntry* FindEntry(int type, UINT id) {
    return id <= 0xFFFF ? FindResource(ProgramResources(), type, int(id)) : nullptr;
}

GdkPixbuf* PixbufOf(cairo_surface_t* surface) {
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    return gdk_pixbuf_get_from_surface(surface, 0, 0, w, h);
}

IconImages ReadIcon(const ResourceEntry& group) {
    IconImages icon;
    for (int imageId : IconImageIds(group)) {
        const ResourceEntry* image = FindEntry(kRtIcon, UINT(imageId));
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

std::set<BitmapBits*>& Bitmaps() {
    static std::set<BitmapBits*> bitmaps;
    return bitmaps;
}

} // namespace

bool LoadDialogTemplate(UINT id, DlgTemplate& out) {
    const ResourceEntry* entry = FindEntry(kRtDialog, id);
    return entry && ParseDlgTemplate(entry->data.data(), entry->data.size(), out);
}

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
        const ResourceEntry* group = FindEntry(kRtGroupIcon, id);
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

const BitmapBits* BitmapOf(HBITMAP bitmap) {
    BitmapBits* bits = reinterpret_cast<BitmapBits*>(bitmap);
    return Bitmaps().count(bits) ? bits : nullptr;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return LoadIconResource(nIDResource);
}

// The one program holds every resource.
HINSTANCE AfxFindResourceHandle(UINT, UINT) {
    static char program;
    return reinterpret_cast<HINSTANCE>(&program);
}

HBITMAP AfxLoadBitmap(HINSTANCE hInst, UINT nID) {
    const ResourceEntry* entry = hInst ? FindEntry(kRtBitmap, nID) : nullptr;
    if (!entry)
        return nullptr;
    // Start-up loads some two thousand bitmaps: only the header is read now.
    int width = 0, height = 0;
    if (!DibSize(entry->data.data(), entry->data.size(), width, height))
        return nullptr;
    BitmapBits* bits = new BitmapBits{entry->data.data(), entry->data.size(), width, height};
    Bitmaps().insert(bits);
    return reinterpret_cast<HBITMAP>(bits);
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    BitmapBits* bits = reinterpret_cast<BitmapBits*>(m_hObject);
    m_hObject = nullptr;
    if (!Bitmaps().erase(bits))
        return FALSE;
    delete bits;
    return TRUE;
}

BOOL CString::LoadString(UINT nID) {
    *this = CString(LoadStringResource(ProgramResources(), int(nID)).c_str());
    return !IsEmpty();
}

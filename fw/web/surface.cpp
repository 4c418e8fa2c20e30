#include "fw/web/surface.h"

#include <algorithm>

#include "fw/web/page.h"

namespace {

RECT Intersect(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

void NoteChange(PictureLayer& layer, const RECT& area) {
    if (IsEmpty(area))
        return;
    RECT& c = layer.changed;
    c = IsEmpty(c) ? area
                   : RECT{std::min(c.left, area.left), std::min(c.top, area.top),
                          std::max(c.right, area.right), std::max(c.bottom, area.bottom)};
}

// Copies the picture's pixels that fall in the area (client coordinates),
// the picture's top-left corner at (x, y).
void CopyIn(DialogView& view, PictureLayer& layer, const Picture& picture, long x, long y,
            const RECT& area) {
    const RECT r = Intersect(area, {x, y, x + picture.width, y + picture.height});
    if (IsEmpty(r))
        return;
    for (long row = r.top; row < r.bottom; ++row) {
        const uint32_t* from = &picture.pixels[size_t((row - y) * picture.width + (r.left - x))];
        uint32_t* to = &layer.pixels[size_t(row * view.width + r.left)];
        for (long col = r.left; col < r.right; ++col, ++from, ++to)
            if (*from)
                *to = *from;
    }
    NoteChange(layer, r);
}

} // namespace

Picture PictureOf(const DibPixels& decoded) {
    Picture p{decoded.width, decoded.height, decoded.pixels};
    // 0xAARRGGBB to the bytes R, G, B, A.
    for (uint32_t& px : p.pixels)
        px = (px & 0xFF00FF00u) | (px >> 16 & 0xFF) | (px & 0xFF) << 16;
    return p;
}

SurfaceDC* TakeSurface(Window* dialog, int originX, int originY) {
    if (!dialog || !dialog->view)
        return nullptr;
    SurfaceDC* dc = new SurfaceDC;
    dc->dialog = dialog;
    dc->originX = originX;
    dc->originY = originY;
    if (dialog->painting) {
        dc->layer = kUnder;
        dc->clip = *dialog->painting;
    }
    return dc;
}

void ReleaseSurface(SurfaceDC* dc) {
    delete dc;
}

void DrawPicture(SurfaceDC* dc, const Picture& picture, int x, int y) {
    if (!dc || !dc->dialog || !dc->dialog->view)
        return;
    DialogView& view = DialogViewOf(*dc->dialog);
    PictureLayer& layer = view.layers[dc->layer];
    const RECT client = {0, 0, view.width, view.height};
    const long left = dc->originX + x, top = dc->originY + y;
    if (dc->clip.empty())
        CopyIn(view, layer, picture, left, top, client);
    for (const RECT& area : dc->clip)
        CopyIn(view, layer, picture, left, top, Intersect(area, client));
}

void ClearLayer(Window& dlg, Layer which, const RECT& area) {
    DialogView& view = DialogViewOf(dlg);
    PictureLayer& layer = view.layers[which];
    const RECT r = Intersect(area, {0, 0, view.width, view.height});
    if (IsEmpty(r))
        return;
    for (long row = r.top; row < r.bottom; ++row)
        std::fill_n(&layer.pixels[size_t(row * view.width + r.left)], r.right - r.left, 0u);
    NoteChange(layer, r);
}

void ShowPictures() {
    for (const auto& entry : dlgmgr::Windows()) {
        Window& w = *entry.second;
        if (!w.IsDialog() || !w.view)
            continue;
        DialogView& view = DialogViewOf(w);
        for (int n = 0; n < 2; ++n) {
            PictureLayer& layer = view.layers[n];
            const RECT c = layer.changed;
            if (IsEmpty(c))
                continue;
            layer.changed = {0, 0, 0, 0};
            qw_blit(PageId(w.hwnd), n, reinterpret_cast<const uint8_t*>(layer.pixels.data()),
                    view.width, view.height, int(c.left), int(c.top), int(c.right - c.left),
                    int(c.bottom - c.top));
        }
    }
}

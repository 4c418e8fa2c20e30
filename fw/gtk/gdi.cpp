// Drawing surfaces, icons on them, and paint requests.
#include "fw/gtk/canvas.h"
#include "fw/gtk/resources.h"
#include "fw/gtk/surface_dc.h"

cairo_region_t* PaintingRegion(const MgrWindow& dialog) {
    if (!dialog.painting)
        return nullptr;
    cairo_region_t* region = cairo_region_create();
    for (const RECT& r : *dialog.painting) {
        const cairo_rectangle_int_t rect = {int(r.left), int(r.top), int(r.right - r.left),
                                            int(r.bottom - r.top)};
        cairo_region_union_rectangle(region, &rect);
    }
    return region;
}

SurfaceDC* TakeSurface(MgrWindow* dialog, int originX, int originY) {
    if (!dialog || !dialog->view)
        return nullptr;
    GtkWidget* canvas = DialogViewOf(*dialog).canvas;
    SurfaceDC* dc = new SurfaceDC;
    dc->dialog = dialog;
    dc->originX = originX;
    dc->originY = originY;
    cairo_region_t* painting = PaintingRegion(*dialog);
    dc->cr = CanvasDraw(canvas, painting ? CanvasLayer::kUnder : CanvasLayer::kOver);
    if (painting) {
        gdk_cairo_region(dc->cr, painting);
        cairo_clip(dc->cr);
        cairo_region_destroy(painting);
    }
    cairo_translate(dc->cr, originX, originY);
    return dc;
}

void ReleaseSurface(SurfaceDC* dc) {
    if (!dc)
        return;
    if (dc->cr)
        cairo_destroy(dc->cr);
    delete dc;
}

void DrawPicture(SurfaceDC* dc, cairo_surface_t* picture, int x, int y) {
    if (!dc || !dc->cr || !picture)
        return;
    const int w = cairo_image_surface_get_width(picture);
    const int h = cairo_image_surface_get_height(picture);
    cairo_save(dc->cr);
    const bool opaque = cairo_image_surface_get_format(picture) == CAIRO_FORMAT_RGB24;
    cairo_set_operator(dc->cr, opaque ? CAIRO_OPERATOR_SOURCE : CAIRO_OPERATOR_OVER);
    cairo_set_source_surface(dc->cr, picture, x, y);
    // At a scale of 2 each pixel of the picture becomes 2 x 2 of the same colour.
    cairo_pattern_set_filter(cairo_get_source(dc->cr), CAIRO_FILTER_NEAREST);
    cairo_rectangle(dc->cr, x, y, w, h);
    cairo_fill(dc->cr);
    cairo_restore(dc->cr);
    CanvasRedrawRect(DialogViewOf(*dc->dialog).canvas, {dc->originX + x, dc->originY + y, w, h});
}

COLORREF CDC::SetBkColor(COLORREF color) {
    SurfaceDC* dc = SurfaceOf(m_hDC);
    if (!dc)
        return 0xFFFFFFFF;
    const COLORREF previous = dc->bkColor;
    dc->bkColor = color;
    dc->bkColorSet = true;
    return previous;
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    const IconImages* icon = IconOf(hIcon);
    SurfaceDC* dc = SurfaceOf(m_hDC);
    if (!icon || !dc)
        return FALSE;
    GdkPixbuf* image = icon->Best(AfxGetSystemMetrics(SM_CXICON));
    cairo_surface_t* picture = gdk_cairo_surface_create_from_pixbuf(image, 1, nullptr);
    DrawPicture(dc, picture, x, y);
    cairo_surface_destroy(picture);
    return TRUE;
}

// Drawing surfaces, icons on them, and paint requests.
#include "fw/gtk/canvas.h"
#include "fw/gtk/resources.h"
#include "fw/gtk/surface_dc.h"

SurfaceDC* TakeSurface(DialogRun* run, int originX, int originY) {
    if (!run || !run->canvas)
        return nullptr;
    SurfaceDC* dc = new SurfaceDC;
    dc->run = run;
    dc->originX = originX;
    dc->originY = originY;
    const bool painting = run->paintRegion != nullptr;
    dc->cr = CanvasDraw(run->canvas, painting ? CanvasLayer::kUnder : CanvasLayer::kOver);
    if (painting) {
        gdk_cairo_region(dc->cr, run->paintRegion);
        cairo_clip(dc->cr);
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
    cairo_rectangle(dc->cr, x, y, w, h);
    cairo_fill(dc->cr);
    cairo_restore(dc->cr);
    CanvasRedrawRect(dc->run->canvas, {dc->originX + x, dc->originY + y, w, h});
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

// Beginning to paint answers the paint request: the area is no longer waiting.
CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd), m_ps() {
    DialogRun* run = DialogOf(pWnd ? pWnd->GetSafeHwnd() : nullptr);
    if (!run)
        return;
    if (run->pendingPaint) {
        cairo_region_destroy(run->pendingPaint);
        run->pendingPaint = nullptr;
    }
    m_hDC = HandleOf(TakeSurface(run, 0, 0));
}

CPaintDC::~CPaintDC() {
    ReleaseSurface(SurfaceOf(m_hDC));
}

CDC* CWnd::GetDC() {
    Control* control = ControlOf(m_hWnd);
    SurfaceDC* dc = control ? TakeSurface(control->run, control->rect.x, control->rect.y)
                            : TakeSurface(DialogOf(m_hWnd), 0, 0);
    return dc ? new CDC(HandleOf(dc)) : nullptr;
}

int CWnd::ReleaseDC(CDC* pDC) {
    if (!pDC)
        return 0;
    ReleaseSurface(SurfaceOf(pDC->m_hDC));
    delete pDC;
    return 1;
}

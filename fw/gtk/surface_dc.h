// A drawing surface (HDC) of the GTK backend: a place on one of a dialog's
// picture layers, with its origin at a control's top-left corner.
#pragma once

#include "fw/gtk/toolkit.h"

#include "fw/gtk/backend.h"

struct SurfaceDC {
    MgrWindow* dialog = nullptr;
    cairo_t* cr = nullptr; // null for a surface that only takes colours
    int originX = 0, originY = 0;
    COLORREF bkColor = 0;
    bool bkColorSet = false;
};

inline SurfaceDC* SurfaceOf(HDC hdc) {
    return reinterpret_cast<SurfaceDC*>(hdc);
}
inline HDC HandleOf(SurfaceDC* dc) {
    return reinterpret_cast<HDC>(dc);
}

// A surface of the dialog's client area for one drawing: during a paint
// request on the layer under the controls, cut to the repainted area;
// otherwise on the layer over them. Release with ReleaseSurface.
SurfaceDC* TakeSurface(MgrWindow* dialog, int originX, int originY);
// The area of the dialog being painted now, or null.
cairo_region_t* PaintingRegion(const MgrWindow& dialog);
void ReleaseSurface(SurfaceDC* dc);
// Draws a picture at (x, y) of the surface, replacing what lies beneath.
void DrawPicture(SurfaceDC* dc, cairo_surface_t* picture, int x, int y);

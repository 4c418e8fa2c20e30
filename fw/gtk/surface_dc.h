// A drawing surface (HDC) of the GTK backend: a place on one of a dialog's
// picture layers, with its origin at a control's top-left corner.
#pragma once

#include "fw/gtk/toolkit.h"

#include "fw/gtk/backend.h"
#include "fw/hosted/surface.h"

struct SurfaceDC {
    MgrWindow* dialog = nullptr;
    cairo_t* cr = nullptr; // null for a surface that only takes colours
    int originX = 0, originY = 0;
    COLORREF bkColor = 0;
    bool bkColorSet = false;
};

// The area of the dialog being painted now, or null.
cairo_region_t* PaintingRegion(const MgrWindow& dialog);
// Draws a picture at (x, y) of the surface, replacing what lies beneath.
void DrawPicture(SurfaceDC* dc, cairo_surface_t* picture, int x, int y);

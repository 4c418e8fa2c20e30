// The client area of a dialog: its controls at fixed pixel rectangles, and
// two picture layers the program draws on. Pictures drawn while the dialog
// answers a paint request go on the layer under the controls, which draw
// themselves over them; pictures drawn at any other time go on the layer
// over the controls and stay there until a paint request or the control's own
// change of state brings the controls under them back on top.
//
// The layers are drawn on in template pixels and kept at the screen's scale
// (2 x 2 pixels of the screen a template pixel at scale 2); pictures are
// scaled by whole pixels, nearest neighbour, so they stay sharp.
#pragma once

#include "fw/gtk/toolkit.h"

// Told the areas of the client area the window system showed anew (the
// window first shown, uncovered, restored, or moved to a screen of another
// scale, whose layers start empty), in template pixels: the areas the canvas
// is drawing that no widget asked for, neither the program's pictures nor
// the controls' own changes.
using CanvasExposedFn = void (*)(const cairo_region_t* area, gpointer data);

// Starts watching which areas the widgets ask to redraw; once, right after
// the toolkit starts.
void CanvasWatchRedraws();

GtkWidget* CanvasNew(int width, int height, CanvasExposedFn exposed, gpointer data);
// Places a child at exactly this rectangle, whatever size it asks for.
void CanvasPut(GtkWidget* canvas, GtkWidget* child, const GdkRectangle& rect);

enum class CanvasLayer { kUnder, kOver };
// A drawing context on a layer, origin at the client's top-left corner.
cairo_t* CanvasDraw(GtkWidget* canvas, CanvasLayer layer);
// Shows what was drawn on a layer in the area.
void CanvasRedrawRect(GtkWidget* canvas, const GdkRectangle& rect);
// Clears a layer in the area, so what lies beneath it shows: under the
// over-layer the controls, under the under-layer the dialog's background.
void CanvasClear(GtkWidget* canvas, CanvasLayer layer, const cairo_region_t* area);
// Clears the over-layer over a control's rectangle.
void CanvasUncoverRect(GtkWidget* canvas, const GdkRectangle& rect);

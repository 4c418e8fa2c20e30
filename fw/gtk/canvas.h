// The client area of a dialog: its controls at fixed pixel rectangles, and
// two picture layers the program draws on. Pictures drawn while the dialog
// answers a paint request go on the layer under the controls, which draw
// themselves over them; pictures drawn at any other time go on the layer
// over the controls and stay there until a paint request or the control's own
// change of state brings the controls under them back on top.
#pragma once

#include "fw/gtk/toolkit.h"

GtkWidget* CanvasNew(int width, int height);
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

// Pictures and drawing surfaces (HDC) of the browser backend. A surface is
// a place on one of a dialog's picture layers with its origin at a control's
// top-left corner: during a paint request the layer under the controls, cut
// to the repainted area; at any other time the layer over them.
#pragma once

#include <vector>

#include "fw/common/dib.h"
#include "fw/hosted/surface.h"
#include "fw/web/backend.h"

// A picture ready to draw: RGBA bytes, transparent where a pixel is 0.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
};
Picture PictureOf(const DibPixels& decoded);

struct SurfaceDC {
    Window* dialog = nullptr; // null for a surface that only takes colours
    Layer layer = kOver;
    std::vector<RECT> clip; // the area being painted; empty for the whole client area
    int originX = 0, originY = 0;
    COLORREF bkColor = 0;
    bool bkColorSet = false;
};

// Draws a picture at (x, y) of the surface: its opaque pixels replace what
// lies beneath.
void DrawPicture(SurfaceDC* dc, const Picture& picture, int x, int y);

// Clears a layer in an area of the client, so what lies beneath shows:
// under the over-layer the controls, under the under-layer the background.
void ClearLayer(Window& dlg, Layer layer, const RECT& area);
// Hands the page every change of every layer since the last time.
void ShowPictures();

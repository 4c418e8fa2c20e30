// How the dialogs look: the face, size and scale of their texts, and the
// style sheet that keeps the theme from making controls larger than their
// template rectangles.
#pragma once

#include "fw/gtk/toolkit.h"

#include <string>

#include "fw/common/dlg_template.h"

// The size of a face's dialog base units in pixels: a horizontal dialog
// unit is a quarter of baseX, a vertical one an eighth of baseY.
struct PixelScale {
    int baseX = 0, baseY = 0;
    bool IsSet() const { return baseX > 0 && baseY > 0; }
    int X(int units) const { return Rounded(units * baseX, 4); }
    int Y(int units) const { return Rounded(units * baseY, 8); }

private:
    static int Rounded(int n, int d) { return n >= 0 ? (n + d / 2) / d : -((d / 2 - n) / d); }
};

struct DialogFace {
    std::string family;
    int pixelSize = 0;
    PixelScale scale; // of this face at this size
};

// The face the template asks for. With a fixed scale, a face wider on
// average than the scale's base width is set smaller until it fits.
DialogFace FaceFor(const DlgTemplate& tpl, const PixelScale& fixed);

// The style class that gives a window's widgets the face; the style sheet
// is installed the first time.
std::string FaceClass(const DialogFace& face);

// Lines of lettering for the banner and the icon: fitted to a width, centred
// on a point, optionally with an outline drawn under the fill.
#pragma once

#include "canvas.h"

#include <string>

namespace artgen {

struct TextStyle {
    Weight weight = Weight::Bold;
    bool italic = false;
    double size = 12; // largest size wanted, pixels
    Rgb fill{0, 0, 0};
    double outlineWidth = 0; // 0: none
    Rgb outline{0, 0, 0};
    double outlineAlpha = 1.0;
};

// The size at which `text` in `style` is at most `maxWidth` pixels wide of
// ink (never more than style.size).
double FitSize(cairo_t* cr, const std::string& text, const TextStyle& style, double maxWidth);

// Draws `text` with its ink centred on centreX and its baseline on baseline.
void CentredLine(cairo_t* cr, const std::string& text, const TextStyle& style, double centreX,
                 double baseline);

} // namespace artgen

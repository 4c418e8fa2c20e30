#include "text.h"

#include <algorithm>

namespace artgen {

double FitSize(cairo_t* cr, const std::string& text, const TextStyle& style, double maxWidth) {
    UseFont(cr, style.weight, style.size, style.italic);
    const double width = InkExtents(cr, text).width + style.outlineWidth;
    return width <= maxWidth ? style.size : style.size * maxWidth / width;
}

void CentredLine(cairo_t* cr, const std::string& text, const TextStyle& style, double centreX,
                 double baseline) {
    UseFont(cr, style.weight, style.size, style.italic);
    const cairo_text_extents_t ink = InkExtents(cr, text);
    cairo_new_path(cr);
    cairo_move_to(cr, centreX - (ink.x_bearing + ink.width / 2.0), baseline);
    cairo_text_path(cr, text.c_str());
    if (style.outlineWidth > 0) {
        SetColour(cr, style.outline, style.outlineAlpha);
        cairo_set_line_width(cr, style.outlineWidth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    SetColour(cr, style.fill);
    cairo_fill(cr);
}

} // namespace artgen

#include "icon.h"

#include "canvas.h"
#include "quantise.h"
#include "text.h"

namespace artgen {

namespace {

// Draws the icon over the whole of a square, transparent canvas, in units of
// the 32 x 32 icon's pixels.
void DrawIcon(const Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    const double scale = double(canvas.width()) / kIconSize;
    cairo_scale(cr, scale, scale);
    const double c = kIconSize / 2.0, r = 15.0;

    // The ball: gold, lit from the upper left, with a dark rim.
    cairo_pattern_t* shade = cairo_pattern_create_radial(c - 5, c - 6, 1, c, c, r);
    cairo_pattern_add_color_stop_rgb(shade, 0.0, 1.0, 0.97, 0.70);
    cairo_pattern_add_color_stop_rgb(shade, 0.45, 0.98, 0.78, 0.10);
    cairo_pattern_add_color_stop_rgb(shade, 1.0, 0.62, 0.38, 0.00);
    cairo_arc(cr, c, c, r, 0, 2 * kPi);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    SetColour(cr, {70, 40, 0});
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    // The number spot and its lucky 7.
    cairo_arc(cr, c + 0.5, c + 0.5, 9.5, 0, 2 * kPi);
    SetColour(cr, {255, 255, 255});
    cairo_fill(cr);
    TextStyle seven;
    seven.weight = Weight::Bold;
    seven.size = 17;
    seven.fill = {0, 0, 0};
    CentredLine(cr, "7", seven, c + 0.5, c + 6.5);
}

} // namespace

IconImage PaintIcon() {
    Canvas canvas(CAIRO_FORMAT_ARGB32, kIconSize, kIconSize);
    DrawIcon(canvas);

    // Opaque where the ball covers at least half a pixel; the rest shows the
    // screen through (AND mask 1, colour black).
    const std::vector<uint8_t> alpha = canvas.ToAlpha();
    RgbImage colours = canvas.ToRgb();
    IconImage icon;
    icon.transparent.resize(alpha.size());
    for (size_t i = 0; i < alpha.size(); ++i) {
        icon.transparent[i] = alpha[i] < 128;
        if (icon.transparent[i])
            colours.pixels[i] = {0, 0, 0};
    }
    icon.image = Quantise(colours, 16, 4, {{0, 0, 0}, {255, 255, 255}});
    return icon;
}

std::vector<uint8_t> IconPng(int size) {
    Canvas canvas(CAIRO_FORMAT_ARGB32, size, size);
    DrawIcon(canvas);
    return canvas.ToPng();
}

} // namespace artgen

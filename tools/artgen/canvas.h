// Thin layer over Cairo: a painting surface that owns its context, the fixed
// fonts (DejaVu Sans from fonts-dejavu-core, loaded from its files so that no
// font configuration of the machine changes a pixel), and conversions between
// Cairo surfaces and the generator's pixel containers.
#pragma once

#include "image.h"

#include <cairo.h>

#include <string>
#include <vector>

namespace artgen {

constexpr double kPi = 3.14159265358979323846;

// A Cairo image surface with its drawing context.
class Canvas {
public:
    Canvas(cairo_format_t format, int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Paints the picture 1:1 over the whole surface (RGB24 or ARGB32 only).
    void Put(const RgbImage& picture);
    // The surface as colours (ARGB32 is un-premultiplied; alpha is dropped).
    RgbImage ToRgb();
    // The surface's alpha channel, one byte per pixel, rows top to bottom
    // (A8 or ARGB32 only).
    std::vector<uint8_t> ToAlpha();
    // The surface as a PNG file's bytes (throws std::runtime_error if Cairo
    // cannot write it).
    std::vector<uint8_t> ToPng();

private:
    cairo_surface_t* surface_;
    cairo_t* cr_;
    int width_, height_;
};

enum class Weight { Book, Bold };

// Selects DejaVu Sans at `size` pixels (em height), optionally slanted to an
// italic by a shear of 12 degrees, greyscale antialiased without hinting.
// Throws std::runtime_error if the font file cannot be loaded.
void UseFont(cairo_t* cr, Weight weight, double size, bool italic);

// Ink extents of `text` in the current font.
cairo_text_extents_t InkExtents(cairo_t* cr, const std::string& text);

// Sets the source colour.
void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);

} // namespace artgen

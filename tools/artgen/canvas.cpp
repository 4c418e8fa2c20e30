#include "canvas.h"

#include <cairo-ft.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace artgen {

Canvas::Canvas(cairo_format_t format, int width, int height)
    : surface_(cairo_image_surface_create(format, width, height)), cr_(cairo_create(surface_)),
      width_(width), height_(height) {
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS ||
        cairo_status(cr_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cairo: cannot create a surface");
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::Put(const RgbImage& picture) {
    const cairo_format_t format = cairo_image_surface_get_format(surface_);
    if ((format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) ||
        picture.width != width_ || picture.height != height_)
        throw std::runtime_error("canvas: picture does not fit the surface");
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < width_; ++x)
            row[x] = 0xFF000000u | Pack(picture.at(x, y));
    }
    cairo_surface_mark_dirty(surface_);
}

RgbImage Canvas::ToRgb() {
    const cairo_format_t format = cairo_image_surface_get_format(surface_);
    if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32)
        throw std::runtime_error("canvas: not a colour surface");
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    RgbImage out(width_, height_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < width_; ++x) {
            const uint32_t v = row[x];
            const uint32_t a = format == CAIRO_FORMAT_ARGB32 ? v >> 24 : 255;
            if (a == 255 || a == 0) {
                out.at(x, y) = a ? Unpack(v & 0xFFFFFF) : Rgb{0, 0, 0};
                continue;
            }
            auto un = [a](uint32_t c) {
                return uint8_t(std::min<uint32_t>(255, (c * 255 + a / 2) / a));
            };
            out.at(x, y) = {un((v >> 16) & 0xFF), un((v >> 8) & 0xFF), un(v & 0xFF)};
        }
    }
    return out;
}

std::vector<uint8_t> Canvas::ToAlpha() {
    const cairo_format_t format = cairo_image_surface_get_format(surface_);
    if (format != CAIRO_FORMAT_A8 && format != CAIRO_FORMAT_ARGB32)
        throw std::runtime_error("canvas: surface has no alpha");
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::vector<uint8_t> out(size_t(width_) * size_t(height_));
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const unsigned char* row = data + size_t(y) * size_t(stride);
            out[size_t(y) * size_t(width_) + size_t(x)] =
                format == CAIRO_FORMAT_A8
                    ? row[x]
                    : uint8_t(reinterpret_cast<const uint32_t*>(row)[x] >> 24);
        }
    return out;
}

std::vector<uint8_t> Canvas::ToPng() {
    std::vector<uint8_t> out;
    const auto append = [](void* closure, const unsigned char* data, unsigned int length) {
        auto* bytes = static_cast<std::vector<uint8_t>*>(closure);
        bytes->insert(bytes->end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
    };
    if (cairo_surface_write_to_png_stream(surface_, append, &out) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cairo: cannot write a PNG");
    return out;
}

namespace {

constexpr double kItalicDegrees = 12.0;

// The font files of Debian's fonts-dejavu-core.
constexpr const char* kBookFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kBoldFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

cairo_font_face_t* LoadFace(const char* path) {
    static FT_Library library = nullptr;
    if (!library && FT_Init_FreeType(&library) != 0)
        throw std::runtime_error("freetype: cannot start");
    FT_Face face = nullptr;
    if (FT_New_Face(library, path, 0, &face) != 0)
        throw std::runtime_error(std::string("cannot load the font ") + path +
                                 " (Debian package fonts-dejavu-core)");
    // The face and the Cairo font face live until the process ends.
    return cairo_ft_font_face_create_for_ft_face(face, FT_LOAD_NO_HINTING);
}

cairo_font_face_t* Face(Weight weight) {
    static cairo_font_face_t* book = nullptr;
    static cairo_font_face_t* bold = nullptr;
    cairo_font_face_t*& face = weight == Weight::Bold ? bold : book;
    if (!face)
        face = LoadFace(weight == Weight::Bold ? kBoldFile : kBookFile);
    return face;
}

} // namespace

void UseFont(cairo_t* cr, Weight weight, double size, bool italic) {
    cairo_set_font_face(cr, Face(weight));
    cairo_matrix_t m;
    // Font space has y pointing down, so a glyph's upper part (negative y) is
    // pushed right by a negative xy term.
    cairo_matrix_init(&m, size, 0, italic ? -size * std::tan(kItalicDegrees * kPi / 180.0) : 0,
                      size, 0, 0);
    cairo_set_font_matrix(cr, &m);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

cairo_text_extents_t InkExtents(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e;
}

void SetColour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

} // namespace artgen

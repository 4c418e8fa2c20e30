#include "tiles.h"

#include "canvas.h"
#include "quantise.h"
#include "texture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace artgen {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kBonusYellow{214, 206, 99};
constexpr int kInkLevels = 16; // background, 14 blends, black
constexpr double kDiscRadius = 27.0;

// Ink coverage of a tile, 0 to 255 per pixel: starts with the two edge lines.
std::vector<uint8_t> EdgeLines() {
    std::vector<uint8_t> coverage(size_t(kTileSize) * kTileSize, 0);
    for (int x = 0; x < kTileSize; ++x) {
        coverage[size_t(x)] = 255;
        coverage[size_t(kTileSize - 1) * kTileSize + size_t(x)] = 255;
    }
    return coverage;
}

void AddInk(std::vector<uint8_t>& coverage, const std::vector<uint8_t>& ink) {
    for (size_t i = 0; i < coverage.size(); ++i)
        coverage[i] = std::max(coverage[i], ink[i]);
}

double DigitFontSize() {
    Canvas probe(CAIRO_FORMAT_A8, 8, 8);
    UseFont(probe.cr(), Weight::Bold, 100.0, true);
    return 100.0 * kDigitHeight / InkExtents(probe.cr(), "0").height;
}

std::vector<uint8_t> DigitInk(const std::string& label, double size, double x, double y) {
    Canvas canvas(CAIRO_FORMAT_A8, kTileSize, kTileSize);
    cairo_t* cr = canvas.cr();
    UseFont(cr, Weight::Bold, size, true);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, label.c_str());
    return canvas.ToAlpha();
}

std::vector<uint8_t> NumberCoverage(int number) {
    static const double size = DigitFontSize();
    const std::string label = TileLabel(number);
    Canvas probe(CAIRO_FORMAT_A8, 8, 8);
    UseFont(probe.cr(), Weight::Bold, size, true);
    // One baseline for every number (from the height of "0", whose round
    // overshoots are even above and below).
    const cairo_text_extents_t zero = InkExtents(probe.cr(), "0");
    const double y = std::round(kTileSize / 2.0 - (zero.y_bearing + zero.height / 2.0));
    // Across, centre the ink that is really drawn: Cairo's extents of slanted
    // text are the slanted glyph boxes, wider than the ink of a "1".
    const cairo_text_extents_t box = InkExtents(probe.cr(), label);
    double x = std::round(kTileSize / 2.0 - (box.x_bearing + box.width / 2.0));
    std::vector<uint8_t> ink = DigitInk(label, size, x, y);
    int left = kTileSize, right = -1;
    for (int row = 0; row < kTileSize; ++row)
        for (int col = 0; col < kTileSize; ++col)
            if (ink[size_t(row) * kTileSize + size_t(col)] >= 128) {
                left = std::min(left, col);
                right = std::max(right, col);
            }
    const double shift = std::round(kTileSize / 2.0 - (left + right + 1) / 2.0);
    if (right >= 0 && shift != 0) {
        x += shift;
        ink = DigitInk(label, size, x, y);
    }
    std::vector<uint8_t> coverage = EdgeLines();
    AddInk(coverage, ink);
    return coverage;
}

std::vector<uint8_t> BlankCoverage() {
    Canvas canvas(CAIRO_FORMAT_A8, kTileSize, kTileSize);
    cairo_t* cr = canvas.cr();
    const double middle = kTileSize / 2.0;
    // Half-discs bulging in from the left and right edges: the drum's side.
    cairo_arc(cr, 0, middle, kDiscRadius, -kPi / 2, kPi / 2);
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, kTileSize, middle, kDiscRadius, kPi / 2, 3 * kPi / 2);
    cairo_close_path(cr);
    cairo_fill(cr);
    std::vector<uint8_t> coverage = EdgeLines();
    AddInk(coverage, canvas.ToAlpha());
    return coverage;
}

// Lays ink over a background given as one shade index per pixel. The palette
// is every shade's ramp to black (without its black end) and then black.
IndexedImage Compose(const std::vector<Rgb>& shades, const std::vector<uint8_t>& shadeOf,
                     const std::vector<uint8_t>& coverage, int bitsPerPixel) {
    constexpr int kBlends = kInkLevels - 1;
    IndexedImage tile(kTileSize, kTileSize, bitsPerPixel);
    for (Rgb shade : shades)
        for (int level = 0; level < kBlends; ++level)
            tile.palette.push_back(Mix(shade, kBlack, double(level) / kBlends));
    tile.palette.push_back(kBlack);
    if (tile.palette.size() > (size_t(1) << bitsPerPixel))
        throw std::runtime_error("tile palette does not fit its depth");
    const uint8_t black = uint8_t(tile.palette.size() - 1);
    for (size_t i = 0; i < tile.pixels.size(); ++i) {
        const int level = (coverage[i] * kBlends + 127) / 255;
        tile.pixels[i] = level == kBlends ? black : uint8_t(shadeOf[i] * kBlends + level);
    }
    CheckIndexedImage(tile, "tile");
    return tile;
}

IndexedImage Speckled(const Speckle& speckle, const std::vector<uint8_t>& coverage) {
    return Compose(speckle.shades, SpeckleIndices(kTileSize, kTileSize, speckle), coverage, 8);
}

IndexedImage FlatYellow(const std::vector<uint8_t>& coverage) {
    return Compose({kBonusYellow}, std::vector<uint8_t>(coverage.size(), 0), coverage, 4);
}

void CheckNumber(int number, int highest) {
    if (number < 1 || number > highest)
        throw std::runtime_error("no tile for the number " + std::to_string(number));
}

} // namespace

std::string TileLabel(int number) {
    if (number < 0 || number > 99)
        throw std::runtime_error("tile numbers have two digits");
    char label[3];
    std::snprintf(label, sizeof label, "%02d", number);
    return label;
}

IndexedImage PaintMainTile(int number) {
    CheckNumber(number, 75);
    return Speckled(TealSpeckle(), NumberCoverage(number));
}

IndexedImage PaintMainBlank() {
    return Speckled(TealSpeckle(), BlankCoverage());
}

IndexedImage PaintBonusTile(int number) {
    CheckNumber(number, 35);
    if (number <= 27)
        return FlatYellow(NumberCoverage(number));
    return Speckled(YellowSpeckle(), NumberCoverage(number));
}

IndexedImage PaintBonusBlank() {
    return FlatYellow(BlankCoverage());
}

} // namespace artgen

// Reads the two-digit number a tile shows, without the tile mapping or the
// tile painter: each dark connected shape of the tile is compared with the
// ten digits, rendered here on their own in the game's font, after scaling
// both to the same small grid.
#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <string>
#include <vector>

#include "artgen/canvas.h"
#include "fw/common/dib.h"

namespace digit_reader {

constexpr int kGridW = 12, kGridH = 20;
using Grid = std::array<double, kGridW * kGridH>;
using Shape = std::vector<std::pair<int, int>>;

// Ink pixels of a picture, rows top to bottom.
struct Mask {
    int width = 0, height = 0;
    std::vector<bool> ink;
    bool at(int x, int y) const { return ink[size_t(y) * size_t(width) + size_t(x)]; }
};

// The share of ink in each cell of the grid laid over the shape's box.
inline Grid Normalise(const Shape& pixels) {
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    for (auto [x, y] : pixels) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    const double w = right - left + 1, h = bottom - top + 1;
    auto cellOf = [&](int x, int y) {
        return size_t(int((y - top) * kGridH / h)) * kGridW + size_t(int((x - left) * kGridW / w));
    };
    Grid grid{}, area{};
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            area[cellOf(x, y)] += 1;
    for (auto [x, y] : pixels)
        grid[cellOf(x, y)] += 1;
    for (size_t i = 0; i < grid.size(); ++i)
        grid[i] = area[i] > 0 ? grid[i] / area[i] : 0;
    return grid;
}

// The 8-connected shapes of the mask, left to right, ignoring specks.
inline std::vector<Shape> Shapes(const Mask& mask) {
    std::vector<bool> seen(mask.ink.size(), false);
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= mask.width || y >= mask.height || !mask.at(x, y) ||
            seen[size_t(y) * mask.width + x])
            return false;
        seen[size_t(y) * mask.width + x] = true;
        return true;
    };
    std::vector<Shape> shapes;
    for (int x = 0; x < mask.width; ++x) // column by column: leftmost shape first
        for (int y = 0; y < mask.height; ++y) {
            if (!visit(x, y))
                continue;
            Shape shape, todo{{x, y}};
            while (!todo.empty()) {
                const auto [px, py] = todo.back();
                todo.pop_back();
                shape.push_back({px, py});
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (visit(px + dx, py + dy))
                            todo.push_back({px + dx, py + dy});
            }
            if (shape.size() >= 8)
                shapes.push_back(shape);
        }
    return shapes;
}

// The digit d as the game's font draws it, bold and slanted, large.
inline Grid DigitGrid(int d) {
    constexpr int kSize = 120;
    artgen::Canvas canvas(CAIRO_FORMAT_A8, kSize, kSize);
    artgen::UseFont(canvas.cr(), artgen::Weight::Bold, 80, true);
    cairo_move_to(canvas.cr(), 20, 90);
    cairo_show_text(canvas.cr(), std::to_string(d).c_str());
    Mask mask{kSize, kSize, {}};
    for (uint8_t a : canvas.ToAlpha())
        mask.ink.push_back(a >= 128);
    Shape all;
    for (const Shape& s : Shapes(mask))
        all.insert(all.end(), s.begin(), s.end());
    return Normalise(all);
}

inline int ClosestDigit(const Grid& grid) {
    static const std::array<Grid, 10> digits = [] {
        std::array<Grid, 10> out;
        for (int d = 0; d < 10; ++d)
            out[size_t(d)] = DigitGrid(d);
        return out;
    }();
    std::array<double, 10> distance{};
    for (size_t d = 0; d < 10; ++d)
        for (size_t i = 0; i < grid.size(); ++i)
            distance[d] += (grid[i] - digits[d][i]) * (grid[i] - digits[d][i]);
    return int(std::min_element(distance.begin(), distance.end()) - distance.begin());
}

// The number a tile shows: its ink inside the black edge lines read as
// two digits; -1 when it does not hold exactly two shapes.
inline int ReadNumber(const DibPixels& tile) {
    Mask mask{tile.width, tile.height - 2, {}};
    for (int y = 1; y < tile.height - 1; ++y)
        for (int x = 0; x < tile.width; ++x) {
            const uint32_t c = tile.pixels[size_t(y) * size_t(tile.width) + size_t(x)];
            mask.ink.push_back(int(c >> 16 & 0xFF) + int(c >> 8 & 0xFF) + int(c & 0xFF) < 200);
        }
    const auto shapes = Shapes(mask);
    if (shapes.size() != 2)
        return -1;
    return 10 * ClosestDigit(Normalise(shapes[0])) + ClosestDigit(Normalise(shapes[1]));
}

} // namespace digit_reader

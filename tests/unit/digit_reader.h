// Reads the two-digit number a tile shows, without the tile mapping or the
// tile painter: each dark connected shape of the tile is compared with the
// ten digits, rendered here on their own in the game's font, after scaling
// both to the same small grid.
#pragma once

#include "bmp_reader.h"

#include "artgen/canvas.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace digit_reader {

constexpr int kGridW = 12, kGridH = 20;
using Grid = std::array<double, kGridW * kGridH>;

// Ink pixels of a picture, rows top to bottom.
struct Mask {
    int width = 0, height = 0;
    std::vector<bool> ink;
    bool at(int x, int y) const { return ink[size_t(y) * size_t(width) + size_t(x)]; }
};

// The share of ink in each cell of the grid laid over the shape's box.
inline Grid Normalise(const Mask& mask, const std::vector<std::pair<int, int>>& pixels) {
    int left = mask.width, right = -1, top = mask.height, bottom = -1;
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
inline std::vector<std::vector<std::pair<int, int>>> Shapes(const Mask& mask) {
    std::vector<bool> seen(mask.ink.size(), false);
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= mask.width || y >= mask.height || !mask.at(x, y) ||
            seen[size_t(y) * mask.width + x])
            return false;
        seen[size_t(y) * mask.width + x] = true;
        return true;
    };
    std::vector<std::vector<std::pair<int, int>>> shapes;
    for (int x = 0; x < mask.width; ++x) // column by column: leftmost shape first
        for (int y = 0; y < mask.height; ++y) {
            if (!visit(x, y))
                continue;
            std::vector<std::pair<int, int>> shape, todo{{x, y}};
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

// The ten digits as the game's font draws them, bold and slanted, large.
inline const std::array<Grid, 10>& DigitGrids() {
    static const std::array<Grid, 10> grids = [] {
        std::array<Grid, 10> out{};
        constexpr int kSize = 120;
        for (int d = 0; d < 10; ++d) {
            artgen::Canvas canvas(CAIRO_FORMAT_A8, kSize, kSize);
            artgen::UseFont(canvas.cr(), artgen::Weight::Bold, 80, true);
            cairo_move_to(canvas.cr(), 20, 90);
            cairo_show_text(canvas.cr(), std::to_string(d).c_str());
            const std::vector<uint8_t> alpha = canvas.ToAlpha();
            Mask mask{kSize, kSize, {}};
            for (uint8_t a : alpha)
                mask.ink.push_back(a >= 128);
            const auto shapes = Shapes(mask);
            std::vector<std::pair<int, int>> all;
            for (const auto& s : shapes)
                all.insert(all.end(), s.begin(), s.end());
            out[size_t(d)] = Normalise(mask, all);
        }
        return out;
    }();
    return grids;
}

inline int ClosestDigit(const Grid& grid) {
    int best = -1;
    double bestDistance = 1e9;
    for (int d = 0; d < 10; ++d) {
        double distance = 0;
        for (size_t i = 0; i < grid.size(); ++i) {
            const double diff = grid[i] - DigitGrids()[size_t(d)][i];
            distance += diff * diff;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = d;
        }
    }
    return best;
}

// The number a tile shows: its ink inside the black edge lines read as
// two digits; -1 when it does not hold exactly two shapes.
inline int ReadNumber(const bmp_reader::Dib& tile) {
    Mask mask{tile.width, tile.rows() - 2, {}};
    for (int y = 1; y < tile.rows() - 1; ++y)
        for (int x = 0; x < tile.width; ++x) {
            const bmp_reader::Colour c = tile.at(x, y);
            mask.ink.push_back(int(c.r) + c.g + c.b < 200);
        }
    const auto shapes = Shapes(mask);
    if (shapes.size() != 2)
        return -1;
    return 10 * ClosestDigit(Normalise(mask, shapes[0])) + ClosestDigit(Normalise(mask, shapes[1]));
}

} // namespace digit_reader

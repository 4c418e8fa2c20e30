// Reads what is on the screen: single pixels, or a rectangle copied with
// BitBlt, which can be compared with a later copy or saved as a BMP file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

COLORREF screenPixel(POINT screenPoint);

struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // 0x00RRGGBB, top row first

    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool empty() const { return pixels.empty(); }
};

ScreenImage captureScreen(const RECT& screenRect);
ScreenImage captureClientArea(HWND window);

// Number of pixels that differ; the first one is reported in *first.
size_t countDifferences(const ScreenImage& a, const ScreenImage& b, POINT* first);
size_t countColours(const ScreenImage& image);

bool saveBmp(const ScreenImage& image, const std::string& path);

} // namespace e2e

#include "screen_pixels.h"

#include "player_camera.h"

#include <cstdio>
#include <unordered_set>

namespace e2e {

COLORREF screenPixel(POINT point) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

ScreenImage captureScreen(const RECT& rect) {
    ScreenCamera camera(rect);
    return camera.shoot();
}

ScreenImage captureClientArea(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return captureScreen(rect);
}

size_t countDifferences(const ScreenImage& a, const ScreenImage& b, POINT* first) {
    if (a.width != b.width || a.height != b.height)
        return static_cast<size_t>(-1);
    size_t count = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.at(x, y) != b.at(x, y) && count++ == 0 && first)
                *first = {x, y};
    return count;
}

size_t countColours(const ScreenImage& image) {
    return std::unordered_set<uint32_t>(image.pixels.begin(), image.pixels.end()).size();
}

bool saveBmp(const ScreenImage& image, const std::string& path) {
    if (image.empty())
        return false;
    const int rowBytes = image.width * 3 + (4 - image.width * 3 % 4) % 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = image.width;
    info.biHeight = image.height; // bottom row first, as BMP readers expect
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(rowBytes) * image.height;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::vector<unsigned char> row(rowBytes, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t pixel = image.at(x, y);
            row[x * 3] = pixel & 0xFF;
            row[x * 3 + 1] = (pixel >> 8) & 0xFF;
            row[x * 3 + 2] = (pixel >> 16) & 0xFF;
        }
        std::fwrite(row.data(), 1, row.size(), out);
    }
    return std::fclose(out) == 0;
}

} // namespace e2e

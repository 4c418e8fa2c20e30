#include "player_camera.h"

namespace e2e {

ScreenCamera::ScreenCamera(const RECT& screenRect) : rect_(screenRect) {
    const int width = rect_.right - rect_.left;
    const int height = rect_.bottom - rect_.top;
    if (width <= 0 || height <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    screen_ = GetDC(nullptr);
    memory_ = CreateCompatibleDC(screen_);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap_ || !bits)
        return;
    bits_ = static_cast<const uint32_t*>(bits);
    oldBitmap_ = SelectObject(memory_, bitmap_);
    image_.width = width;
    image_.height = height;
}

ScreenCamera::~ScreenCamera() {
    if (oldBitmap_)
        SelectObject(memory_, oldBitmap_);
    if (bitmap_)
        DeleteObject(bitmap_);
    if (memory_)
        DeleteDC(memory_);
    if (screen_)
        ReleaseDC(nullptr, screen_);
}

const ScreenImage& ScreenCamera::shoot() {
    image_.pixels.clear();
    if (!bits_ || !BitBlt(memory_, 0, 0, image_.width, image_.height, screen_, rect_.left,
                          rect_.top, SRCCOPY))
        return image_;
    GdiFlush();
    const size_t count = static_cast<size_t>(image_.width) * image_.height;
    image_.pixels.resize(count);
    for (size_t i = 0; i < count; ++i)
        image_.pixels[i] = bits_[i] & 0xFFFFFF;
    return image_;
}

RECT screenRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

double nowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

} // namespace e2e

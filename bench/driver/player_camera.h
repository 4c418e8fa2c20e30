// Watches one rectangle of the screen: the copy surfaces are made once, so a
// wheel can be looked at every few milliseconds while it turns.
#pragma once

#include "screen_pixels.h"

#include <windows.h>

namespace e2e {

class ScreenCamera {
public:
    explicit ScreenCamera(const RECT& screenRect);
    ~ScreenCamera();
    ScreenCamera(const ScreenCamera&) = delete;
    ScreenCamera& operator=(const ScreenCamera&) = delete;

    // The rectangle as the screen shows it now; empty if it cannot be copied.
    const ScreenImage& shoot();

private:
    RECT rect_;
    HDC screen_ = nullptr;
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    const uint32_t* bits_ = nullptr;
    ScreenImage image_;
};

// The screen rectangle a window covers.
RECT screenRectOf(HWND window);

// Milliseconds since some fixed moment, finer than GetTickCount.
double nowMs();

} // namespace e2e

#include "pixel_layout.h"

namespace e2e {

namespace {

// Units to pixels with halves rounded up: 2 px across, 17/8 px down.
int horizontalPixels(int units) {
    return units * 2;
}
int verticalPixels(int units) {
    return (units * 17 + 4) / 8;
}

} // namespace

RECT pixelRect(const expected_layout::Control& control) {
    const int left = horizontalPixels(control.x);
    const int top = verticalPixels(control.y);
    return {left, top, left + horizontalPixels(control.cx), top + verticalPixels(control.cy)};
}

SIZE pixelSize(int widthUnits, int heightUnits) {
    return {horizontalPixels(widthUnits), verticalPixels(heightUnits)};
}

} // namespace e2e

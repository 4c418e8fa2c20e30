#include "player_wheel.h"

namespace e2e {

WheelWatcher::WheelWatcher(HWND picture, bool bonus, int highest, const GameArt& art)
    : camera_(screenRectOf(picture)), bonus_(bonus), highest_(highest), art_(art) {}

bool WheelWatcher::look() {
    const ScreenImage& image = camera_.shoot();
    if (image.empty())
        return false;
    const int number = art_.recognise(bonus_, image);
    // A picture caught half drawn, or the same tile again, tells nothing new.
    if (number < 0 || number == shown_)
        return false;
    if (number > 0)
        frame_ = 2 * number - 1;
    else
        frame_ = shown_ > 0 ? (2 * shown_) % frameCount() : -1;
    shown_ = number;
    changedAt_ = nowMs();
    return true;
}

} // namespace e2e

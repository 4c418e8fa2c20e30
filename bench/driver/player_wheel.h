// Follows a turning wheel on the screen: recognises each tile as it appears
// and works out which frame of the drum it is. The drum holds a blank before
// each number, so number m is frame 2m - 1 and the blank after it frame 2m.
#pragma once

#include "player_art.h"
#include "player_camera.h"

namespace e2e {

class WheelWatcher {
public:
    WheelWatcher(HWND picture, bool bonus, int highest, const GameArt& art);

    // Looks at the wheel once; true when it shows a known tile other than before.
    bool look();

    int shown() const { return shown_; }            // 0 blank, number, -1 not a tile
    int frame() const { return frame_; }            // -1 while it cannot be told
    double changedAt() const { return changedAt_; } // nowMs() when shown() last changed
    int frameCount() const { return 2 * highest_; }

private:
    ScreenCamera camera_;
    bool bonus_;
    int highest_;
    const GameArt& art_;
    int shown_ = -1;
    int frame_ = -1;
    double changedAt_ = 0;
};

} // namespace e2e

// An automated player: plays the game through its window the way a person
// does, by clicking its buttons and watching its wheels on the screen.
//
// A Stop click is not judged on the frame showing when it is made: the press
// and the release are two events and the turning wheel takes one event per
// frame, so the click made while frame k shows stops the wheel on frame
// k + 2. The player therefore clicks as soon as it sees the frame two before
// the one it wants, which for number n is the tile of n - 1 (for 1, the tile
// of the highest number, just before the drum wraps).
#pragma once

#include "player_art.h"

#include <windows.h>

#include <array>
#include <string>

namespace e2e {

constexpr int kWheelCount = 6;
constexpr int kBonusWheel = 5; // wheel B, the last one

struct WheelControlIds {
    int numberBox, spin, stop, picture;
};
WheelControlIds wheelControls(int wheel);
std::string wheelName(int wheel); // "1" to "5", "B"

// Highest number of each wheel for the game type checked in the window.
int highestNumber(HWND window, int wheel);

// Milliseconds each frame of the wheel stays, for the level checked in the window.
int frameDelay(HWND window, int wheel);

// How one Stop click went, for failure messages.
struct StopRecord {
    int aimedFrame = -1;
    int clickedOnFrame = -1; // frame showing when the click was sent
    int judgedFrame = -1;    // frame the wheel stood on afterwards
    double reactionMs = 0;   // from seeing clickedOnFrame to sending the click
};

class Player {
public:
    Player(HWND window, const GameArt& art);

    // Why the last step that returned false failed.
    const std::string& error() const { return error_; }

    // Clicks a check box or radio button and waits until it shows checked.
    bool choose(int controlId);

    // Presses "Get Lucky Numbers" and reads the six numbers from the boxes.
    bool drawNumbers();
    int lucky(int wheel) const { return lucky_[wheel]; }

    // Presses the wheel's "Spin" and waits until its "Stop" can be pressed.
    bool startSpin(int wheel);
    // While the wheel turns: presses "Stop" so that it stops on that frame.
    // True once the game has taken the click, on whichever frame.
    bool stopOnFrame(int wheel, int frame);
    const StopRecord& lastStop() const { return lastStop_; }
    // The median time from one frame to the next that the player saw in the
    // wheel's last spin, or 0 when it saw fewer than three frames.
    double frameMs(int wheel) const { return frameMs_[wheel]; }

    // Spins the wheel and stops it on its lucky number; true when it stopped
    // there (what the game makes of it is for the caller to check).
    bool matchWheel(int wheel);

    // Draws the numbers and matches all six wheels; the win sequence starts.
    // A wheel stopped next to its number (the machine was too busy to click
    // in time) is a miss: up to `attempts` games, with "Try Again" between.
    bool playToWin(int attempts = 1);
    int misses() const { return misses_; }

    // The number the wheel shows now: 0 a blank, -1 no tile of that wheel.
    int showing(int wheel) const;
    // Whether the wheel shows the number's tile (0 the blank) in every pixel
    // that the window `cover` leaves visible; at least a quarter must be.
    bool showsNumber(int wheel, int number, HWND cover = nullptr) const;

private:
    bool fail(const std::string& why);
    bool playOneGame();

    HWND window_;
    const GameArt& art_;
    std::array<int, kWheelCount> lucky_{};
    std::array<int, kWheelCount> highest_{}; // read at the draw, while the game is idle
    std::array<int, kWheelCount> delay_{};
    std::array<double, kWheelCount> frameMs_{};
    StopRecord lastStop_;
    std::string error_;
    int misses_ = 0;
};

// A single press and release where the cursor is, sent as one input.
bool pressAndRelease();
// Moves the cursor onto the control and waits until it is there.
bool aimAt(HWND control);

} // namespace e2e

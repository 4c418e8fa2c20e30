#include "player.h"

#include "game_process.h"
#include "mouse_keys.h"
#include "player_camera.h"
#include "player_wheel.h"
#include "window_query.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace e2e {

namespace {

constexpr int kEasyDelays[kWheelCount] = {400, 330, 270, 250, 230, 200};
constexpr int kChallengingDelays[kWheelCount] = {230, 210, 190, 160, 130, 100};
constexpr DWORD kButtonTimeoutMs = 5000;

std::string frameText(int frame) {
    if (frame < 0)
        return "an unknown frame";
    char text[64];
    if (frame % 2)
        std::snprintf(text, sizeof text, "frame %d (number %d)", frame, (frame + 1) / 2);
    else
        std::snprintf(text, sizeof text, "frame %d (a blank)", frame);
    return text;
}

bool enabled(HWND window, int id) {
    return IsWindowEnabled(GetDlgItem(window, id)) != 0;
}

// The times at which a watched wheel turned to a new frame.
class FrameClock {
public:
    explicit FrameClock(WheelWatcher& watcher) : watcher_(watcher) {}

    // Looks once; true when the wheel shows a new frame.
    bool look() {
        if (!watcher_.look())
            return false;
        // The first sighting is whatever was there already, not a change.
        if (sighted_)
            changes_.push_back(watcher_.changedAt());
        sighted_ = true;
        return true;
    }

    double medianFrameMs() const {
        if (changes_.size() < 3)
            return 0;
        std::vector<double> gaps;
        for (size_t i = 1; i < changes_.size(); ++i)
            gaps.push_back(changes_[i] - changes_[i - 1]);
        std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
        return gaps[gaps.size() / 2];
    }

private:
    WheelWatcher& watcher_;
    bool sighted_ = false;
    std::vector<double> changes_;
};

} // namespace

WheelControlIds wheelControls(int wheel) {
    static const WheelControlIds kControls[kWheelCount] = {
        {IDC_LUCKY1, IDC_SPIN1, IDC_STOP1, IDC_WHEEL1},
        {IDC_LUCKY2, IDC_SPIN2, IDC_STOP2, IDC_WHEEL2},
        {IDC_LUCKY3, IDC_SPIN3, IDC_STOP3, IDC_WHEEL3},
        {IDC_LUCKY4, IDC_SPIN4, IDC_STOP4, IDC_WHEEL4},
        {IDC_LUCKY5, IDC_SPIN5, IDC_STOP5, IDC_WHEEL5},
        {IDC_LUCKYB, IDC_SPINB, IDC_STOPB, IDC_WHEELB},
    };
    return kControls[wheel];
}

std::string wheelName(int wheel) {
    return wheel == kBonusWheel ? "B" : std::to_string(wheel + 1);
}

int highestNumber(HWND window, int wheel) {
    const bool bonus = wheel == kBonusWheel;
    if (buttonChecked(GetDlgItem(window, IDC_MEGA)))
        return bonus ? 15 : 75;
    if (buttonChecked(GetDlgItem(window, IDC_POWER)))
        return bonus ? 35 : 59;
    return bonus ? 27 : 47;
}

int frameDelay(HWND window, int wheel) {
    const bool challenging = buttonChecked(GetDlgItem(window, IDC_CHALLENGING));
    return (challenging ? kChallengingDelays : kEasyDelays)[wheel];
}

bool pressAndRelease() {
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

bool aimAt(HWND control) {
    const POINT target = centreOnScreen(control);
    return waitUntil(
        [&] {
            POINT now{};
            if (GetCursorPos(&now) && now.x == target.x && now.y == target.y)
                return true;
            SetCursorPos(target.x, target.y);
            Sleep(10);
            return false;
        },
        2000);
}

Player::Player(HWND window, const GameArt& art) : window_(window), art_(art) {}

bool Player::fail(const std::string& why) {
    error_ = why;
    return false;
}

bool Player::choose(int controlId) {
    HWND control = GetDlgItem(window_, controlId);
    if (!clickWindow(control))
        return fail("cannot click control " + std::to_string(controlId));
    if (!waitUntil([&] { return buttonChecked(control); }, kButtonTimeoutMs))
        return fail("control " + std::to_string(controlId) + " does not get checked");
    return true;
}

bool Player::drawNumbers() {
    if (!clickWindow(GetDlgItem(window_, IDC_GET_LUCKY)))
        return fail("cannot click \"Get Lucky Numbers\"");
    if (!waitUntil([&] { return enabled(window_, wheelControls(0).spin); }, kButtonTimeoutMs))
        return fail("\"Spin 1\" does not become enabled after the draw");
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        BOOL ok = FALSE;
        lucky_[wheel] =
            static_cast<int>(GetDlgItemInt(window_, wheelControls(wheel).numberBox, &ok, FALSE));
        highest_[wheel] = highestNumber(window_, wheel);
        delay_[wheel] = frameDelay(window_, wheel);
        if (!ok || lucky_[wheel] < 1 || lucky_[wheel] > highest_[wheel])
            return fail("number box of wheel " + wheelName(wheel) + " shows \"" +
                        windowText(GetDlgItem(window_, wheelControls(wheel).numberBox)) +
                        "\", not a number from 1 to " + std::to_string(highest_[wheel]));
    }
    return true;
}

bool Player::startSpin(int wheel) {
    const WheelControlIds ids = wheelControls(wheel);
    HWND spin = GetDlgItem(window_, ids.spin);
    HWND stop = GetDlgItem(window_, ids.stop);
    if (!IsWindowEnabled(spin))
        return fail("\"Spin " + wheelName(wheel) + "\" is disabled");
    if (!clickWindow(spin))
        return fail("cannot click \"Spin " + wheelName(wheel) + "\"");
    if (!waitUntil([&] { return IsWindowEnabled(stop) && !IsWindowEnabled(spin); },
                   kButtonTimeoutMs))
        return fail("wheel " + wheelName(wheel) + " does not start: \"Stop\" stays disabled");
    // The cursor goes to "Stop" at once, so that its moves are behind the
    // game long before the click that counts.
    if (!aimAt(stop))
        return fail("the cursor does not reach \"Stop " + wheelName(wheel) + "\"");
    return true;
}

bool Player::stopOnFrame(int wheel, int frame) {
    HWND stop = GetDlgItem(window_, wheelControls(wheel).stop);
    WheelWatcher watcher(GetDlgItem(window_, wheelControls(wheel).picture), wheel == kBonusWheel,
                         highest_[wheel], art_);
    const int frames = watcher.frameCount();
    const int clickFrame = (frame - 2 + frames) % frames;
    FrameClock clock(watcher);
    lastStop_ = StopRecord{};
    lastStop_.aimedFrame = frame;
    if (!aimAt(stop))
        return fail("the cursor does not reach \"Stop " + wheelName(wheel) + "\"");

    // Two turns at most: the frame may have just gone by.
    const double deadline = nowMs() + 2.0 * (frames + 4) * delay_[wheel] + 2000;
    for (;;) {
        if (clock.look() && watcher.frame() == clickFrame)
            break;
        if (nowMs() > deadline)
            return fail("wheel " + wheelName(wheel) + " never showed " + frameText(clickFrame) +
                        "; it last showed " + frameText(watcher.frame()));
        Sleep(1);
    }
    if (!pressAndRelease())
        return fail("cannot send the click on \"Stop " + wheelName(wheel) + "\"");
    lastStop_.clickedOnFrame = clickFrame;
    lastStop_.reactionMs = nowMs() - watcher.changedAt();

    // The game takes the click two frames on; keep watching until it has,
    // and a little longer, since the last frame may reach the screen late.
    const DWORD stopTimeout = static_cast<DWORD>(6 * delay_[wheel] + 3000);
    const bool taken = waitUntil(
        [&] {
            clock.look();
            return !IsWindowEnabled(stop);
        },
        stopTimeout);
    const double settleUntil = nowMs() + 300;
    while (nowMs() < settleUntil) {
        clock.look();
        Sleep(5);
    }
    lastStop_.judgedFrame = watcher.frame();
    frameMs_[wheel] = clock.medianFrameMs();
    if (!taken)
        return fail("\"Stop " + wheelName(wheel) + "\" was clicked but stays enabled");
    return true;
}

bool Player::matchWheel(int wheel) {
    const int target = 2 * lucky_[wheel] - 1;
    if (!startSpin(wheel) || !stopOnFrame(wheel, target))
        return false;
    if (lastStop_.judgedFrame != target)
        return fail("wheel " + wheelName(wheel) + " stopped on " +
                    frameText(lastStop_.judgedFrame) + ", aimed at " + frameText(target) +
                    "; clicked " + std::to_string(static_cast<int>(lastStop_.reactionMs)) +
                    " ms after " + frameText(lastStop_.clickedOnFrame) + " showed");
    return true;
}

bool Player::playToWin(int attempts) {
    for (int attempt = 1;; ++attempt) {
        if (playOneGame())
            return true;
        const bool missed = waitUntil([&] { return enabled(window_, IDOK); }, 2000);
        if (!missed || attempt >= attempts)
            return false;
        ++misses_;
        if (!clickWindow(GetDlgItem(window_, IDOK)))
            return fail("cannot click \"Try Again\" after: " + error_);
        if (!waitUntil([&] { return enabled(window_, IDC_GET_LUCKY); }, kButtonTimeoutMs))
            return fail("\"Get Lucky Numbers\" stays disabled after \"Try Again\"");
    }
}

bool Player::playOneGame() {
    if (!drawNumbers())
        return false;
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        if (!matchWheel(wheel))
            return false;
        if (wheel == kBonusWheel)
            break;
        if (!waitUntil([&] { return enabled(window_, wheelControls(wheel + 1).spin); },
                       kButtonTimeoutMs))
            return fail("a match on wheel " + wheelName(wheel) + " does not enable \"Spin " +
                        wheelName(wheel + 1) + "\"");
    }
    return true;
}

int Player::showing(int wheel) const {
    HWND picture = GetDlgItem(window_, wheelControls(wheel).picture);
    return art_.recognise(wheel == kBonusWheel, captureScreen(screenRectOf(picture)));
}

bool Player::showsNumber(int wheel, int number, HWND cover) const {
    const RECT rect = screenRectOf(GetDlgItem(window_, wheelControls(wheel).picture));
    const ScreenImage image = captureScreen(rect);
    const ScreenImage& tile = art_.tile(wheel == kBonusWheel, number);
    if (image.width != tile.width || image.height != tile.height)
        return false;
    RECT hidden{};
    if (cover)
        GetWindowRect(cover, &hidden);
    int visible = 0;
    for (int y = 0; y < tile.height; ++y)
        for (int x = 0; x < tile.width; ++x) {
            const POINT point{rect.left + x, rect.top + y};
            if (cover && PtInRect(&hidden, point))
                continue;
            if (image.at(x, y) != tile.at(x, y))
                return false;
            ++visible;
        }
    return visible * 4 >= tile.width * tile.height;
}

} // namespace e2e

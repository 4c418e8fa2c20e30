// What the game's tests share: a fresh simulated platform per test, and
// the arithmetic of timing a Stop click.
#pragma once

#include <gtest/gtest.h>

#include "fw/sim/sim.h"
#include "game/wheels_dlg.h"
#include "res/resource.h"

class GameTest : public ::testing::Test {
protected:
    void SetUp() override { sim::Reset(); }
    void TearDown() override { sim::Reset(); }
};

// Opens the game window without a loop, as DoModal does, and answers the
// paint request of its showing, so that the draw log starts empty.
inline void OpenPainted(CDialog& dlg) {
    ASSERT_TRUE(sim::Open(dlg));
    while (sim::PumpOne()) {
    }
    sim::ClearDrawLog();
}

// Handles events until the process ends; its exit status, or -1 when the
// events ran out first.
inline int RunUntilExit() {
    try {
        sim::RunUntilIdle();
    } catch (const sim::ProcessExit& exit) {
        return exit.status;
    }
    return -1;
}

// Delivers a click to the handler even where the control is disabled.
inline void Deliver(CWheelsDlg& dlg, int id) {
    LRESULT result;
    dlg.OnWndMsg(WM_COMMAND, WPARAM(id), 0, &result);
}

inline std::vector<int> Lucky(const CWheelsDlg& dlg) {
    return std::vector<int>(dlg.m_nLucky, dlg.m_nLucky + kWheelCount);
}

// A generator that yields the given values in turn, over and over.
inline void RandomValues(std::vector<int> values) {
    auto next = std::make_shared<size_t>(0);
    sim::SetRandomSource([values, next]() { return values[(*next)++ % values.size()]; });
}

// Draws 5, 10, 20, 30, 40 and the bonus 7 with a click on "Get Lucky" at `at`.
inline void DrawKnownNumbers(long long at) {
    RandomValues({30, 5, 40, 10, 20, 7});
    sim::ScheduleClick(at, IDC_GET_LUCKY);
}

// A spin started at spinAt paints its j-th frame (j = 0, 1, ...) at
// spinAt + (j + 1) * delay, showing frame j modulo the strip's length. A
// click is judged two frames after the one showing when it is made, so to be
// judged on frame j it is made while frame j - 2 shows.
inline long long ClickJudgedOn(long long spinAt, int delay, int j) {
    return spinAt + (long long)(j - 1) * delay + 1;
}

// The first frame j >= 2 of a spin that shows strip frame `frame`.
inline int FirstShowing(int frame, int stripLength) {
    return frame >= 2 ? frame : frame + stripLength;
}

// Schedules "Spin w" at `at` and the Stop click that judges the spin on the
// strip frame showing number n (or, n == 0, on the blank before number 1).
// Returns a time after the stop has been handled.
inline long long PlayWheel(const CWheelsDlg& dlg, int wheel, long long at, int n) {
    const int range = wheel == kWheelB ? dlg.m_nBonusMax : dlg.m_nMainMax;
    const int delay = dlg.m_nDelay[wheel];
    const int j = FirstShowing(n == 0 ? 0 : 2 * n - 1, 2 * range);
    sim::ScheduleClick(at, kWheels[wheel].spin);
    sim::ScheduleClick(ClickJudgedOn(at, delay, j), kWheels[wheel].stop);
    return at + (long long)(j + 2) * delay;
}

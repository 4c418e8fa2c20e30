// The spin and stop cycle: which frame a Stop click judges, wrapping,
// misses, the reset, and what runs inside a spin.
#include "game_support.h"

namespace {

std::vector<int> FramesDrawnOn(int control) {
    std::vector<int> frames;
    for (const sim::DrawCall& call : sim::DrawsOn(control))
        frames.push_back(call.image);
    return frames;
}

void ExpectOnlyTryAgainAndExit() {
    for (const WheelControls& wheel : kWheels)
        EXPECT_FALSE(sim::IsEnabled(wheel.spin) || sim::IsEnabled(wheel.stop));
    EXPECT_FALSE(sim::IsEnabled(IDC_GET_LUCKY));
    EXPECT_TRUE(sim::IsEnabled(IDOK) && sim::IsEnabled(IDCANCEL));
}

TEST_F(GameTest, AStopIsJudgedTwoFramesLaterAndAMissLeavesOnlyTryAgainAndExit) {
    CWheelsDlg dlg;
    OpenPainted(dlg);
    DrawKnownNumbers(0);
    sim::ScheduleClick(100, IDC_SPIN1);
    // Made while frame 7 shows (100 + 8 * 400 .. + 400): judged on frame 9, number 5.
    sim::ScheduleClick(100 + 8 * 400 + 150, IDC_STOP1);
    sim::RunUntilIdle();
    EXPECT_EQ(dlg.m_nFrame[0], 9);
    EXPECT_EQ(dlg.m_fStopValue[0], 5.0f);
    EXPECT_FALSE(dlg.m_bArmed[0]);
    EXPECT_TRUE(dlg.m_bArmed[1]);
    EXPECT_TRUE(sim::IsEnabled(IDC_SPIN2));
    EXPECT_FALSE(sim::IsEnabled(IDC_STOP1) || sim::IsEnabled(IDOK));
    // The spin painted its own wheel only, frame after frame.
    EXPECT_EQ(FramesDrawnOn(IDC_WHEEL1), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(sim::DrawsOn(IDC_WHEEL2).empty());

    // Wheel 2 (330 ms): the same click behind three mouse moves lands three
    // frames later, on a blank: a miss.
    const long long spinAt = sim::Now() + 10;
    sim::ScheduleClick(spinAt, IDC_SPIN2);
    sim::ScheduleBurst(ClickJudgedOn(spinAt, 330, 19), 3);
    sim::ScheduleClick(ClickJudgedOn(spinAt, 330, 19), IDC_STOP2);
    sim::RunUntilIdle();
    EXPECT_EQ(dlg.m_nFrame[1], 22);
    EXPECT_EQ(dlg.m_fStopValue[1], 11.5f);
    ExpectOnlyTryAgainAndExit();
    EXPECT_EQ(sim::LiveSurfaces(), 0);

    // Clicks on everything else change nothing, and neither does a Spin
    // delivered to its handler: no wheel is armed.
    sim::ClearDrawLog();
    for (const WheelControls& wheel : kWheels)
        Deliver(dlg, wheel.spin);
    long long t = sim::Now() + 10;
    for (const WheelControls& wheel : kWheels) {
        sim::ScheduleClick(t++, wheel.spin);
        sim::ScheduleClick(t++, wheel.stop);
    }
    for (int id : kSettingsControls)
        sim::ScheduleClick(t++, id);
    sim::ScheduleClick(t++, IDC_GET_LUCKY);
    sim::RunUntilIdle();
    EXPECT_TRUE(sim::DrawLog().empty());
    EXPECT_EQ(dlg.m_nLucky[0], 5);
    ExpectOnlyTryAgainAndExit();

    // "Try Again" resets the wheels to their first frame and the game to its
    // start, leaving itself as it was.
    sim::ScheduleClick(sim::Now() + 10, IDOK);
    sim::RunUntilIdle();
    EXPECT_TRUE(sim::IsEnabled(IDOK) && sim::IsEnabled(IDC_GET_LUCKY));
    for (int id : kSettingsControls)
        EXPECT_TRUE(sim::IsEnabled(id));
    for (const WheelControls& wheel : kWheels) {
        EXPECT_EQ(sim::Text(wheel.luckyBox), "0");
        EXPECT_FALSE(sim::IsEnabled(wheel.spin));
        ASSERT_EQ(FramesDrawnOn(wheel.picture), (std::vector<int>{0}));
    }
    EXPECT_TRUE(dlg.m_bArmed[0]);

    // A second "Try Again" only resets again; then a fresh game plays.
    sim::ScheduleClick(sim::Now() + 10, IDOK);
    DrawKnownNumbers(sim::Now() + 20);
    sim::RunUntilIdle();
    EXPECT_EQ(dlg.m_nLucky[0], 5);
    EXPECT_TRUE(sim::IsEnabled(IDC_SPIN1));
    EXPECT_FALSE(sim::IsEnabled(IDOK));
}

TEST_F(GameTest, AMatchOnWheelFiveArmsWheelBOnTheBonusRange) {
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));
    sim::ScheduleClick(0, IDC_POWER);
    DrawKnownNumbers(10);
    sim::RunUntilIdle();
    long long t = 100;
    for (int w = 0; w < kMainWheelCount; ++w) {
        t = PlayWheel(dlg, w, t, dlg.m_nLucky[w]);
        sim::RunUntilIdle();
        ASSERT_EQ(dlg.m_fStopValue[w], (float)dlg.m_nLucky[w]) << "wheel " << w + 1;
    }
    EXPECT_TRUE(dlg.m_bArmed[kWheelB]);
    EXPECT_TRUE(sim::IsEnabled(IDC_SPINB));

    // Power's bonus drum holds 35 numbers: 70 frames, then it wraps.
    sim::ClearDrawLog();
    sim::ScheduleClick(t, IDC_SPINB);
    sim::ScheduleClick(ClickJudgedOn(t, 200, 73), IDC_STOPB);
    sim::RunUntilIdle();
    const std::vector<sim::DrawCall> draws = sim::DrawsOn(IDC_WHEELB);
    ASSERT_EQ(draws.size(), 74u);
    EXPECT_EQ(std::make_pair(draws[69].image, draws[70].image), std::make_pair(69, 0));
    EXPECT_EQ(draws[69].list, &dlg.m_ilPowerB);
    EXPECT_EQ(dlg.m_fStopValue[kWheelB], 2.0f);
    ExpectOnlyTryAgainAndExit();
}

TEST_F(GameTest, WhatRunsInsideASpin) {
    CWheelsDlg dlg;
    OpenPainted(dlg);
    DrawKnownNumbers(0);
    sim::AnswerModal(IDD_ABOUTBOX, IDOK, 5000);
    sim::ScheduleClick(100, IDC_SPIN1);
    // The About box, chosen while frame 2 shows: the wheel waits for it. The
    // platform may set the command's low four bits.
    sim::ScheduleSysCommand(100 + 3 * 400 + 50, IDM_ABOUTBOX | 0xF);
    // A paint request: every wheel at its own frame, the spinning one included.
    sim::SchedulePaint(100 + 20 * 400 + 50);
    sim::ScheduleKey(100 + 25 * 400, VK_ESCAPE); // no dialog keys in a spin
    sim::ScheduleSysCommand(100 + 30 * 400 + 50, SC_CLOSE);
    EXPECT_EQ(RunUntilExit(), 1);

    // One draw per frame, in order, and one more from the paint request
    // showing the frame just reached.
    std::vector<sim::DrawCall> draws = sim::DrawsOn(IDC_WHEEL1);
    ASSERT_GT(draws.size(), 10u);
    int repaints = 0;
    for (size_t i = 1; i < draws.size(); ++i) {
        if (draws[i].image == draws[i - 1].image) {
            EXPECT_EQ(draws[i].atMs, draws[i - 1].atMs);
            draws.erase(draws.begin() + i--);
            ++repaints;
        }
    }
    EXPECT_EQ(repaints, 1);
    for (size_t i = 0; i < draws.size(); ++i)
        ASSERT_EQ(draws[i].image, (int)i % 94);
    // Chosen while frame 2 shows, the About box opens after frame 3 and the
    // wheel waits for it.
    EXPECT_EQ(draws[4].atMs - draws[3].atMs, 5000 + 400);
    ASSERT_EQ(sim::ModalRuns().size(), 1u);
    EXPECT_EQ(sim::ModalRuns()[0].owner, &dlg);
    EXPECT_EQ(FramesDrawnOn(IDC_WHEEL2), std::vector<int>{0});
    EXPECT_EQ(sim::DrawsOn(IDC_BACKGROUND).size(), 1u);
    // Escape did not end the game. The close command, made while frame 16
    // shows, is taken after frame 17 and the cancel command it posts after
    // frame 18.
    EXPECT_EQ(draws.size(), 19u);
    EXPECT_EQ(sim::LiveSurfaces(), 0);
}

} // namespace

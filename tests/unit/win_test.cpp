// Six matches: the banner's stations and pauses, the restored wheels, and
// the end-of-game dialog.
#include "game_support.h"
#include "tests/common/win_banner.h"

namespace {

// Plays a won game to the last stop: 5 10 20 30 40 and the bonus 7 matched.
// The last stop is scheduled, not run. Returns the time the Stop B click is
// handled.
long long PlayAGame(CWheelsDlg& dlg) {
    DrawKnownNumbers(0);
    sim::RunUntilIdle();
    long long t = 100;
    for (int w = 0; w < kWheelCount; ++w) {
        t = PlayWheel(dlg, w, t, dlg.m_nLucky[w]);
        if (w < kWheelB)
            sim::RunUntilIdle();
    }
    return t - 200; // the bonus wheel's Stop is handled after its judged frame
}

TEST_F(GameTest, TheWinShowsTheBannerAtFiveStationsThenTheNumbersThenTheDialog) {
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));
    sim::AnswerModal(IDD_PLAYAGAIN, IDCANCEL, 1000);
    const long long stopAt = PlayAGame(dlg);
    sim::ClearDrawLog();
    EXPECT_EQ(RunUntilExit(), 1); // "Exit" in the end-of-game dialog
    std::vector<sim::DrawCall> log = sim::DrawLog();
    // The Stop B frame itself was drawn before the stop; skip to the win.
    while (!log.empty() && log.front().controlId != IDC_BACKGROUND)
        log.erase(log.begin());

    // The felt, then the banner over it, at each station; the felt again
    // when the last station's rest is over.
    struct Expected {
        int control;
        long long after; // ms after the stop
        int x, y;
    };
    std::vector<Expected> banner;
    long long after = expected_win::kPauseMs;
    for (const expected_win::Station& station : expected_win::kStations) {
        banner.push_back({IDC_BACKGROUND, after, 0, 0});
        banner.push_back({IDC_BANNER_AREA, after, station.x, station.y});
        after += station.restMs;
    }
    banner.push_back({IDC_BACKGROUND, after, 0, 0});
    ASSERT_EQ(log.size(), banner.size() + kWheelCount);
    for (size_t i = 0; i < banner.size(); ++i)
        EXPECT_EQ(std::make_tuple(log[i].controlId, log[i].atMs - stopAt, log[i].x, log[i].y,
                                  log[i].list),
                  std::make_tuple(banner[i].control, banner[i].after, banner[i].x, banner[i].y,
                                  banner[i].control == IDC_BANNER_AREA ? &dlg.m_ilBanner
                                                                       : &dlg.m_ilBackground))
            << i;
    // Then every wheel shows its matched number again, in order.
    for (int w = 0; w < kWheelCount; ++w)
        EXPECT_EQ(std::make_pair(log[banner.size() + w].controlId, log[banner.size() + w].image),
                  std::make_pair(kWheels[w].picture, 2 * dlg.m_nLucky[w] - 1));
    const sim::ModalRun& run = sim::ModalRuns().back();
    EXPECT_EQ(run.templateId, (UINT)IDD_PLAYAGAIN);
    EXPECT_EQ(run.startMs - stopAt, after);
    EXPECT_EQ(run.owner, &dlg);
    EXPECT_EQ(sim::LiveSurfaces(), 0);
}

// Out of address space after a long winning streak: a window whose pictures
// cannot be made plays and paints nothing, and a "Play Again" whose window
// cannot be run leaves the finished one as it was.
TEST_F(GameTest, WithNoRoomForPicturesAGameIsWonAndAFailedPlayAgainKeepsTheWindow) {
    sim::NoRoomForPictures noRoom;
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));
    sim::SchedulePaint(0);
    sim::AnswerModal(IDD_PLAYAGAIN, IDOK);
    sim::AnswerModal(IDD_WHEELS, -1);
    PlayAGame(dlg);
    sim::RunUntilIdle();
    EXPECT_EQ(sim::LiveImageLists() + sim::BitmapsLoaded() + sim::DrawLog().size(), 0u);
    EXPECT_EQ(sim::ModalRuns().back().templateId, (UINT)IDD_WHEELS);
    EXPECT_EQ(sim::OpenDialogs(), std::vector<CDialog*>{&dlg});
    EXPECT_TRUE(sim::IsWindowEnabled(dlg));
    EXPECT_EQ(sim::Text(IDC_LUCKYB), "7");
}

} // namespace

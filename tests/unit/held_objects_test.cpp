// What the game holds over a long session: a very long spin, many games
// with "Try Again" and many nested windows leave no surface or bitmap behind,
// and each game window keeps exactly its own twenty image lists.
#include "game_support.h"

namespace {

constexpr int kListsPerWindow = 20;

// Schedules a won game in whatever game window is in front at `at`, which
// must be fresh, as `fresh` is; the numbers drawn are 5 10 20 30 40 and
// bonus 7. Returns the time the last Stop is handled.
long long ScheduleWin(const CWheelsDlg& fresh, long long at) {
    const int lucky[kWheelCount] = {5, 10, 20, 30, 40, 7};
    sim::ScheduleClick(at, IDC_GET_LUCKY);
    long long t = at + 100;
    for (int w = 0; w < kWheelCount; ++w)
        t = PlayWheel(fresh, w, t, lucky[w]) + 100;
    return t;
}

// A game that misses on wheel 1's blank before number 1, then "Try Again".
long long ScheduleMissAndTryAgain(const CWheelsDlg& fresh, long long at) {
    sim::ScheduleClick(at, IDC_GET_LUCKY);
    const long long t = PlayWheel(fresh, 0, at + 100, 0) + 100;
    sim::ScheduleClick(t, IDOK);
    return t + 100;
}

// Game windows open; surfaces, bitmaps and image lists held.
void ExpectOnlyWhatWindowsOwn(const char* when, int gameWindows) {
    int games = 0;
    for (CDialog* dialog : sim::OpenDialogs())
        games += dialog->GetTemplateId() == IDD_WHEELS;
    EXPECT_EQ(
        std::make_tuple(games, sim::LiveSurfaces(), sim::LiveBitmaps(), sim::LiveImageLists()),
        std::make_tuple(gameWindows, 0, 0, kListsPerWindow * gameWindows))
        << when;
}

TEST_F(GameTest, ALongSessionHoldsNoSurfaceOrBitmapAndOnlyEachWindowsImageLists) {
    RandomValues({30, 5, 40, 10, 20, 7});
    sim::AnswerModal(IDD_PLAYAGAIN, IDOK);
    CWheelsDlg first;
    OpenPainted(first);
    ExpectOnlyWhatWindowsOwn("opened", 1);

    // A spin of a thousand frames, ten times round the drum and more.
    sim::ScheduleClick(10, IDC_GET_LUCKY);
    const int surfacesBefore = sim::SurfacesTaken();
    sim::ScheduleClick(100, IDC_SPIN1);
    sim::ScheduleClick(ClickJudgedOn(100, first.m_nDelay[0], 999), IDC_STOP1);
    long long t = 100 + 1001 * first.m_nDelay[0] + 100;
    sim::ScheduleLook(t, [&] {
        ExpectOnlyWhatWindowsOwn("after a 1000-frame spin", 1);
        // One surface per frame, each released.
        EXPECT_EQ(sim::SurfacesTaken() - surfacesBefore, 1000);
    });
    sim::ScheduleClick(t + 10, IDOK);
    t += 200;

    // Ten wins, each nesting a new game window over the finished one.
    constexpr int kWins = 10;
    constexpr long long kWinSequenceMs = 12000 + 1000;
    int looks = 0;
    for (int win = 1; win <= kWins; ++win) {
        t = ScheduleWin(first, t) + kWinSequenceMs;
        sim::ScheduleLook(t, [&looks, win] {
            ++looks;
            ExpectOnlyWhatWindowsOwn("after a win", win + 1);
        });
        t += 100;
    }

    // Twenty games with "Try Again" in the newest window.
    constexpr int kGames = 20;
    for (int game = 0; game < kGames; ++game)
        t = ScheduleMissAndTryAgain(first, t);
    sim::ScheduleLook(t, [&] {
        ++looks;
        ExpectOnlyWhatWindowsOwn("after twenty games", kWins + 1);
        EXPECT_TRUE(sim::IsEnabled(IDC_GET_LUCKY));
    });
    sim::ScheduleClick(t + 100, IDCANCEL);
    EXPECT_EQ(RunUntilExit(), 1);
    EXPECT_EQ(looks, kWins + 1);
}

} // namespace

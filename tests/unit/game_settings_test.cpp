// Opening a game window, choosing the game type and level, and the draw.
#include <set>

#include "app/wheels_app.h"
#include "game_support.h"

namespace {

constexpr int kEasyDelays[] = {400, 330, 270, 250, 230, 200};
constexpr int kChallengingDelays[] = {230, 210, 190, 160, 130, 100};

void ExpectDelays(const CWheelsDlg& dlg, const int (&expected)[kWheelCount]) {
    for (int w = 0; w < kWheelCount; ++w)
        EXPECT_EQ(dlg.m_nDelay[w], expected[w]) << "wheel " << w + 1;
}

TEST_F(GameTest, TheApplicationRunsOneGameWindowAndReturnsFalse) {
    EXPECT_FALSE(theApp.InitInstance());
    ASSERT_EQ(sim::ModalRuns().size(), 1u);
    EXPECT_EQ(sim::ModalRuns()[0].templateId, (UINT)IDD_WHEELS);
    EXPECT_EQ(sim::ModalRuns()[0].owner, nullptr);
    EXPECT_EQ(sim::LiveImageLists(), 0);
    EXPECT_EQ(sim::LiveBitmaps(), 0);
}

TEST_F(GameTest, AFreshWindowOffersOnlyTheDrawTheSettingsAndExit) {
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));

    for (const WheelControls& wheel : kWheels) {
        EXPECT_EQ(sim::Text(wheel.luckyBox), "0");
        EXPECT_FALSE(sim::IsEnabled(wheel.spin));
        EXPECT_FALSE(sim::IsEnabled(wheel.stop));
    }
    for (int id :
         {IDC_GET_LUCKY, IDC_EASY, IDC_CHALLENGING, IDC_SUPER, IDC_POWER, IDC_MEGA, IDCANCEL})
        EXPECT_TRUE(sim::IsEnabled(id)) << id;
    EXPECT_FALSE(sim::IsEnabled(IDOK));
    EXPECT_EQ(sim::Check(IDC_EASY), 1);
    EXPECT_EQ(sim::Check(IDC_CHALLENGING), 0);
    EXPECT_EQ(sim::Check(IDC_SUPER), 1);
    EXPECT_EQ(sim::Check(IDC_POWER), 0);
    EXPECT_EQ(sim::Check(IDC_MEGA), 0);
    ExpectDelays(dlg, kEasyDelays);
    EXPECT_EQ(dlg.m_nMainMax, 47);
    EXPECT_EQ(dlg.m_nBonusMax, 27);
    EXPECT_TRUE(dlg.m_bArmed[0]);
    EXPECT_FALSE(dlg.m_bArmed[1]);

    // The system menu ends with the About item, and the window cannot move.
    const std::vector<sim::MenuItem> menu = sim::SystemMenu(dlg);
    ASSERT_GE(menu.size(), 2u);
    EXPECT_EQ(menu[menu.size() - 2].flags, (UINT)MF_SEPARATOR);
    EXPECT_EQ(menu.back(), (sim::MenuItem{MF_STRING, IDM_ABOUTBOX, "&About Rolento..."}));
    for (const sim::MenuItem& item : menu)
        EXPECT_NE(item.id, (UINT_PTR)SC_MOVE);
    EXPECT_EQ(sim::IconResource(sim::WindowIcon(dlg, true)), IDI_WHEELS);
    EXPECT_EQ(sim::IconResource(sim::WindowIcon(dlg, false)), IDI_WHEELS);
}

TEST_F(GameTest, TheLevelBoxesActAsAPair) {
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));
    sim::ScheduleClick(0, IDC_CHALLENGING);
    sim::ScheduleClick(10, IDC_CHALLENGING); // clicking the checked one keeps it
    sim::RunUntilIdle();
    EXPECT_EQ(sim::Check(IDC_CHALLENGING), 1);
    EXPECT_EQ(sim::Check(IDC_EASY), 0);
    ExpectDelays(dlg, kChallengingDelays);

    sim::ScheduleClick(20, IDC_EASY);
    sim::ScheduleClick(30, IDC_EASY);
    sim::RunUntilIdle();
    EXPECT_EQ(sim::Check(IDC_EASY), 1);
    EXPECT_EQ(sim::Check(IDC_CHALLENGING), 0);
    ExpectDelays(dlg, kEasyDelays);
}

// Once the numbers are drawn the boxes are disabled; a click delivered anyway,
// to either box in either level, unchecks both and keeps the speeds.
TEST_F(GameTest, ALevelClickDuringAGameUnchecksBothAndKeepsTheSpeeds) {
    for (int level : {IDC_EASY, IDC_CHALLENGING})
        for (int click : {IDC_EASY, IDC_CHALLENGING}) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", click " << click);
            sim::Reset();
            CWheelsDlg dlg;
            ASSERT_TRUE(sim::Open(dlg));
            sim::ScheduleClick(0, level);
            sim::ScheduleClick(10, IDC_GET_LUCKY);
            sim::RunUntilIdle();
            for (int id : kSettingsControls)
                EXPECT_FALSE(sim::IsEnabled(id));
            Deliver(dlg, click);
            EXPECT_EQ(sim::Check(IDC_EASY), 0);
            EXPECT_EQ(sim::Check(IDC_CHALLENGING), 0);
            ExpectDelays(dlg, level == IDC_EASY ? kEasyDelays : kChallengingDelays);
        }
}

// "Try Again" keeps the level and the game type chosen before the game.
TEST_F(GameTest, TheResetKeepsTheLevelAndTheGameType) {
    for (int type : {IDC_POWER, IDC_MEGA}) {
        SCOPED_TRACE(type);
        sim::Reset();
        CWheelsDlg dlg;
        ASSERT_TRUE(sim::Open(dlg));
        sim::ScheduleClick(0, IDC_CHALLENGING);
        sim::ScheduleClick(10, type);
        sim::ScheduleClick(20, IDC_GET_LUCKY);
        sim::RunUntilIdle();
        const int mainMax = dlg.m_nMainMax, bonusMax = dlg.m_nBonusMax;
        Deliver(dlg, IDOK);
        EXPECT_EQ(sim::Text(IDC_LUCKY1), "0");
        EXPECT_EQ(sim::Check(type), 1);
        EXPECT_EQ(sim::Check(IDC_SUPER), 0);
        EXPECT_EQ(sim::Check(IDC_CHALLENGING), 1);
        EXPECT_EQ(sim::Check(IDC_EASY), 0);
        ExpectDelays(dlg, kChallengingDelays);
        EXPECT_EQ(dlg.m_nMainMax, mainMax);
        EXPECT_EQ(dlg.m_nBonusMax, bonusMax);
    }
}

TEST_F(GameTest, TheGameTypeAtTheDrawDecidesTheRanges) {
    struct Case {
        int radio, mainMax, bonusMax;
    };
    for (const Case& c :
         {Case{IDC_SUPER, 47, 27}, Case{IDC_POWER, 59, 35}, Case{IDC_MEGA, 75, 15}}) {
        SCOPED_TRACE(c.radio);
        sim::Reset();
        CWheelsDlg dlg;
        ASSERT_TRUE(sim::Open(dlg));
        sim::ScheduleClick(0, IDC_MEGA); // changed mind before the draw
        sim::ScheduleClick(10, c.radio);
        sim::RunUntilIdle();

        std::set<int> mainSeen, bonusSeen;
        for (int game = 0; game < 300; ++game) {
            sim::SetEpoch(sim::kDefaultEpoch + game);
            sim::ScheduleClick(sim::Now(), IDC_GET_LUCKY);
            sim::RunUntilIdle();
            for (int w = 0; w < kMainWheelCount; ++w) {
                ASSERT_GE(dlg.m_nLucky[w], 1);
                ASSERT_LE(dlg.m_nLucky[w], c.mainMax);
                if (w > 0) {
                    ASSERT_LT(dlg.m_nLucky[w - 1], dlg.m_nLucky[w]); // distinct, ascending
                }
                mainSeen.insert(dlg.m_nLucky[w]);
                EXPECT_EQ(sim::Text(kWheels[w].luckyBox), std::to_string(dlg.m_nLucky[w]));
            }
            ASSERT_GE(dlg.m_nLucky[kWheelB], 1);
            ASSERT_LE(dlg.m_nLucky[kWheelB], c.bonusMax);
            bonusSeen.insert(dlg.m_nLucky[kWheelB]);
            dlg.ResetGame();
        }
        // Every number of the range turns up, the highest included.
        EXPECT_EQ((int)mainSeen.size(), c.mainMax);
        EXPECT_EQ((int)bonusSeen.size(), c.bonusMax);
    }
}

TEST_F(GameTest, TheDrawSeedsFromTheSecondAndHappensOncePerGame) {
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));
    sim::ScheduleClick(100, IDC_GET_LUCKY);
    sim::RunUntilIdle();
    const std::vector<int> first(dlg.m_nLucky, dlg.m_nLucky + kWheelCount);
    EXPECT_EQ(sim::Seeds(), std::vector<unsigned>{unsigned(sim::kDefaultEpoch)});
    EXPECT_TRUE(sim::IsEnabled(IDC_SPIN1));
    EXPECT_FALSE(sim::IsEnabled(IDC_GET_LUCKY));
    EXPECT_FALSE(sim::IsEnabled(IDOK));

    // A second click delivered within the game changes nothing.
    Deliver(dlg, IDC_GET_LUCKY);
    EXPECT_EQ(std::vector<int>(dlg.m_nLucky, dlg.m_nLucky + kWheelCount), first);
    EXPECT_EQ(sim::Seeds().size(), 1u);

    // A new game in the same second repeats the numbers.
    dlg.ResetGame();
    sim::ScheduleClick(900, IDC_GET_LUCKY);
    sim::RunUntilIdle();
    EXPECT_EQ(std::vector<int>(dlg.m_nLucky, dlg.m_nLucky + kWheelCount), first);
}

// The numbers a draw shows when the generator holds back usable values: each
// number is given up to 32,767 values, and a number that none of them fits
// becomes the smallest one that does.
TEST_F(GameTest, TheDrawTakesUpTo32767ValuesPerNumberThenTheSmallestThatFits) {
    const int limit = 32767;
    struct Case {
        int firstUsableAt; // the attempt at which 40, then 7 for the bonus, is offered
        std::vector<int> shown;
    };
    // Offered on the last attempt, 40 and 7 are taken. One later, the first
    // number and the bonus become 1, and the 40 goes to the second number.
    for (const Case& c :
         {Case{limit, {10, 20, 30, 40, 45, 7}}, Case{limit + 1, {1, 10, 20, 30, 40, 1}}}) {
        SCOPED_TRACE(c.firstUsableAt);
        std::vector<int> values(c.firstUsableAt - 1, 0);
        values.push_back(40);
        values.insert(values.end(), {10, 20, 30, 45});
        values.insert(values.end(), c.firstUsableAt - 1, 40000);
        values.push_back(7);
        sim::Reset();
        CWheelsDlg dlg;
        ASSERT_TRUE(sim::Open(dlg));
        RandomValues(values);
        Deliver(dlg, IDC_GET_LUCKY);
        for (int w = 0; w < kWheelCount; ++w)
            EXPECT_EQ(sim::Text(kWheels[w].luckyBox), std::to_string(c.shown[w])) << w;
    }

    // A generator stuck on 3: the main numbers still come out distinct, and
    // an out-of-range bonus still becomes a number the wheel can stop on.
    sim::Reset();
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));
    std::vector<int> stuck(1 + 4 * limit, 3);
    stuck.insert(stuck.end(), limit, 40000);
    RandomValues(stuck);
    Deliver(dlg, IDC_GET_LUCKY);
    EXPECT_EQ(std::vector<int>(dlg.m_nLucky, dlg.m_nLucky + kWheelCount),
              (std::vector<int>{1, 2, 3, 4, 5, 1}));
}

} // namespace

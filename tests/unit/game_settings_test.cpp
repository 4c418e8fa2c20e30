// Opening a game window, choosing the game type and level, and the draw.
#include <set>

#include "app/wheels_app.h"
#include "game_support.h"

namespace {

constexpr int kEasyDelays[] = {400, 330, 270, 250, 230, 200};
constexpr int kChallengingDelays[] = {230, 210, 190, 160, 130, 100};

std::vector<int> Delays(const CWheelsDlg& dlg) {
    std::vector<int> delays;
    for (int w = 0; w < kWheelCount; ++w)
        delays.push_back(dlg.m_nDelay[w]);
    return delays;
}
std::vector<int> Delays(int level) {
    const int* d = level == IDC_EASY ? kEasyDelays : kChallengingDelays;
    return std::vector<int>(d, d + kWheelCount);
}

// The check marks of the given boxes, as a string: "10" for the first checked.
std::string Checks(std::initializer_list<int> ids, const CWnd* window = nullptr) {
    std::string marks;
    for (int id : ids)
        marks += char('0' + sim::Check(id, window));
    return marks;
}

TEST_F(GameTest, TheApplicationRunsOneGameWindowAndReturnsFalse) {
    EXPECT_FALSE(theApp.InitInstance());
    ASSERT_EQ(sim::ModalRuns().size(), 1u);
    EXPECT_EQ(sim::ModalRuns()[0].templateId, (UINT)IDD_WHEELS);
    EXPECT_EQ(sim::LiveImageLists() + sim::LiveBitmaps(), 0);
}

TEST_F(GameTest, AFreshWindowOffersOnlyTheDrawTheSettingsAndExit) {
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));
    for (const WheelControls& wheel : kWheels) {
        EXPECT_EQ(sim::Text(wheel.luckyBox), "0");
        EXPECT_FALSE(sim::IsEnabled(wheel.spin) || sim::IsEnabled(wheel.stop));
    }
    for (int id :
         {IDC_GET_LUCKY, IDC_EASY, IDC_CHALLENGING, IDC_SUPER, IDC_POWER, IDC_MEGA, IDCANCEL})
        EXPECT_TRUE(sim::IsEnabled(id)) << id;
    EXPECT_FALSE(sim::IsEnabled(IDOK));
    EXPECT_EQ(Checks({IDC_EASY, IDC_CHALLENGING, IDC_SUPER, IDC_POWER, IDC_MEGA}), "10100");
    EXPECT_EQ(Delays(dlg), Delays(IDC_EASY));
    EXPECT_EQ(std::make_pair(dlg.m_nMainMax, dlg.m_nBonusMax), std::make_pair(47, 27));
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

// Before a game the level boxes act as a pair, and a click on the checked one
// keeps it. Once the numbers are drawn the boxes are disabled; a click
// delivered anyway, to either box in either level, unchecks both and keeps
// the speeds.
TEST_F(GameTest, TheLevelBoxesActAsAPairUntilAGameWhereAClickUnchecksBoth) {
    for (int level : {IDC_CHALLENGING, IDC_EASY})
        for (int click : {IDC_EASY, IDC_CHALLENGING}) {
            SCOPED_TRACE(testing::Message() << "level " << level << ", click " << click);
            sim::Reset();
            CWheelsDlg dlg;
            ASSERT_TRUE(sim::Open(dlg));
            sim::ScheduleClick(0, IDC_CHALLENGING);
            sim::ScheduleClick(5, level);
            sim::ScheduleClick(10, level);
            sim::RunUntilIdle();
            EXPECT_EQ(Checks({IDC_EASY, IDC_CHALLENGING}), level == IDC_EASY ? "10" : "01");
            EXPECT_EQ(Delays(dlg), Delays(level));
            sim::ScheduleClick(20, IDC_GET_LUCKY);
            sim::RunUntilIdle();
            for (int id : kSettingsControls)
                EXPECT_FALSE(sim::IsEnabled(id));
            Deliver(dlg, click);
            EXPECT_EQ(Checks({IDC_EASY, IDC_CHALLENGING}), "00");
            EXPECT_EQ(Delays(dlg), Delays(level));
        }
}

// "Try Again" keeps the level and the game type chosen before the game.
TEST_F(GameTest, TheResetKeepsTheLevelAndTheGameType) {
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));
    sim::ScheduleClick(0, IDC_CHALLENGING);
    sim::ScheduleClick(10, IDC_POWER);
    sim::ScheduleClick(20, IDC_GET_LUCKY);
    sim::RunUntilIdle();
    Deliver(dlg, IDOK);
    EXPECT_EQ(sim::Text(IDC_LUCKY1), "0");
    EXPECT_EQ(Checks({IDC_EASY, IDC_CHALLENGING, IDC_SUPER, IDC_POWER, IDC_MEGA}), "01010");
    EXPECT_EQ(Delays(dlg), Delays(IDC_CHALLENGING));
    EXPECT_EQ(std::make_pair(dlg.m_nMainMax, dlg.m_nBonusMax), std::make_pair(59, 35));
}

// Over many games every number of the type's ranges turns up, the highest
// included, the main numbers distinct and ascending.
TEST_F(GameTest, TheGameTypeAtTheDrawDecidesTheRanges) {
    for (auto [radio, mainMax, bonusMax] :
         {std::tuple{IDC_SUPER, 47, 27}, {IDC_POWER, 59, 35}, {IDC_MEGA, 75, 15}}) {
        SCOPED_TRACE(radio);
        sim::Reset();
        CWheelsDlg dlg;
        ASSERT_TRUE(sim::Open(dlg));
        sim::ScheduleClick(0, IDC_MEGA); // changed mind before the draw
        sim::ScheduleClick(10, radio);
        sim::RunUntilIdle();
        std::set<int> mainSeen, bonusSeen;
        for (int game = 0; game < 300; ++game) {
            sim::SetEpoch(sim::kDefaultEpoch + game);
            sim::ScheduleClick(sim::Now(), IDC_GET_LUCKY);
            sim::RunUntilIdle();
            for (int w = 0; w < kWheelCount; ++w) {
                const int lowest = w == 0 || w == kWheelB ? 1 : dlg.m_nLucky[w - 1] + 1;
                ASSERT_GE(dlg.m_nLucky[w], lowest);
                ASSERT_LE(dlg.m_nLucky[w], w == kWheelB ? bonusMax : mainMax);
                EXPECT_EQ(sim::Text(kWheels[w].luckyBox), std::to_string(dlg.m_nLucky[w]));
                (w == kWheelB ? bonusSeen : mainSeen).insert(dlg.m_nLucky[w]);
            }
            dlg.ResetGame();
        }
        EXPECT_EQ((int)mainSeen.size(), mainMax);
        EXPECT_EQ((int)bonusSeen.size(), bonusMax);
    }
}

TEST_F(GameTest, TheDrawSeedsFromTheSecondAndHappensOncePerGame) {
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));
    sim::ScheduleClick(100, IDC_GET_LUCKY);
    sim::RunUntilIdle();
    const std::vector<int> first = Lucky(dlg);
    EXPECT_EQ(sim::Seeds(), std::vector<unsigned>{unsigned(sim::kDefaultEpoch)});
    EXPECT_TRUE(sim::IsEnabled(IDC_SPIN1));
    EXPECT_FALSE(sim::IsEnabled(IDC_GET_LUCKY) || sim::IsEnabled(IDOK));

    // A second click delivered within the game changes nothing.
    Deliver(dlg, IDC_GET_LUCKY);
    EXPECT_EQ(Lucky(dlg), first);
    EXPECT_EQ(sim::Seeds().size(), 1u);

    // A new game in the same second repeats the numbers.
    dlg.ResetGame();
    sim::ScheduleClick(900, IDC_GET_LUCKY);
    sim::RunUntilIdle();
    EXPECT_EQ(Lucky(dlg), first);
}

// The numbers a draw shows when the generator holds back usable values: each
// number is given up to 32,767 values, and a number that none of them fits
// becomes the smallest one that does.
TEST_F(GameTest, TheDrawTakesUpTo32767ValuesPerNumberThenTheSmallestThatFits) {
    const int limit = 32767;
    auto drawn = [](const std::vector<int>& values) {
        sim::Reset();
        CWheelsDlg dlg;
        EXPECT_TRUE(sim::Open(dlg));
        RandomValues(values);
        Deliver(dlg, IDC_GET_LUCKY);
        return Lucky(dlg);
    };
    // Offered on the last attempt, 40 and 7 are taken. One later, the first
    // number and the bonus become 1, and the 40 goes to the second number.
    for (int usableAt : {limit, limit + 1}) {
        std::vector<int> values(usableAt - 1, 0);
        values.insert(values.end(), {40, 10, 20, 30, 45});
        values.insert(values.end(), usableAt - 1, 40000);
        values.push_back(7);
        EXPECT_EQ(drawn(values), (usableAt == limit ? std::vector<int>{10, 20, 30, 40, 45, 7}
                                                    : std::vector<int>{1, 10, 20, 30, 40, 1}));
    }
    // A generator stuck on 3: the main numbers still come out distinct, and
    // an out-of-range bonus still becomes a number the wheel can stop on.
    std::vector<int> stuck(1 + 4 * limit, 3);
    stuck.insert(stuck.end(), limit, 40000);
    EXPECT_EQ(drawn(stuck), (std::vector<int>{1, 2, 3, 4, 5, 1}));
}

} // namespace

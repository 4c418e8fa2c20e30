// The reel strips and the other image lists, and what a paint draws.
#include "game_support.h"
#include "gfx/tile_ids.h"

namespace {

TEST_F(GameTest, EveryStripAlternatesItsBlankWithTheNumbersInOrder) {
    CWheelsDlg dlg;
    EXPECT_EQ(sim::BitmapsLoaded(), 1966);
    EXPECT_EQ(sim::LiveBitmaps(), 0);
    EXPECT_EQ(sim::LiveImageLists(), 20);

    struct Case {
        int type, highest, bonusHighest;
    };
    for (const Case& c : {Case{kSuper, 47, 27}, Case{kPower, 59, 35}, Case{kMega, 75, 15}}) {
        for (int w = 0; w < kWheelCount; ++w) {
            SCOPED_TRACE(testing::Message() << "type " << c.type << " wheel " << w + 1);
            const CImageList* strip = dlg.Strip(c.type, w);
            ASSERT_NE(strip, nullptr);
            const sim::ImageListInfo info = sim::DescribeImageList(*strip);
            EXPECT_EQ(std::make_pair(info.cx, info.cy), std::make_pair(72, 72));
            const int n = w == kWheelB ? c.bonusHighest : c.highest;
            ASSERT_EQ((int)info.images.size(), 2 * n);
            // Blank, 1, blank, 2 ...: each number's tile, the one that shows it
            // (the art tests read the number from each tile's pixels).
            const int blank = w == kWheelB ? IDB_BONUS_BLANK : IDB_MAIN_BLANK;
            for (int k = 0; k < n; ++k) {
                ASSERT_EQ(info.images[2 * k].resourceId, blank) << k;
                ASSERT_EQ(info.images[2 * k + 1].resourceId,
                          w == kWheelB ? BonusTileId(k + 1) : MainTileId(k + 1))
                    << k + 1;
            }
            for (const sim::ImageInfo& image : info.images)
                ASSERT_EQ(image.mask, RGB(255, 255, 255));
        }
    }
    EXPECT_EQ(dlg.Strip(3, 0), nullptr);
    EXPECT_EQ(dlg.Strip(-1, 0), nullptr);
    // The felt and the banner: one image each, masked on black.
    for (auto [list, cx, cy, id] : {std::tuple{&dlg.m_ilBackground, 930, 430, IDB_FELT},
                                    std::tuple{&dlg.m_ilBanner, 504, 252, IDB_BANNER}}) {
        const sim::ImageListInfo info = sim::DescribeImageList(*list);
        EXPECT_EQ(std::make_pair(info.cx, info.cy), std::make_pair(cx, cy));
        ASSERT_EQ(info.images.size(), 1u);
        EXPECT_EQ(std::make_pair(info.images[0].resourceId, info.images[0].mask),
                  std::make_pair(id, RGB(0, 0, 0)));
    }
}

TEST_F(GameTest, APaintDrawsTheFeltThenTheSixWheelsOfTheGameType) {
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));
    sim::SchedulePaint(0);
    sim::ScheduleClick(10, IDC_MEGA); // changes no wheel until the next paint
    sim::SchedulePaint(20);
    sim::RunUntilIdle();

    const std::vector<sim::DrawCall>& log = sim::DrawLog();
    ASSERT_EQ(log.size(), 14u);
    for (int paint = 0; paint < 2; ++paint) {
        const sim::DrawCall* calls = &log[7 * paint];
        EXPECT_EQ(calls[0].controlId, IDC_BACKGROUND);
        EXPECT_EQ(calls[0].list, &dlg.m_ilBackground);
        for (int w = 0; w < kWheelCount; ++w)
            EXPECT_EQ(std::make_tuple(calls[1 + w].controlId, calls[1 + w].list, calls[1 + w].image,
                                      calls[1 + w].x, calls[1 + w].y),
                      std::make_tuple(kWheels[w].picture, dlg.Strip(paint == 0 ? kSuper : kMega, w),
                                      0, 0, 0));
    }
    EXPECT_EQ(sim::LiveSurfaces(), 0);
    EXPECT_EQ(sim::SurfacesTaken(), 14);

    // A game type the tables do not know draws no wheel.
    sim::ClearDrawLog();
    dlg.m_nGameType = 5;
    sim::SchedulePaint(30);
    sim::RunUntilIdle();
    ASSERT_EQ(sim::DrawLog().size(), 1u);
    EXPECT_EQ(sim::DrawLog()[0].controlId, IDC_BACKGROUND);

    // Minimised, only the icon, centred in the client area.
    sim::ClearDrawLog();
    sim::SetIconic(dlg, true);
    sim::SchedulePaint(40);
    sim::RunUntilIdle();
    ASSERT_EQ(sim::DrawLog().size(), 1u);
    const sim::DrawCall& icon = sim::DrawLog()[0];
    EXPECT_EQ(std::make_tuple(icon.icon, icon.x, icon.y),
              std::make_tuple(dlg.m_hIcon, (950 - 32 + 1) / 2, (448 - 32 + 1) / 2));
    EXPECT_EQ(sim::LiveSurfaces(), 0);
}

TEST_F(GameTest, LabelsAndNumberBoxesStandOnAGoldenBand) {
    CWheelsDlg dlg;
    ASSERT_TRUE(sim::Open(dlg));
    for (int id : {IDC_LUCKY1, IDC_LUCKYB, IDC_EASY, IDOK, 0})
        EXPECT_EQ(sim::RequestCtlColor(id), RGB(230, 204, 60)) << id;
}

} // namespace

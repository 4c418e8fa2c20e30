// The twenty image lists of a game window: eighteen reel strips, the felt
// and the banner, copied once from the bitmap resources.
#include "game/wheels_dlg.h"
#include "gfx/tile_ids.h"
#include "res/resource.h"

namespace {

const COLORREF kStripMask = RGB(255, 255, 255);
const COLORREF kPictureMask = RGB(0, 0, 0);

constexpr int kTileSize = 72;

// The strip of each game type and wheel.
CImageList CWheelsDlg::*const kStripGrid[kGameTypeCount][kWheelCount] = {
    {&CWheelsDlg::m_ilSuper1, &CWheelsDlg::m_ilSuper2, &CWheelsDlg::m_ilSuper3,
     &CWheelsDlg::m_ilSuper4, &CWheelsDlg::m_ilSuper5, &CWheelsDlg::m_ilSuperB},
    {&CWheelsDlg::m_ilPower1, &CWheelsDlg::m_ilPower2, &CWheelsDlg::m_ilPower3,
     &CWheelsDlg::m_ilPower4, &CWheelsDlg::m_ilPower5, &CWheelsDlg::m_ilPowerB},
    {&CWheelsDlg::m_ilMega1, &CWheelsDlg::m_ilMega2, &CWheelsDlg::m_ilMega3, &CWheelsDlg::m_ilMega4,
     &CWheelsDlg::m_ilMega5, &CWheelsDlg::m_ilMegaB},
};

} // namespace

CImageList* CWheelsDlg::Strip(int gameType, int wheel) {
    if (gameType < 0 || gameType >= kGameTypeCount || wheel < 0 || wheel >= kWheelCount)
        return nullptr;
    return &(this->*kStripGrid[gameType][wheel]);
}

// Each list is created and filled before the next one is created.
void CWheelsDlg::BuildImageLists() {
    for (int type = 0; type < kGameTypeCount; ++type) {
        for (int w = 0; w < kWheelCount; ++w) {
            const int highest = w == kWheelB ? kGameTypes[type].bonusMax : kGameTypes[type].mainMax;
            BuildStrip(*Strip(type, w), w, highest);
        }
    }
    // The banner bitmap is 253 rows high, one more than this frame: only the
    // frame is drawn, so its bottom row never shows. (The felt's 430 rows
    // likewise run one past IDC_BACKGROUND, 429 pixels at the window's scale.)
    m_ilBackground.Create(930, 430, ILC_COLOR24, 1, 1);
    AddStripFrame(m_ilBackground, kPictureMask, IDB_FELT);
    m_ilBanner.Create(504, 252, ILC_COLOR24, 1, 1);
    AddStripFrame(m_ilBanner, kPictureMask, IDB_BANNER);
}

// Blank, 1, blank, 2 ... blank, highest: frame 2k is a blank and frame
// 2k + 1 shows k + 1.
void CWheelsDlg::BuildStrip(CImageList& strip, int wheel, int highest) {
    const bool bonus = wheel == kWheelB;
    strip.Create(kTileSize, kTileSize, ILC_COLOR24, 2, 1);
    for (int n = 1; n <= highest; ++n) {
        AddStripFrame(strip, kStripMask, bonus ? IDB_BONUS_BLANK : IDB_MAIN_BLANK);
        AddStripFrame(strip, kStripMask, bonus ? BonusTileId(n) : MainTileId(n));
    }
}

// The loaded bitmap lives only for this one add; the list keeps a copy.
bool CWheelsDlg::AddStripFrame(CImageList& list, COLORREF mask, int resourceId) {
    const HBITMAP loaded =
        AfxLoadBitmap(AfxFindResourceHandle(resourceId, AFX_RT_BITMAP), resourceId);
    if (!loaded)
        return false;
    CBitmap bitmap;
    bitmap.Attach(loaded);
    list.Add(&bitmap, mask);
    bitmap.DeleteObject();
    return true;
}

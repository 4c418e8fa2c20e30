// Six matches: the banner hops over the window, the matched numbers come
// back on the wheels, and the end-of-game dialog offers a new game.
#include "app/play_again_dlg.h"
#include "game/wheels_dlg.h"
#include "res/resource.h"

namespace {

struct BannerStation {
    int x, y;   // top-left corner, in pixels of the banner area
    DWORD rest; // milliseconds it stays there
};

const BannerStation kBannerStations[] = {
    {10, 70, 2000}, {260, -65, 2000}, {400, 60, 2000}, {260, 90, 2000}, {260, 40, 3000},
};

} // namespace

// No message is handled from here until the end-of-game dialog opens: the
// window shows what was last drawn and does not answer input.
void CWheelsDlg::WinGame() {
    AfxSleep(1000);
    PaintBackground();
    ShowWinBanner();
    FinishGame();
}

void CWheelsDlg::ShowWinBanner() {
    bool first = true;
    for (const BannerStation& station : kBannerStations) {
        if (!first)
            PaintBackground(); // wipes the previous station
        first = false;
        DrawOnControl(IDC_BANNER_AREA, [&](CDC* dc) {
            m_ilBanner.Draw(dc, m_nBannerFrame, POINT{station.x, station.y}, ILD_NORMAL);
        });
        AfxSleep(station.rest);
    }
}

void CWheelsDlg::FinishGame() {
    PaintBackground();
    for (int w = 0; w < kWheelCount; ++w) {
        m_nFrame[w] = (int)(2 * m_fStopValue[w] - 1); // the frame of the matched number
        PaintWheel(w);
    }

    CPlayAgainDlg playAgain;
    const INT_PTR choice = playAgain.DoModal();
    if (choice == IDOK) {
        // A brand-new game runs over this one, which stays beneath it,
        // disabled, showing its numbers.
        CWheelsDlg nextGame;
        nextGame.DoModal();
    } else if (choice == IDCANCEL) {
        OnCancel();
    }
}

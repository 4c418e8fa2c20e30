// Painting the felt and the wheels, and the window's other display duties.
#include "game/wheels_dlg.h"
#include "res/resource.h"

// The band behind the text of the window's labels and number boxes.
static const COLORREF kTextBand = RGB(230, 204, 60);

void CWheelsDlg::DrawWheel(int wheel, CDC* pDC) {
    CImageList* strip = Strip(m_nGameType, wheel);
    if (!strip)
        return;
    strip->Draw(pDC, m_nFrame[wheel], POINT{0, 0}, ILD_NORMAL);
}

void CWheelsDlg::DrawBackground(CDC* pDC) {
    m_ilBackground.Draw(pDC, m_nBackgroundFrame, POINT{0, 0}, ILD_NORMAL);
}

void CWheelsDlg::PaintWheel(int wheel) {
    DrawOnControl(kWheels[wheel].picture, [&](CDC* dc) { DrawWheel(wheel, dc); });
}

void CWheelsDlg::PaintBackground() {
    DrawOnControl(IDC_BACKGROUND, [&](CDC* dc) { DrawBackground(dc); });
}

void CWheelsDlg::OnPaint() {
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
        const int cxIcon = AfxGetSystemMetrics(SM_CXICON);
        const int cyIcon = AfxGetSystemMetrics(SM_CYICON);
        RECT rect;
        GetClientRect(&rect);
        const int x = (int)(rect.right - rect.left - cxIcon + 1) / 2;
        const int y = (int)(rect.bottom - rect.top - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
        return;
    }
    // The dialog paints its own background first; the felt and the wheels
    // go on top, and the controls draw themselves over them.
    Default();
    PaintBackground();
    for (int w = 0; w < kWheelCount; ++w)
        PaintWheel(w);
}

HCURSOR CWheelsDlg::OnQueryDragIcon() {
    return (HCURSOR)m_hIcon;
}

HBRUSH CWheelsDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkColor(kTextBand);
    return brush;
}

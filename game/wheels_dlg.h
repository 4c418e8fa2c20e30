// The game window: the record of one game, its pictures and its handlers.
#pragma once

#include "fw/afxwin.h"
#include "game/wheel_table.h"

// Per-wheel values kept from wheel B down to wheel 1, indexed by wheel
// (0 for wheel 1 ... kWheelB). The game record declares these three
// fields in that order, wheel B first; the storage keeps the record's
// layout while the code indexes wheels as everywhere else.
template <class T> class WheelsFromB {
public:
    T& operator[](int wheel) { return m_values[kWheelCount - 1 - wheel]; }
    const T& operator[](int wheel) const { return m_values[kWheelCount - 1 - wheel]; }

private:
    T m_values[kWheelCount] = {};
};

class CWheelsDlg : public CDialog {
public:
    explicit CWheelsDlg(CWnd* pParent = nullptr);

    // The window is laid out at 8 x 17 pixel base units whatever the
    // platform's font: the pictures are drawn for the controls at that
    // scale (a wheel, 36 x 34 units, is 72 x 72 pixels).
    static constexpr DialogScale kPictureScale{8, 17};

    // The record, in declaration order. Wheels are indexed 0 (wheel 1) to
    // kWheelB; the first values are set by the constructor and OnInitDialog.
    int m_nBonusMax = 0;
    int m_nMainMax = 0;
    bool m_bInProgress = false; // numbers drawn, no reset since: locks the level
    WheelsFromB<int> m_nDelay;
    WheelsFromB<bool> m_bArmed; // the wheel may spin, and spins while set
    WheelsFromB<float> m_fStopValue;
    int m_nFrame[kWheelCount] = {};
    int m_nBackgroundFrame = 0;
    int m_nBannerFrame = 0;
    bool m_bNumbersDrawn = false;

    CImageList m_ilSuper1;
    CImageList m_ilBackground;
    CImageList m_ilSuperB;
    CImageList m_ilBanner;
    CImageList m_ilSuper2;
    CImageList m_ilSuper3;
    CImageList m_ilSuper4;
    CImageList m_ilSuper5;
    CImageList m_ilPower1;
    CImageList m_ilPower2;
    CImageList m_ilPower3;
    CImageList m_ilPower4;
    CImageList m_ilPower5;
    CImageList m_ilPowerB;
    CImageList m_ilMega1;
    CImageList m_ilMega2;
    CImageList m_ilMega3;
    CImageList m_ilMega4;
    CImageList m_ilMega5;
    CImageList m_ilMegaB;

    int m_nLucky[kWheelCount] = {};
    BOOL m_bChallenging = FALSE;
    BOOL m_bEasy = FALSE;
    int m_nGameType = kSuper;
    HICON m_hIcon = nullptr;

    // The reel strip of a wheel for a game type; null for an unknown type.
    CImageList* Strip(int gameType, int wheel);

    // Painting onto a surface the caller provides.
    void DrawWheel(int wheel, CDC* pDC);
    void DrawBackground(CDC* pDC);

    // The "Try Again" reset.
    void ResetGame();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnGetLuckyNumbers();
    void OnSpin1() { SpinWheel(0); }
    void OnSpin2() { SpinWheel(1); }
    void OnSpin3() { SpinWheel(2); }
    void OnSpin4() { SpinWheel(3); }
    void OnSpin5() { SpinWheel(4); }
    void OnSpinB() { SpinWheel(kWheelB); }
    void OnStop1() { StopWheel(0); }
    void OnStop2() { StopWheel(1); }
    void OnStop3() { StopWheel(2); }
    void OnStop4() { StopWheel(3); }
    void OnStop5() { StopWheel(4); }
    void OnStopB() { StopWheel(kWheelB); }
    void OnEasy();
    void OnChallenging();
    void OnSuper() { SelectGameType(kSuper); }
    void OnPower() { SelectGameType(kPower); }
    void OnMega() { SelectGameType(kMega); }

    DECLARE_MESSAGE_MAP()

private:
    void SetUpWindow();
    void SelectGameType(int gameType);
    void LoadDelays(int level);
    void EnableControl(int nID, BOOL bEnable);
    void EnableSettings(BOOL bEnable);

    void BuildImageLists();
    void BuildStrip(CImageList& strip, int wheel, int highest);
    bool AddStripFrame(CImageList& list, COLORREF mask, int resourceId);

    void SpinWheel(int wheel);
    void StopWheel(int wheel);
    int Range(int wheel) const;

    void WinGame();
    void ShowWinBanner();
    void FinishGame();

    // Takes the surface of a control for one drawing and releases it.
    template <class Draw> void DrawOnControl(int nID, Draw draw) {
        CWnd* control = GetDlgItem(nID);
        if (!control)
            return;
        if (CDC* dc = control->GetDC()) {
            draw(dc);
            control->ReleaseDC(dc);
        }
    }
    void PaintWheel(int wheel);
    void PaintBackground();
};

// The spin and stop cycle of the six wheels, and the reset.
#include "game/wheels_dlg.h"
#include "res/resource.h"

int CWheelsDlg::Range(int wheel) const {
    return wheel == kWheelB ? m_nBonusMax : m_nMainMax;
}

// A spin is a loop inside the Spin click: it sleeps the wheel's delay, shows
// the next frame and handles at most one waiting message per frame. The Stop
// click runs from inside that loop and ends it by disarming the wheel.
void CWheelsDlg::SpinWheel(int wheel) {
    if (!m_bArmed[wheel])
        return;
    const WheelControls& controls = kWheels[wheel];
    for (;;) {
        EnableControl(controls.spin, FALSE);
        EnableControl(controls.stop, TRUE);
        // The position carries half a number per frame: a number frame
        // stops on that number, a blank half-way between two.
        float position = 0.0f;
        while (position < 2 * Range(wheel)) {
            if (!m_bArmed[wheel])
                break;
            AfxSleep(m_nDelay[wheel]);
            m_nFrame[wheel] = (int)position;
            position += 1.0f;
            m_fStopValue[wheel] = position * 0.5f;
            PaintWheel(wheel);
            AfxPumpWaitingMessage();
        }
        if (!m_bArmed[wheel])
            return;
        // The strip ran out: the drum wraps to its first blank and turns on.
    }
}

void CWheelsDlg::StopWheel(int wheel) {
    const WheelControls& controls = kWheels[wheel];
    m_bArmed[wheel] = false;
    EnableControl(controls.stop, FALSE);
    EnableControl(controls.spin, FALSE);

    if ((float)m_nLucky[wheel] != m_fStopValue[wheel]) {
        EnableControl(IDOK, TRUE);
        return;
    }
    if (wheel == kWheelB) {
        WinGame();
        return;
    }
    EnableControl(kWheels[wheel + 1].spin, TRUE);
    EnableControl(IDOK, FALSE);
    m_bArmed[wheel + 1] = true;
}

// "Try Again" leaves the game type, the level and its own state as they are.
void CWheelsDlg::ResetGame() {
    m_bNumbersDrawn = false;
    for (int w = 0; w < kWheelCount; ++w) {
        m_bArmed[w] = (w == 0);
        m_nLucky[w] = 0;
        m_fStopValue[w] = 0.0f;
        m_nFrame[w] = 0;
    }
    m_bInProgress = false;
    UpdateData(FALSE);

    EnableControl(IDC_GET_LUCKY, TRUE);
    for (const WheelControls& controls : kWheels) {
        EnableControl(controls.spin, FALSE);
        EnableControl(controls.stop, FALSE);
    }
    EnableSettings(TRUE);

    for (int w = 0; w < kWheelCount; ++w)
        PaintWheel(w);
}

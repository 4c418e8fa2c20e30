// Game type and play level: chosen before a game, locked during it.
#include "game/wheels_dlg.h"

void CWheelsDlg::SelectGameType(int gameType) {
    // The radio button has checked itself; the wheels take the new strips at
    // their next paint.
    m_nGameType = gameType;
    m_nMainMax = kGameTypes[gameType].mainMax;
    m_nBonusMax = kGameTypes[gameType].bonusMax;
}

void CWheelsDlg::LoadDelays(int level) {
    for (int w = 0; w < kWheelCount; ++w)
        m_nDelay[w] = kLevelDelays[level][w];
}

// The two check boxes act as a pair of radio buttons while no game is under
// way; during a game both end unchecked and the speeds stay.
void CWheelsDlg::OnEasy() {
    if (!m_bInProgress) {
        m_bEasy = TRUE;
        m_bChallenging = FALSE;
        LoadDelays(kEasy);
    } else {
        m_bEasy = FALSE;
        m_bChallenging = FALSE;
    }
    UpdateData(FALSE);
}

void CWheelsDlg::OnChallenging() {
    m_bEasy = FALSE;
    if (!m_bInProgress) {
        m_bChallenging = TRUE;
        LoadDelays(kChallenging);
    } else {
        m_bChallenging = FALSE;
    }
    UpdateData(FALSE);
}

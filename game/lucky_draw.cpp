// "Get Lucky Numbers": five distinct main numbers and a bonus number.
#include "game/lucky_draw.h"

#include "game/wheels_dlg.h"
#include "res/resource.h"

static bool Acceptable(int value, int highest, const int* taken, int takenCount) {
    if (value < 1 || value > highest)
        return false;
    for (int i = 0; i < takenCount; ++i) {
        if (taken[i] == value)
            return false;
    }
    return true;
}

int DrawNumber(int highest, const int* taken, int takenCount) {
    for (int attempt = 0; attempt < kMaxDrawAttempts; ++attempt) {
        const int candidate = AfxRand();
        if (Acceptable(candidate, highest, taken, takenCount))
            return candidate;
    }
    for (int value = 1; value <= highest; ++value) {
        if (Acceptable(value, highest, taken, takenCount))
            return value;
    }
    return highest; // not reached: every range holds more numbers than are drawn
}

void SortAscending(int* numbers, int count) {
    for (int j = 1; j < count; ++j) {
        for (int i = 0; i < j; ++i) {
            if (numbers[j] < numbers[i]) {
                const int smaller = numbers[j];
                numbers[j] = numbers[i];
                numbers[i] = smaller;
            }
        }
    }
}

void CWheelsDlg::OnGetLuckyNumbers() {
    if (m_bNumbersDrawn)
        return;

    // Seeded in whole seconds: two draws in the same second repeat.
    AfxSrand((unsigned)AfxTime());
    for (int w = 0; w < kMainWheelCount; ++w)
        m_nLucky[w] = DrawNumber(m_nMainMax, m_nLucky, w);
    // The bonus number may equal a main number.
    m_nLucky[kWheelB] = DrawNumber(m_nBonusMax, nullptr, 0);
    SortAscending(m_nLucky, kMainWheelCount);
    UpdateData(FALSE);

    m_bNumbersDrawn = true;
    EnableControl(IDC_SPIN1, TRUE);
    EnableControl(IDC_GET_LUCKY, FALSE);
    EnableControl(IDOK, FALSE);
    m_bInProgress = true;
    EnableSettings(FALSE);
}

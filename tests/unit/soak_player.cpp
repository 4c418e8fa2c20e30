// The soak tests' random player.
#include "game/wheels_dlg.h"
#include "res/resource.h"
#include "soak.h"

namespace soak {

namespace {

constexpr UINT kAboutCommand = 0x0010;
constexpr long long kWinPauseMs = 12000;

// Every control a click may aim at: the game window's, and with IDOK and
// IDCANCEL those of the two small dialogs. Ids a window lacks do nothing.
const int kClickable[] = {
    IDOK,      IDCANCEL,  IDC_GET_LUCKY, IDC_SPIN1,  IDC_SPIN2,       IDC_SPIN3,
    IDC_SPIN4, IDC_SPIN5, IDC_SPINB,     IDC_STOP1,  IDC_STOP2,       IDC_STOP3,
    IDC_STOP4, IDC_STOP5, IDC_STOPB,     IDC_EASY,   IDC_CHALLENGING, IDC_SUPER,
    IDC_POWER, IDC_MEGA,  IDC_LUCKY1,    IDC_LUCKYB, IDC_BACKGROUND,
};

const int kKeys[] = {
    VK_TAB,   VK_TAB | sim::kWithShift, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE, VK_RETURN,
    VK_ESCAPE};

UINT TemplateOf(const CWnd* window) {
    return window ? static_cast<const CDialog*>(window)->GetTemplateId() : 0;
}

int SpinningWheel(const CWnd* game) {
    for (int w = 0; w < kWheelCount; ++w)
        if (sim::IsEnabled(kWheels[w].stop, game))
            return w;
    return -1;
}

} // namespace

void RandomPlayer::OnTaking(const sim::TakenEvent& event) {
    ++m_taken;
    m_pumped = !event.dialogKeys;
    OnHandled();
}

void RandomPlayer::OnHandled() {
    if (sim::PendingEvents() != 0)
        return;
    if (m_taken < m_budget)
        Chance(m_calm ? 85 : 30) ? Purposeful() : Aimless();
    else if (TemplateOf(sim::Front()) == IDD_ABOUTBOX) // the end: the About box closed, then "Exit"
        sim::ScheduleKey(Soon(), VK_ESCAPE);
    else
        Click(IDCANCEL, false);
}

long long RandomPlayer::Soon() {
    const int kind = Pick(100);
    const int gap = kind < 40 ? Pick(30) : kind < 75 ? 30 + Pick(570) : 600 + Pick(3400);
    return sim::Now() + 1 + gap;
}

// A click is a press and a release; `apart` puts other input between them
// and sometimes lets the mouse go over another control.
void RandomPlayer::Click(int id, bool apart) {
    const long long at = Soon();
    sim::SchedulePress(at, id);
    long long releaseAt = at;
    int releaseId = id;
    if (apart) {
        releaseAt = at + 1 + Pick(800);
        sim::ScheduleBurst(at + 1 + Pick(int(releaseAt - at)), 1 + Pick(3));
        if (Chance(20))
            releaseId = AnyControl();
    }
    sim::ScheduleRelease(releaseAt, releaseId);
}

// The game window's next move, the About box closed one of its three ways,
// and mostly "Play Again" at the end of a game.
void RandomPlayer::Purposeful() {
    CDialog* front = sim::Front();
    switch (TemplateOf(front)) {
    case IDD_ABOUTBOX: {
        const int how = Pick(3);
        if (how == 0)
            Click(IDOK, false);
        else if (how == 1)
            sim::ScheduleKey(Soon(), VK_ESCAPE);
        else
            sim::ScheduleSysCommand(Soon(), SC_CLOSE); // the close box
        return;
    }
    case IDD_PLAYAGAIN:
        return Click(m_calm || Chance(85) ? IDOK : IDCANCEL, false);
    case IDD_WHEELS:
        break;
    default:
        return Aimless();
    }
    const int spinning = SpinningWheel(front);
    if (spinning >= 0) {
        if (!Chance(80) || !AimStop())
            Click(kWheels[spinning].stop, false);
        return;
    }
    for (const WheelControls& wheel : kWheels)
        if (sim::IsEnabled(wheel.spin, front))
            return Click(wheel.spin, Chance(10));
    if (sim::IsEnabled(IDC_GET_LUCKY, front))
        Click(Chance(25) ? kSettingsControls[Pick(5)] : IDC_GET_LUCKY, Chance(10));
    else if (sim::IsEnabled(IDOK, front))
        Click(IDOK, false);
    else
        Aimless();
}

// Schedules the Stop click that the spin judges on the wheel's lucky number:
// with nothing else queued, a click made while frame f shows is judged two
// frames on. Only from inside the spin loop, whose frames come every delay.
bool RandomPlayer::AimStop() {
    auto* dlg = static_cast<CWheelsDlg*>(sim::Front());
    const int w = SpinningWheel(dlg);
    if (!m_pumped || w < 0)
        return false;
    const int length = 2 * (w == kWheelB ? dlg->m_nBonusMax : dlg->m_nMainMax);
    const int target = 2 * dlg->m_nLucky[w] - 1;
    const int frames = ((target - dlg->m_nFrame[w] - 2) % length + length) % length;
    const long long at = sim::Now() + 1 + (long long)frames * dlg->m_nDelay[w];
    sim::ScheduleClick(at, kWheels[w].stop);
    // After the last stop, clicks on the game window during the win pause.
    for (int i = w == kWheelB ? Pick(3) : 0; i > 0; --i) {
        const long long during = at + 1 + Pick(int(kWinPauseMs));
        sim::ScheduleClick(during, AnyControl(), dlg);
    }
    return true;
}

int RandomPlayer::Pick(int count) {
    return int(m_random() % unsigned(count));
}

int RandomPlayer::AnyControl() {
    return kClickable[Pick(int(std::size(kClickable)))];
}

const CWnd* RandomPlayer::AnyWindow() {
    const std::vector<CDialog*> open = sim::OpenDialogs();
    return open.empty() ? nullptr : open[size_t(Pick(int(open.size())))];
}

// A paint request, or input for a named window, is dropped when its window
// closes first; a mouse move after it keeps the next step coming.
void RandomPlayer::Aimless() {
    const int kind = Pick(100);
    if (kind < 45) {
        int id = AnyControl();
        if (id == IDCANCEL && (m_calm || Chance(60)))
            id = IDC_BACKGROUND;
        Click(id, Chance(20));
    } else if (kind < 67) {
        int vk = kKeys[Pick(int(std::size(kKeys)))];
        const bool leaves = vk == VK_ESCAPE ||
                            ((vk == VK_SPACE || vk == VK_RETURN) && sim::FocusedId() == IDCANCEL);
        if (leaves && (m_calm || Chance(50)))
            vk = VK_TAB;
        sim::ScheduleKey(Soon(), vk);
    } else if (kind < 77) {
        const int what = Pick(m_calm ? 9 : 10);
        const long long at = Soon();
        sim::ScheduleSysCommand(at, what < 5   ? kAboutCommand | UINT(Pick(16))
                                    : what < 7 ? SC_MINIMIZE
                                    : what < 9 ? SC_RESTORE
                                               : SC_CLOSE);
    } else if (kind < 87) {
        const CWnd* window = AnyWindow();
        const long long at = Soon();
        sim::SchedulePaint(at, window);
        sim::ScheduleBurst(at + 1, 1);
    } else if (kind < 95) {
        const long long at = Soon();
        sim::ScheduleBurst(at, 1 + Pick(4));
    } else { // input for a window behind the one in front, which drops it
        const CWnd* window = AnyWindow();
        const int id = AnyControl();
        const long long at = Soon();
        sim::ScheduleClick(at, id, window);
        sim::ScheduleBurst(at + 1, 1);
    }
}

} // namespace soak

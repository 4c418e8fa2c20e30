// The rules the soak tests check after every event.
#include "soak.h"

#include <algorithm>
#include <bitset>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "game/wheels_dlg.h"
#include "res/resource.h"

namespace soak {

namespace {

constexpr int kListsPerGameWindow = 20;

bool IsGameWindow(const CWnd* window) {
    return window && static_cast<const CDialog*>(window)->GetTemplateId() == IDD_WHEELS;
}

// The enabled state of a game window's controls, as the state table sees it.
struct Enabled {
    bool getLucky = false, tryAgain = false;
    int spins = 0, stops = 0; // one bit per wheel
    int settingsOn = 0;       // how many of the five settings controls
};

Enabled EnabledOf(const CWnd* window) {
    Enabled e;
    e.getLucky = sim::IsEnabled(IDC_GET_LUCKY, window);
    e.tryAgain = sim::IsEnabled(IDOK, window);
    for (int w = 0; w < kWheelCount; ++w) {
        e.spins |= sim::IsEnabled(kWheels[w].spin, window) << w;
        e.stops |= sim::IsEnabled(kWheels[w].stop, window) << w;
    }
    for (int id : kSettingsControls)
        e.settingsOn += sim::IsEnabled(id, window);
    return e;
}

int Bits(int mask) {
    return int(std::bitset<kWheelCount>(unsigned(mask)).count());
}

std::string Describe(const Enabled& e) {
    std::ostringstream out;
    out << "Get Lucky " << e.getLucky << ", Try Again " << e.tryAgain << ", spins 0x" << std::hex
        << e.spins << ", stops 0x" << e.stops << std::dec << ", settings on " << e.settingsOn
        << "/5";
    return out.str();
}

// The rows of the state table: opened or reset (settings open, "Try Again"
// either way); drawn or a match (one Spin); spinning (one Stop); a miss or a
// won game (nothing but perhaps "Try Again").
std::string CheckRow(const CWheelsDlg& dlg, bool finished, bool inFront) {
    const Enabled e = EnabledOf(&dlg);
    const bool settingsOpen = e.settingsOn == 5;
    bool row = false;
    if (e.settingsOn == 0 || settingsOpen) {
        if (e.getLucky && settingsOpen)
            row = e.spins == 0 && e.stops == 0;
        else if (!e.getLucky && !settingsOpen)
            row = (Bits(e.spins) == 1 && e.stops == 0 && !e.tryAgain) ||
                  (e.spins == 0 && Bits(e.stops) == 1 && !e.tryAgain) ||
                  (e.spins == 0 && e.stops == 0);
    }
    if (!row)
        return "no row of the state table: " + Describe(e);
    const bool won = !e.getLucky && !e.tryAgain && !e.spins && !e.stops && !e.settingsOn;
    if (finished && !won)
        return "a finished window under a newer one is not in its won state: " + Describe(e);
    // After a win the end-of-game dialog or a newer game stands over the window.
    if (inFront && won)
        return "the window in front is locked as after a win: " + Describe(e);
    // A ready wheel is armed; a spinning one is armed until its Stop.
    const int ready = Bits(e.spins) == 1 ? __builtin_ctz(unsigned(e.spins)) : -1;
    if (ready >= 0 && !dlg.m_bArmed[ready])
        return "Spin " + std::to_string(ready + 1) + " is enabled for a wheel not armed";
    if (!sim::IsEnabled(IDCANCEL, &dlg))
        return "\"Exit\" is disabled";
    return {};
}

std::string CheckNumbers(const CWheelsDlg& dlg) {
    int shown[kWheelCount];
    bool zeros = true;
    for (int w = 0; w < kWheelCount; ++w) {
        const std::string text = sim::Text(kWheels[w].luckyBox, &dlg);
        char* end = nullptr;
        shown[w] = int(std::strtol(text.c_str(), &end, 10));
        if (text.empty() || *end)
            return "number box " + std::to_string(w + 1) + " shows \"" + text + "\"";
        zeros &= shown[w] == 0;
    }
    if (zeros)
        return {};
    const GameTypeRanges& ranges = kGameTypes[dlg.m_nGameType];
    std::ostringstream draw;
    for (int n : shown)
        draw << ' ' << n;
    for (int w = 0; w < kMainWheelCount; ++w)
        if (shown[w] < 1 || shown[w] > ranges.mainMax || (w > 0 && shown[w] <= shown[w - 1]))
            return "the number boxes show no valid draw:" + draw.str();
    if (shown[kWheelB] < 1 || shown[kWheelB] > ranges.bonusMax)
        return "the bonus box is out of range:" + draw.str();
    return {};
}

// The radio button checked is the game type the record plays.
std::string CheckGameType(const CWheelsDlg& dlg) {
    const int radios[] = {IDC_SUPER, IDC_POWER, IDC_MEGA};
    for (int type = 0; type < kGameTypeCount; ++type)
        if (sim::Check(radios[type], &dlg) != (type == dlg.m_nGameType))
            return "the game-type radios do not show game type " + std::to_string(dlg.m_nGameType);
    return {};
}

std::string CheckModalRuns(const std::vector<CDialog*>& open) {
    for (const sim::ModalRun& run : sim::ModalRuns())
        if (run.endMs < 0 && std::find(open.begin(), open.end(), run.dialog) == open.end())
            return "a modal run of template " + std::to_string(run.templateId) +
                   " neither ended nor runs";
    return {};
}

} // namespace

std::string CheckInvariants() {
    const std::vector<CDialog*> open = sim::OpenDialogs();
    int gameWindows = 0;
    for (size_t i = 0; i < open.size(); ++i) {
        if (!IsGameWindow(open[i]))
            continue;
        ++gameWindows;
        const auto& dlg = static_cast<const CWheelsDlg&>(*open[i]);
        bool newer = false;
        for (size_t j = i + 1; j < open.size(); ++j)
            newer |= IsGameWindow(open[j]);
        const std::string where = "game window " + std::to_string(gameWindows) + ": ";
        if (sim::IsWindowEnabled(dlg) != (i + 1 == open.size()))
            return where + (i + 1 == open.size() ? "disabled in front" : "enabled under another");
        for (const std::string& broken :
             {CheckRow(dlg, newer, i + 1 == open.size()), CheckNumbers(dlg), CheckGameType(dlg)})
            if (!broken.empty())
                return where + broken;
    }
    if (gameWindows == 0)
        return "no game window is open";
    if (sim::LiveSurfaces() != 0)
        return std::to_string(sim::LiveSurfaces()) + " drawing surfaces are held";
    if (sim::LiveBitmaps() != 0)
        return std::to_string(sim::LiveBitmaps()) + " bitmaps are held";
    if (sim::LiveImageLists() != kListsPerGameWindow * gameWindows)
        return std::to_string(sim::LiveImageLists()) + " image lists for " +
               std::to_string(gameWindows) + " game windows";
    return CheckModalRuns(open);
}

std::string CheckExit(const sim::TakenEvent& event, UINT templateId, int focused, int status) {
    if (status != 1)
        return "the process ended with status " + std::to_string(status);
    const bool leavable = templateId == IDD_WHEELS || templateId == IDD_PLAYAGAIN;
    bool cancel = false;
    switch (event.kind) {
    case sim::Taken::Release:
    case sim::Taken::Posted: // the close box's cancel command
        cancel = event.code == IDCANCEL;
        break;
    case sim::Taken::KeyDown: // the dialog keys, never inside a spin
        cancel = event.dialogKeys &&
                 (event.code == VK_ESCAPE || (event.code == VK_RETURN && focused == IDCANCEL));
        break;
    case sim::Taken::KeyUp: // Space on the focused button, the button's own key
        cancel = event.code == VK_SPACE && focused == IDCANCEL;
        break;
    default:
        break;
    }
    if (leavable && cancel)
        return {};
    std::ostringstream what;
    what << "the process ended on an event that is no way to leave: kind " << int(event.kind)
         << ", code " << event.code << ", template " << templateId
         << (event.dialogKeys ? ", in a modal loop" : ", in the spin loop's pump") << ", focus "
         << focused;
    return what.str();
}

} // namespace soak

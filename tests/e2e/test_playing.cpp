// Whole games played by the automated player: wins in a row, each with its
// banner, the end-of-game dialog and "Play Again"; a miss and "Try Again";
// the speed of each wheel at each level, as the player sees it turn.
#include "game_session.h"
#include "mouse_keys.h"
#include "player.h"
#include "player_win.h"
#include "test_runner.h"
#include "window_query.h"
#include "res/resource.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

using namespace e2e;

namespace {

constexpr DWORD kLeaveStatus = 1;
constexpr DWORD kWinTimeoutMs = 30000;
// The stop handler sleeps 1 s before the banner and the five stations take
// 11 s; the player's watch starts a little after the stop was taken.
constexpr double kEarliestBannerMs = 600;
constexpr double kEarliestDialogMs = 11000;
// Frame delays of wheels 1 to 5 and B, ms; the machine may be busy, so a
// wheel is only required to be within a fifth of its delay (wheels in the
// wrong order are off by a quarter or more on most of the wheels).
constexpr int kEasyFrameMs[kWheelCount] = {400, 330, 270, 250, 230, 200};
constexpr int kChallengingFrameMs[kWheelCount] = {230, 210, 190, 160, 130, 100};
constexpr double kSpeedTolerance = 0.2;

const char* const kEndOfGameQuestion =
    "Are these your Lucky numbers?   Maybe they are...you never know !!";
const char* const kEndOfGameHint =
    "Press  ' Play Again '  to start a new game.     Press  ' Exit '  to close.";

bool enabled(HWND window, int id) {
    return IsWindowEnabled(GetDlgItem(window, id)) != 0;
}

// The buttons, check boxes and radios of the game window, Exit aside.
std::vector<int> playControls() {
    std::vector<int> ids = {IDOK,      IDC_GET_LUCKY, IDC_EASY, IDC_CHALLENGING,
                            IDC_SUPER, IDC_POWER,     IDC_MEGA};
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        ids.push_back(wheelControls(wheel).spin);
        ids.push_back(wheelControls(wheel).stop);
    }
    return ids;
}

// Exactly the listed controls (and Exit) are enabled.
void expectOnlyEnabled(TestContext& t, HWND window, const std::vector<int>& wanted,
                       const char* when) {
    t.checkf(enabled(window, IDCANCEL), "%s: \"Exit\" is disabled", when);
    for (int id : playControls()) {
        bool expected = false;
        for (int w : wanted)
            expected |= w == id;
        t.checkf(enabled(window, id) == expected, "%s: control %d is %s", when, id,
                 expected ? "disabled" : "enabled");
    }
}

// Zeros in the boxes and the settings open; "Try Again" keeps its state
// through a reset.
void expectFreshGame(TestContext& t, HWND window, bool tryAgain, const char* when) {
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        const std::string text = windowText(GetDlgItem(window, wheelControls(wheel).numberBox));
        t.checkf(text == "0", "%s: number box %s shows \"%s\"", when, wheelName(wheel).c_str(),
                 text.c_str());
    }
    std::vector<int> wanted = {IDC_GET_LUCKY, IDC_EASY,  IDC_CHALLENGING,
                               IDC_SUPER,     IDC_POWER, IDC_MEGA};
    if (tryAgain)
        wanted.push_back(IDOK);
    expectOnlyEnabled(t, window, wanted, when);
}

std::string stationList(const std::vector<int>& stations) {
    std::string list;
    for (int station : stations)
        list += (list.empty() ? "" : ", ") + std::to_string(station + 1);
    return list.empty() ? "none" : list;
}

// Each wheel turned at its level's speed while the player matched it.
void expectWheelSpeeds(TestContext& t, const Player& player, const int (&frameMs)[kWheelCount],
                       const char* level) {
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        const double measured = player.frameMs(wheel);
        t.checkf(measured > 0 &&
                     std::fabs(measured - frameMs[wheel]) <= kSpeedTolerance * frameMs[wheel],
                 "%s: wheel %s turned a frame every %.0f ms, expected %d", level,
                 wheelName(wheel).c_str(), measured, frameMs[wheel]);
    }
}

void expectEndOfGameDialog(TestContext& t, HWND dialog, HWND game) {
    t.check(GetWindow(dialog, GW_OWNER) == game,
            "the end-of-game dialog is not owned by the game window");
    t.check(!IsWindowEnabled(game), "the game window stays enabled under the end-of-game dialog");
    const std::string playAgain = windowText(GetDlgItem(dialog, IDOK));
    const std::string exit = windowText(GetDlgItem(dialog, IDCANCEL));
    t.checkf(playAgain == "Play Again", "its OK button reads \"%s\"", playAgain.c_str());
    t.checkf(exit == "Exit", "its cancel button reads \"%s\"", exit.c_str());
    bool question = false;
    bool hint = false;
    for (HWND child : childWindows(dialog)) {
        const std::string text = windowText(child);
        question |= text == kEndOfGameQuestion;
        hint |= text == kEndOfGameHint;
    }
    t.checkf(question, "the dialog does not ask \"%s\"", kEndOfGameQuestion);
    t.checkf(hint, "the dialog does not say \"%s\"", kEndOfGameHint);
}

// Plays the window's game to a win at the given level, with a second and
// third game should the busy machine make the player miss, and checks each
// wheel's speed.
bool winAt(TestContext& t, Player& player, bool challenging) {
    constexpr int kAttempts = 3;
    if (challenging && !t.check(player.choose(IDC_CHALLENGING), player.error()))
        return false;
    if (!t.check(player.playToWin(kAttempts), player.error()))
        return false;
    if (player.misses() > 0)
        std::printf("    (won after %d missed games)\n", player.misses());
    expectWheelSpeeds(t, player, challenging ? kChallengingFrameMs : kEasyFrameMs,
                      challenging ? "Challenging" : "Easy");
    return true;
}

// The banner's stations and timing, the end-of-game dialog, and the wheels
// showing the numbers again.
HWND expectWinSequence(TestContext& t, HWND window, DWORD processId, const GameArt& art,
                       const Player& player) {
    const WinSighting seen = watchWin(window, processId, art, kWinTimeoutMs);
    t.checkf(seen.stations == std::vector<int>{0, 1, 2, 3, 4},
             "the banner showed whole at stations %s, expected 1 to 5 in turn",
             stationList(seen.stations).c_str());
    t.checkf(seen.stations.empty() || seen.firstBannerMs >= kEarliestBannerMs,
             "the banner came %.0f ms after the stop, before the pause", seen.firstBannerMs);
    HWND dialog = seen.endOfGameDialog;
    if (!t.checkf(dialog != nullptr, "no end-of-game dialog within %lu ms of the win",
                  static_cast<unsigned long>(kWinTimeoutMs)))
        return nullptr;
    t.checkf(seen.dialogMs >= kEarliestDialogMs,
             "the end-of-game dialog came %.0f ms after the stop, before the banner ended",
             seen.dialogMs);
    // The dialog stands over the lower part of some wheels.
    for (int wheel = 0; wheel < kWheelCount; ++wheel)
        t.checkf(player.showsNumber(wheel, player.lucky(wheel), dialog),
                 "after the banner wheel %s does not show its number %d", wheelName(wheel).c_str(),
                 player.lucky(wheel));
    expectEndOfGameDialog(t, dialog, window);
    return dialog;
}

// "Play Again" in the dialog; the new game window, or nullptr (recorded).
HWND playAgain(TestContext& t, HWND dialog, DWORD processId, const std::vector<HWND>& known) {
    if (!t.check(clickWindow(GetDlgItem(dialog, IDOK)), "cannot click \"Play Again\""))
        return nullptr;
    std::vector<HWND> windows;
    waitUntil(
        [&] { return (windows = processWindows(processId, kGameTitle)).size() > known.size(); },
        kWindowTimeoutMs);
    if (!t.checkf(windows.size() == known.size() + 1,
                  "%zu game windows after \"Play Again\", expected %zu", windows.size(),
                  known.size() + 1))
        return nullptr;
    for (HWND window : windows)
        if (std::find(known.begin(), known.end(), window) == known.end()) {
            t.check(settleWindow(window, kWindowTimeoutMs),
                    "the new game window does not finish painting");
            return window;
        }
    return nullptr;
}

std::string numberBoxText(HWND window, int wheel) {
    return windowText(GetDlgItem(window, wheelControls(wheel).numberBox));
}

} // namespace

// Each win nests a new game window over the finished one, which stays
// beneath it, disabled, with its own numbers. The first game plays at Easy,
// the next at Challenging. Each win takes about a minute, so the 32-bit
// game, whose run comes first, plays one, at Challenging, and the 64-bit game
// two.
E2E_TEST("playing.wins_nest_game_windows") {
    GameArt art;
    GameProcess game;
    HWND first = launchGameWithArt(t, game, art);
    if (!first)
        return;
    constexpr int kWins = sizeof(void*) == 8 ? 2 : 1;
    std::vector<HWND> windows = {first};
    std::vector<std::vector<std::string>> numbers;
    for (int win = 0; win < kWins; ++win) {
        HWND window = windows.back();
        Player player(window, art);
        if (!winAt(t, player, kWins == 1 || win > 0))
            return;
        HWND dialog = expectWinSequence(t, window, game.id(), art, player);
        numbers.emplace_back();
        for (int wheel = 0; wheel < kWheelCount; ++wheel)
            numbers.back().push_back(std::to_string(player.lucky(wheel)));
        HWND next = dialog ? playAgain(t, dialog, game.id(), windows) : nullptr;
        if (!next)
            return;
        t.check(processWindows(game.id(), kEndOfGameTitle).empty(),
                "the end-of-game dialog stays open");
        t.check(GetWindow(next, GW_OWNER) == window,
                "the new game window is not owned by the finished one");
        expectFreshGame(t, next, false, "new game window");
        t.check(buttonChecked(GetDlgItem(next, IDC_SUPER)),
                "new game window: \"Super\" not selected");
        t.check(buttonChecked(GetDlgItem(next, IDC_EASY)), "new game window: \"Easy\" not checked");
        t.check(!buttonChecked(GetDlgItem(next, IDC_CHALLENGING)),
                "new game window: \"Challenging\" checked");
        windows.push_back(next);
    }

    // All stay, each in its own state, and only the newest takes input.
    t.checkf(processWindows(game.id(), kGameTitle).size() == windows.size(),
             "%zu game windows, expected %zu", processWindows(game.id(), kGameTitle).size(),
             windows.size());
    for (size_t i = 0; i + 1 < windows.size(); ++i) {
        const std::string when = "finished window " + std::to_string(i + 1);
        t.checkf(!IsWindowEnabled(windows[i]), "%s is enabled", when.c_str());
        t.checkf(GetWindow(windows[i + 1], GW_OWNER) == windows[i],
                 "window %zu is not owned by window %zu", i + 2, i + 1);
        expectOnlyEnabled(t, windows[i], {}, when.c_str());
        for (int wheel = 0; wheel < kWheelCount; ++wheel)
            t.checkf(numberBoxText(windows[i], wheel) == numbers[i][wheel],
                     "%s: number box %s shows \"%s\", its game drew %s", when.c_str(),
                     wheelName(wheel).c_str(), numberBoxText(windows[i], wheel).c_str(),
                     numbers[i][wheel].c_str());
    }
    HWND newest = windows.back();
    t.check(IsWindowEnabled(newest) != 0, "the newest game window is disabled");
    expectFreshGame(t, newest, false, "newest window");
    if (t.check(clickWindow(GetDlgItem(newest, IDCANCEL)), "cannot click \"Exit\""))
        expectExitStatus(t, game, kLeaveStatus);
}

E2E_TEST("playing.miss_then_try_again") {
    GameArt art;
    GameProcess game;
    HWND window = launchGameWithArt(t, game, art);
    if (!window)
        return;
    Player player(window, art);
    // A miss on a number, so that the reset must bring back the blank.
    if (!t.check(player.drawNumbers(), player.error()))
        return;
    const int wrong = player.lucky(0) == 2 ? 3 : 2;
    if (!t.check(player.startSpin(0) && player.stopOnFrame(0, 2 * wrong - 1), player.error()))
        return;
    t.checkf(player.showing(0) == wrong, "wheel 1 stopped on frame %d showing %d, expected %d",
             player.lastStop().judgedFrame, player.showing(0), wrong);
    expectOnlyEnabled(t, window, {IDOK}, "after a miss");

    if (!t.check(clickWindow(GetDlgItem(window, IDOK)), "cannot click \"Try Again\""))
        return;
    if (!t.check(waitUntil([&] { return enabled(window, IDC_GET_LUCKY); }, 5000),
                 "\"Get Lucky Numbers\" stays disabled after \"Try Again\""))
        return;
    expectFreshGame(t, window, true, "after \"Try Again\"");
    t.checkf(player.showing(0) == 0, "after \"Try Again\" wheel 1 shows %d, not its blank",
             player.showing(0));

    // The reset game plays on, here at the faster level: a new draw and a
    // turning wheel. Each wheel's speed at both levels is checked by the
    // winning games.
    t.check(player.choose(IDC_CHALLENGING) && player.drawNumbers() && player.startSpin(0),
            player.error());
}

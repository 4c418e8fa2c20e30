// A few hundred random clicks and keys with real input: after each one the
// game window's enabled controls form one row of the game's state table,
// "Exit" stays enabled, and the game runs until its final "Exit".
// QUINTARO_E2E_SOAK_SEED and QUINTARO_E2E_SOAK_EVENTS replay or lengthen it.
// It takes about two minutes, so only the 64-bit game's run has it; the
// simulated backend's soak covers the game's own logic far more widely.
#include "game_session.h"
#include "mouse_keys.h"
#include "player.h"
#include "test_runner.h"
#include "window_query.h"
#include "res/resource.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <map>
#include <string>
#include <vector>

using namespace e2e;

#ifdef _WIN64

namespace {

constexpr unsigned kDefaultSeed = 2026;
constexpr int kDefaultEvents = 200;
constexpr DWORD kSettleMs = 1500; // a turning wheel answers once per frame
constexpr const char* kAboutTitle = "About Quintaro";

int envInt(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

bool enabled(HWND window, int id) {
    return IsWindowEnabled(GetDlgItem(window, id)) != 0;
}

// Which controls are enabled, by id.
using EnabledControls = std::map<int, bool>;
EnabledControls enabledControls(HWND window) {
    EnabledControls states;
    for (HWND control : childWindows(window))
        states[GetDlgCtrlID(control)] = IsWindowEnabled(control) != 0;
    return states;
}

// The game may be inside a handler, changing one control after another,
// while this process reads them; so the controls are read until two reads,
// a settled turn of the game apart, agree, and that read is the one judged
// (a third read could again fall inside a handler). False if they never do.
bool settledStates(HWND window, EnabledControls* states) {
    constexpr int kReads = 20;
    for (int read = 0; read < kReads; ++read) {
        const EnabledControls before = enabledControls(window);
        if (!settleWindow(window, kSettleMs))
            continue;
        if (enabledControls(window) == before) {
            *states = before;
            return true;
        }
    }
    return false;
}

// The rows of the state table, as in the sim's soak: opened or reset;
// drawn or a match; spinning; a miss (or a won game).
std::string stateProblem(const EnabledControls& states) {
    const auto isEnabled = [&](int id) {
        const auto found = states.find(id);
        return found != states.end() && found->second;
    };
    if (!isEnabled(IDCANCEL))
        return "\"Exit\" is disabled";
    int spins = 0, stops = 0, settings = 0;
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        spins += isEnabled(wheelControls(wheel).spin);
        stops += isEnabled(wheelControls(wheel).stop);
    }
    for (int id : {IDC_EASY, IDC_CHALLENGING, IDC_SUPER, IDC_POWER, IDC_MEGA})
        settings += isEnabled(id);
    const bool getLucky = isEnabled(IDC_GET_LUCKY);
    const bool tryAgain = isEnabled(IDOK);
    bool row = false;
    if (getLucky && settings == 5)
        row = spins == 0 && stops == 0;
    else if (!getLucky && settings == 0)
        row = (spins == 1 && stops == 0 && !tryAgain) || (spins == 0 && stops == 1 && !tryAgain) ||
              (spins == 0 && stops == 0);
    if (row)
        return {};
    char text[160];
    std::snprintf(text, sizeof text,
                  "no row of the state table: Get Lucky %d, Try Again %d, %d spins, %d stops, "
                  "%d settings enabled",
                  getLucky, tryAgain, spins, stops, settings);
    return text;
}

HWND focusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                              : nullptr;
}

class RandomPlayer {
public:
    RandomPlayer(HWND window, const GameProcess& game, unsigned seed)
        : window_(window), game_(game), random_(seed) {}

    // One random action; false (with a reason) when it could not be made.
    bool act(std::string* error);
    std::string recent() const {
        std::string all;
        for (const std::string& line : log_)
            all += "      " + line + "\n";
        return all;
    }

private:
    int pick(int count) { return static_cast<int>(random_() % static_cast<unsigned>(count)); }
    void note(const std::string& what) {
        log_.push_back(what);
        if (log_.size() > 20)
            log_.pop_front();
    }
    int controlToClick();
    bool key();
    bool aboutBox(std::string* error);

    HWND window_;
    const GameProcess& game_;
    std::mt19937 random_;
    std::deque<std::string> log_;
};

// Every control a player may click but "Exit"; half the time the one that
// moves the game on (the enabled Spin, Stop, draw or "Try Again").
int RandomPlayer::controlToClick() {
    if (pick(2) == 0) {
        for (int wheel = 0; wheel < kWheelCount; ++wheel)
            for (int id : {wheelControls(wheel).stop, wheelControls(wheel).spin})
                if (enabled(window_, id))
                    return id;
        for (int id : {IDC_GET_LUCKY, static_cast<int>(IDOK)})
            if (enabled(window_, id))
                return id;
    }
    const int fixed[] = {IDOK,      IDC_GET_LUCKY, IDC_EASY, IDC_CHALLENGING,
                         IDC_SUPER, IDC_POWER,     IDC_MEGA};
    const int choice = pick(static_cast<int>(std::size(fixed)) + 3 * kWheelCount);
    if (choice < static_cast<int>(std::size(fixed)))
        return fixed[choice];
    const WheelControlIds ids = wheelControls((choice - std::size(fixed)) / 3);
    const int which = (choice - static_cast<int>(std::size(fixed))) % 3;
    return which == 0 ? ids.spin : which == 1 ? ids.stop : ids.numberBox;
}

// Keys that never leave: Enter and Space only while "Exit" has no focus,
// Escape only while a wheel turns (the spin loop hands it on unhandled).
bool RandomPlayer::key() {
    if (!bringToFront(window_))
        return false;
    const bool exitFocused = focusOf(window_) == GetDlgItem(window_, IDCANCEL);
    switch (pick(6)) {
    case 0:
        note("Tab");
        pressKey(VK_TAB);
        break;
    case 1:
        note("Shift+Tab");
        pressKeyWith(VK_SHIFT, VK_TAB);
        break;
    case 2: {
        const WORD arrows[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
        const WORD arrow = arrows[pick(4)];
        note("arrow " + std::to_string(arrow));
        pressKey(arrow);
        break;
    }
    default: {
        const WORD keys[] = {VK_RETURN, VK_SPACE};
        const WORD k = keys[pick(2)];
        if (exitFocused) {
            note("Tab (not Enter or Space on \"Exit\")");
            pressKey(VK_TAB);
        } else {
            note(k == VK_RETURN ? "Enter" : "Space");
            pressKey(k);
        }
        break;
    }
    }
    return true;
}

bool RandomPlayer::aboutBox(std::string* error) {
    note("About box");
    PostMessageA(window_, WM_SYSCOMMAND, IDM_ABOUTBOX | static_cast<WPARAM>(pick(16)), 0);
    HWND about = game_.waitForWindow(kAboutTitle, kWindowTimeoutMs);
    if (!about) {
        *error = "the About box does not open";
        return false;
    }
    settleWindow(about, kWindowTimeoutMs);
    if (pick(2) == 0) {
        note("  closed by OK");
        clickWindow(GetDlgItem(about, IDOK));
    } else {
        note("  closed by Escape");
        if (bringToFront(about))
            pressKey(VK_ESCAPE);
    }
    if (!waitUntil([&] { return !IsWindow(about); }, kWindowTimeoutMs)) {
        *error = "the About box does not close";
        return false;
    }
    return true;
}

bool RandomPlayer::act(std::string* error) {
    const int kind = pick(100);
    if (kind < 70) {
        const int id = controlToClick();
        note("click " + std::to_string(id));
        return clickWindow(GetDlgItem(window_, id));
    }
    if (kind < 90)
        return key();
    if (kind < 95)
        return aboutBox(error);
    note("minimise and restore");
    PostMessageA(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Sleep(100);
    PostMessageA(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
    return true;
}

} // namespace

E2E_TEST("random_input.the_game_holds_its_states") {
    const unsigned seed = static_cast<unsigned>(envInt("QUINTARO_E2E_SOAK_SEED", kDefaultSeed));
    const int events = envInt("QUINTARO_E2E_SOAK_EVENTS", kDefaultEvents);
    GameProcess game;
    HWND window = launchGame(t, game);
    if (!window)
        return;
    RandomPlayer player(window, game, seed);
    for (int event = 1; event <= events; ++event) {
        std::string error;
        if (!player.act(&error)) {
            t.checkf(false, "seed %u, event %d: %s\n    last actions:\n%s", seed, event,
                     error.empty() ? "the action could not be made" : error.c_str(),
                     player.recent().c_str());
            return;
        }
        Sleep(20);
        // Read the controls only once the game has handled the input.
        EnabledControls states;
        if (!settledStates(window, &states))
            continue;
        const std::string problem = game.running() ? stateProblem(states) : "the game ended";
        if (!t.checkf(problem.empty(), "seed %u, event %d: %s\n    last actions:\n%s", seed, event,
                      problem.c_str(), player.recent().c_str()))
            return;
    }
    if (t.check(clickWindow(GetDlgItem(window, IDCANCEL)), "cannot click \"Exit\""))
        expectExitStatus(t, game, 1);
}
#endif

// Long sessions of random input: a seeded player that keeps one step of
// input ahead of the game, and the rules checked after every event.
#pragma once

#include <random>
#include <string>

#include "fw/sim/sim.h"

namespace soak {

// The first broken rule, described; empty when all hold: each game window's
// enabled controls form one row of the game's state table, its number boxes
// show zeros or a valid draw, nothing drawn is held, and every modal run is
// finished or running.
std::string CheckInvariants();

// Whether ending the process while taking this event is the game window's
// cancel action (or "Exit" of the end-of-game dialog): empty when it is.
// The template of the window it went to (0 for none) and the control that
// had the focus are those at the moment it was taken.
std::string CheckExit(const sim::TakenEvent& event, UINT templateId, int focused, int status);

// Mixes aimless clicks and keys on every control (enabled or not, at any
// moment), the About box, paint requests and minimising with purposeful play
// that draws, spins, stops wheels on their numbers and answers "Play Again",
// so that long sessions reach spins, wins and nested windows.
class RandomPlayer {
public:
    // calm: purposeful play most of the time, and no way of leaving until the
    // budget of events is spent; then the player leaves through "Exit".
    RandomPlayer(unsigned long long seed, bool calm, int budget)
        : m_random(seed), m_calm(calm), m_budget(budget) {}

    // As the platform takes each event, and once it is handled: schedules
    // more input when nothing else waits (input that named a window taken
    // down meanwhile is gone), so the game is never left without a next step.
    void OnTaking(const sim::TakenEvent& event);
    void OnHandled();
    int taken() const { return m_taken; }

private:
    void Step();
    void Purposeful();
    void Aimless();
    void Click(int id, bool apart);
    bool AimStop();
    long long Soon();
    int Pick(int count);
    bool Chance(int percent) { return Pick(100) < percent; }
    int AnyControl();
    const CWnd* AnyWindow();

    std::mt19937_64 m_random;
    bool m_calm;
    int m_budget;
    int m_taken = 0;
    bool m_pumped = false; // the event in hand was taken by a spin loop
};

} // namespace soak

// A seeded random player: keeps one step of input ahead of the game, mixing
// aimless clicks and keys on every control (enabled or not, at any moment),
// the About box, paint requests, minimising, with purposeful play that
// draws, spins, stops wheels on their numbers and answers "Play Again", so
// that long sessions reach spins, wins and nested windows.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "fw/sim/sim.h"

namespace soak {

class RandomPlayer {
public:
    // calm: purposeful play most of the time, and no way of leaving until the
    // budget of events is spent; then the player leaves through "Exit".
    RandomPlayer(unsigned long long seed, bool calm, int budget);

    // Called as the platform takes each event: schedules more input when
    // nothing else waits, so the game is never left without a next step.
    void OnTaking(const sim::TakenEvent& event);
    // Called once an event is handled: input that named a window taken down
    // meanwhile is gone, and the game must not be left without a next step.
    void OnHandled();

    int taken() const { return m_taken; }

private:
    void Step();
    void Purposeful();
    void Aimless();
    void Leave();
    void KeepGoing(long long after);
    void Click(int id, bool apart);
    void Key(int vk);
    bool AimStop();
    long long Soon();
    int Pick(int count) { return int(m_random() % unsigned(count)); }
    bool Chance(int percent) { return Pick(100) < percent; }

    std::mt19937_64 m_random;
    bool m_calm;
    int m_budget;
    int m_taken = 0;
    bool m_pumped = false; // the event in hand was taken by a spin loop
};

} // namespace soak

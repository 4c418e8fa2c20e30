// Long sessions of random input on the simulated platform, checked after
// every event. QUINTARO_SOAK_EVENTS sets the events per seed,
// QUINTARO_SOAK_SEED runs that one seed only (to replay a failure).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/wheels_dlg.h"
#include "res/resource.h"
#include "soak.h"

namespace {

constexpr int kEventsPerSeed = 4000;
// A session ends through "Exit" after this many events (then a new one starts).
constexpr int kCalmSessionEvents = 1500, kWildSessionEvents = 500;
constexpr long long kSessionDeadlineMs = 6LL * 60 * 60 * 1000;
constexpr size_t kDrawLogKept = 1000;

struct Broken {}; // thrown by the watcher to stop a session at the first fault

// What the sessions of a seed reached, so a run shows it played more than
// the opening.
struct Reached {
    int events = 0, sessions = 0, exits = 0, wins = 0, aboutBoxes = 0, deepest = 1;
};

// One session: a fresh process whose first game window runs modally, as the
// program starts it, under a random player until the process ends. Returns
// the first fault, or nothing.
std::string RunSession(unsigned long long seed, bool calm, int budget, Reached& reached) {
    sim::Reset();
    sim::SetDeadline(kSessionDeadlineMs);
    soak::RandomPlayer player(seed, calm, budget);
    std::string fault;
    sim::TakenEvent taking{};
    UINT takenBy = 0; // the template of the window it goes to
    int focused = 0;
    sim::WatchEvents(
        [&](const sim::TakenEvent& event) {
            taking = event;
            takenBy = event.window ? static_cast<const CDialog*>(event.window)->GetTemplateId() : 0;
            focused = sim::FocusedId();
            player.OnTaking(event);
        },
        [&](const sim::TakenEvent&) {
            player.OnHandled();
            if (sim::DrawLog().size() > kDrawLogKept)
                sim::ClearDrawLog();
            fault = soak::CheckInvariants();
            if (!fault.empty())
                throw Broken{};
            reached.deepest = std::max(reached.deepest, int(sim::OpenDialogs().size()));
        });
    sim::SchedulePaint(0); // the first paint of the window starts the player
    try {
        CWheelsDlg game;
        game.DoModal();
        fault = "the first game window's run returned";
    } catch (const sim::ProcessExit& exit) {
        ++reached.exits;
        fault = soak::CheckExit(taking, takenBy, focused, exit.status);
    } catch (const sim::Deadline&) {
        fault = "the session did not end by its deadline";
    } catch (const Broken&) {
    }
    reached.events += player.taken();
    for (const sim::ModalRun& run : sim::ModalRuns()) {
        reached.wins += run.templateId == IDD_PLAYAGAIN;
        reached.aboutBoxes += run.templateId == IDD_ABOUTBOX;
    }
    sim::WatchEvents({}, {});
    if (!fault.empty())
        fault += " (at t=" + std::to_string(sim::Now()) + " ms, event " +
                 std::to_string(player.taken()) + " of the session)";
    sim::Reset();
    return fault;
}

TEST(Soak, RandomInputAtEveryMomentKeepsTheGameInItsStates) {
    std::vector<unsigned long long> seeds = {1, 2, 3, 4, 5};
    if (const char* one = std::getenv("QUINTARO_SOAK_SEED"); one && *one)
        seeds = {std::strtoull(one, nullptr, 10)};
    const char* events = std::getenv("QUINTARO_SOAK_EVENTS");
    const int perSeed = events && *events ? std::atoi(events) : kEventsPerSeed;
    for (unsigned long long seed : seeds) {
        Reached r;
        for (int session = 0; r.events < perSeed; ++session, ++r.sessions) {
            const bool calm = session % 2 == 0;
            const int budget =
                std::min(perSeed - r.events, calm ? kCalmSessionEvents : kWildSessionEvents);
            const std::string fault = RunSession(seed * 1000003 + session, calm, budget, r);
            ASSERT_EQ(fault, "") << "seed " << seed << ", session " << session
                                 << (calm ? " (calm)" : " (wild)")
                                 << "\nreplay: QUINTARO_SOAK_SEED=" << seed
                                 << " QUINTARO_SOAK_EVENTS=" << perSeed;
        }
        std::printf("soak: seed %llu, %d events in %d sessions: %d exits, %d wins, %d About "
                    "boxes, up to %d windows open\n",
                    seed, r.events, r.sessions, r.exits, r.wins, r.aboutBoxes, r.deepest);
        // A full run reaches wins, the About box and nested windows.
        if (perSeed >= kEventsPerSeed) {
            EXPECT_GT(r.wins * r.aboutBoxes, 0) << "seed " << seed;
            EXPECT_GT(r.deepest, 2) << "seed " << seed;
        }
    }
}

} // namespace

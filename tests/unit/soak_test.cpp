// Long sessions of random input on the simulated platform, checked after
// every event. QUINTARO_SOAK_EVENTS sets the events per seed,
// QUINTARO_SOAK_SEED runs that one seed only (to replay a failure).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "game/wheels_dlg.h"
#include "res/resource.h"
#include "soak_checks.h"
#include "soak_player.h"

namespace {

constexpr unsigned long long kSeeds[] = {1, 2, 3, 4, 5};
constexpr int kEventsPerSeed = 4000;
// A session ends through "Exit" after this many events (then a new one starts).
constexpr int kCalmSessionEvents = 1500;
constexpr int kWildSessionEvents = 500;
constexpr long long kSessionDeadlineMs = 6LL * 60 * 60 * 1000;
constexpr int kDrawLogKept = 1000;

struct Broken {}; // thrown by the watcher to stop a session at the first fault

// What the sessions reached, so a run shows it played more than the opening.
struct Reached {
    int wins = 0, aboutBoxes = 0, deepest = 1, exits = 0;
};

struct SessionEnd {
    int events = 0;
    std::string fault; // empty when all held
};

// One session: a fresh process whose first game window runs modally, as the
// program starts it, under a random player until the process ends.
SessionEnd RunSession(unsigned long long seed, bool calm, int budget, Reached* reached) {
    sim::Reset();
    sim::SetDeadline(kSessionDeadlineMs);
    soak::RandomPlayer player(seed, calm, budget);
    SessionEnd end;
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
            end.fault = soak::CheckInvariants();
            if (!end.fault.empty())
                throw Broken{};
            reached->deepest = std::max(reached->deepest, int(sim::OpenDialogs().size()));
        });
    sim::SchedulePaint(0); // the first paint of the window starts the player
    try {
        CWheelsDlg game;
        game.DoModal();
        end.fault = "the first game window's run returned";
    } catch (const sim::ProcessExit& exit) {
        ++reached->exits;
        end.fault = soak::CheckExit(taking, takenBy, focused, exit.status);
    } catch (const sim::Deadline&) {
        end.fault = "the session did not end by its deadline";
    } catch (const Broken&) {
    }
    end.events = player.taken();
    for (const sim::ModalRun& run : sim::ModalRuns()) {
        reached->wins += run.templateId == IDD_PLAYAGAIN;
        reached->aboutBoxes += run.templateId == IDD_ABOUTBOX;
    }
    sim::WatchEvents({}, {});
    if (!end.fault.empty()) {
        std::ostringstream where;
        where << end.fault << " (at t=" << sim::Now() << " ms, event " << end.events
              << " of the session)";
        end.fault = where.str();
    }
    sim::Reset();
    return end;
}

struct SeedResult {
    int events = 0, sessions = 0;
    Reached reached;
    std::string failure;
};

SeedResult RunSeed(unsigned long long seed, int events) {
    SeedResult result;
    for (int session = 0; result.events < events; ++session) {
        const bool calm = session % 2 == 0;
        const int budget =
            std::min(events - result.events, calm ? kCalmSessionEvents : kWildSessionEvents);
        const SessionEnd end = RunSession(seed * 1000003 + session, calm, budget, &result.reached);
        result.events += end.events;
        ++result.sessions;
        if (!end.fault.empty()) {
            std::ostringstream report;
            report << "seed " << seed << ", session " << session << (calm ? " (calm)" : " (wild)")
                   << ": " << end.fault << "\nreplay: QUINTARO_SOAK_SEED=" << seed
                   << " QUINTARO_SOAK_EVENTS=" << events;
            result.failure = report.str();
            return result;
        }
    }
    return result;
}

int EnvInt(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

TEST(Soak, RandomInputAtEveryMomentKeepsTheGameInItsStates) {
    std::vector<unsigned long long> seeds(std::begin(kSeeds), std::end(kSeeds));
    if (const char* one = std::getenv("QUINTARO_SOAK_SEED"); one && *one)
        seeds = {std::strtoull(one, nullptr, 10)};
    const int events = EnvInt("QUINTARO_SOAK_EVENTS", kEventsPerSeed);
    int total = 0;
    for (unsigned long long seed : seeds) {
        const SeedResult result = RunSeed(seed, events);
        total += result.events;
        const Reached& r = result.reached;
        std::printf("soak: seed %llu, %d events in %d sessions: %d exits, %d wins, %d About "
                    "boxes, up to %d windows open\n",
                    seed, result.events, result.sessions, r.exits, r.wins, r.aboutBoxes, r.deepest);
        ASSERT_TRUE(result.failure.empty()) << result.failure;
    }
    EXPECT_GE(total, events * int(seeds.size()));
}

} // namespace

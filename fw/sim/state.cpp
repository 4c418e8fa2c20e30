// The one state of the simulated platform, its handles, clock and reset.
#include "fw/sim/sim_state.h"

namespace sim::internal {

State& S() {
    static State state;
    return state;
}

uintptr_t NewHandle() {
    static uintptr_t next = 0x10000;
    next += 0x10;
    return next;
}

Window* Find(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    auto it = S().windows.find(hwnd);
    return it == S().windows.end() ? nullptr : it->second.get();
}

Window* Find(const CWnd* wnd) {
    return wnd ? Find(wnd->m_hWnd) : nullptr;
}

Window* FrontWindow() {
    return S().stack.empty() ? nullptr : Find(S().stack.back());
}

void AdvanceClockTo(long long atMs) {
    State& s = S();
    if (atMs <= s.now)
        return;
    if (atMs > s.deadline) {
        s.now = s.deadline;
        throw Deadline{s.deadline};
    }
    s.now = atMs;
}

} // namespace sim::internal

namespace sim {

using namespace internal;

void Reset() {
    State& s = S();
    // Framework objects that outlive the reset forget their windows.
    for (auto& entry : s.windows) {
        if (entry.second->object && !entry.second->ownObject)
            entry.second->object->m_hWnd = nullptr;
    }
    s = State();
}

long long Now() {
    return S().now;
}

void SetEpoch(long long seconds) {
    S().epoch = seconds;
}

void SetDeadline(long long atMs) {
    S().deadline = atMs;
}

} // namespace sim

// The simulated platform as a host of the dialog manager: a virtual clock,
// a script of input events handed to the manager when due, scripted modal
// answers, and the records tests read.
#include <algorithm>

#include "fw/sim/sim_state.h"

namespace sim::internal {

namespace {

using Kind = dlgmgr::InputKind;

void Schedule(long long at, Kind kind, int code, const CWnd* target, bool paint = false) {
    auto& events = S().events;
    Event e{at, kind, paint, code, target};
    events.insert(std::upper_bound(events.begin(), events.end(), e,
                                   [](const Event& a, const Event& b) { return a.at < b.at; }),
                  e);
}

// A named window that is not (yet) one of the manager's takes no input.
HWND TargetOf(const CWnd* target) {
    if (!target)
        return nullptr;
    return target->m_hWnd ? target->m_hWnd : dlgmgr::NoWindow();
}

class SimHost : public dlgmgr::Host {
public:
    void Poll() override { QueueDueEvents(); }

    // Moves the clock to the next event; the script exhausted, the test is
    // done with the dialog.
    bool Wait() override {
        const long long next = NextEventTime();
        if (next < 0)
            return false;
        AdvanceClockTo(next);
        return true;
    }

    bool LoadTemplate(UINT id, DlgTemplate& out) override { return LoadDialogTemplate(id, out); }

    void Destroying(Window& dlg) override { DropEventsFor(dlg.object); }

    void SetSurfaceBkColor(HDC hdc, COLORREF color) override {
        auto surface = S().surfaces.find(hdc);
        if (surface != S().surfaces.end())
            surface->second.bkColor = color;
    }

    // The player keeps the dialog open for the hold time: nothing beneath
    // it runs, and input made meanwhile went to it.
    bool Scripted(CDialog& dlg, INT_PTR* result) override {
        auto answers = S().answers.find(dlg.GetTemplateId());
        if (answers == S().answers.end() || answers->second.empty())
            return false;
        const Answer answer = answers->second.front();
        if (answers->second.size() > 1)
            answers->second.erase(answers->second.begin());
        Window* owner = dlgmgr::Front();
        S().runs.push_back(
            {dlg.GetTemplateId(), &dlg, owner ? owner->object : nullptr, S().now, -1});
        const size_t run = S().runs.size() - 1;
        const HWND ownerHwnd = owner && owner->enabled ? owner->hwnd : nullptr;
        if (ownerHwnd)
            owner->object->EnableWindow(FALSE);
        // Whatever ends the hold, the owner takes input again.
        struct Enable {
            HWND hwnd;
            ~Enable() {
                if (Window* w = dlgmgr::Find(hwnd))
                    w->object->EnableWindow(TRUE);
            }
        } enable{ownerHwnd};
        const long long start = S().now;
        AdvanceClockTo(start + answer.holdMs);
        DropInputBetween(start, S().now);
        DropEventsFor(&dlg);
        if (run < S().runs.size())
            S().runs[run].endMs = S().now;
        *result = answer.result;
        return true;
    }

    void RunStarted(const CDialog& dlg, const Window* owner, const Window*) override {
        S().runs.push_back(
            {dlg.GetTemplateId(), &dlg, owner ? owner->object : nullptr, S().now, -1});
    }

    void RunEnded(const CDialog& dlg, INT_PTR) override {
        for (auto it = S().runs.rbegin(); it != S().runs.rend(); ++it)
            if (it->dialog == &dlg && it->endMs < 0) {
                it->endMs = S().now;
                return;
            }
    }

    void HostInput(int code) override { std::function<void()>(S().looks[size_t(code)])(); }

    void Taking(const dlgmgr::Taken& taken, bool handled) override {
        const auto& watch = handled ? S().afterTaking : S().beforeTaking;
        if (watch)
            watch({taken.kind, taken.code, CWnd::FromHandle(taken.window), taken.dialogKeys});
    }
};

} // namespace

State& S() {
    static State state;
    return state;
}

uintptr_t NewHandle() {
    static uintptr_t next = 0x7C00000;
    next += 0x10;
    return next;
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

long long NextEventTime() {
    if (dlgmgr::AnythingWaiting())
        return S().now;
    return S().events.empty() ? -1 : std::max(S().now, S().events.front().at);
}

void QueueDueEvents() {
    auto& events = S().events;
    while (!events.empty() && events.front().at <= S().now) {
        const Event e = events.front();
        events.erase(events.begin());
        if (e.paint) {
            Window* w = e.target ? dlgmgr::Find(e.target) : dlgmgr::Front();
            dlgmgr::Invalidate(w);
            continue;
        }
        dlgmgr::Input in{e.kind};
        in.window = TargetOf(e.target);
        in.control = e.code;
        in.code = e.code;
        dlgmgr::QueueInput(in);
    }
}

void DropEventsFor(const CWnd* target) {
    auto& events = S().events;
    events.erase(std::remove_if(events.begin(), events.end(),
                                [&](const Event& e) { return e.target == target; }),
                 events.end());
}

void DropInputBetween(long long from, long long to) {
    auto& events = S().events;
    events.erase(
        std::remove_if(events.begin(), events.end(),
                       [&](const Event& e) { return !e.paint && e.at > from && e.at <= to; }),
        events.end());
}

} // namespace sim::internal

dlgmgr::Host& dlgmgr::TheHost() {
    static sim::internal::SimHost host;
    return host;
}

namespace sim {

using namespace internal;

void Reset() {
    dlgmgr::Reset();
    S() = State();
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

void SchedulePress(long long atMs, int controlId, const CWnd* window) {
    Schedule(atMs, Kind::Press, controlId, window);
}

void ScheduleRelease(long long atMs, int controlId, const CWnd* window) {
    Schedule(atMs, Kind::Release, controlId, window);
}

void ScheduleClick(long long atMs, int controlId, const CWnd* window) {
    SchedulePress(atMs, controlId, window);
    ScheduleRelease(atMs, controlId, window);
}

void ScheduleKey(long long atMs, int vk, const CWnd* window) {
    Schedule(atMs, Kind::KeyDown, vk, window);
    Schedule(atMs, Kind::KeyUp, vk, window);
}

void SchedulePaint(long long atMs, const CWnd* window) {
    Schedule(atMs, Kind::Move, 0, window, true);
}

void ScheduleSysCommand(long long atMs, UINT code, const CWnd* window) {
    Schedule(atMs, Kind::SysCommand, int(code), window);
}

void ScheduleLook(long long atMs, std::function<void()> look) {
    S().looks.push_back(std::move(look));
    Schedule(atMs, Kind::Host, int(S().looks.size() - 1), nullptr);
}

void ScheduleBurst(long long atMs, int count) {
    for (int i = 0; i < count; ++i)
        Schedule(atMs, Kind::Move, 0, nullptr);
}

void WatchEvents(std::function<void(const TakenEvent&)> before,
                 std::function<void(const TakenEvent&)> after) {
    S().beforeTaking = std::move(before);
    S().afterTaking = std::move(after);
}

size_t PendingEvents() {
    return S().events.size() + dlgmgr::WaitingCount();
}

void AnswerModal(UINT templateId, INT_PTR result, long long holdMs) {
    S().answers[templateId].push_back({result, holdMs});
}

const std::vector<ModalRun>& ModalRuns() {
    return S().runs;
}

bool Open(CDialog& dialog) {
    return dlgmgr::Open(dialog) != nullptr;
}

void RunUntilIdle() {
    const Window* front = dlgmgr::Front();
    const HWND hwnd = front ? front->hwnd : nullptr;
    dlgmgr::RunLoop([hwnd] {
        const Window* w = dlgmgr::Find(hwnd);
        return !hwnd || (w && w->open);
    });
}

bool PumpOne() {
    return dlgmgr::TakeOne(false);
}

} // namespace sim

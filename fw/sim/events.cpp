// The script of input events and the platform's message queue: what waits,
// in which order it is taken, and where each event goes.
#include <algorithm>

#include "fw/sim/sim_state.h"

namespace sim::internal {

namespace {

void Schedule(long long at, EventKind kind, int code, const CWnd* target) {
    State& s = S();
    Event e{at, s.nextSeq++, kind, code, target};
    auto pos = std::upper_bound(s.events.begin(), s.events.end(), e,
                                [](const Event& a, const Event& b) { return a.at < b.at; });
    s.events.insert(pos, e);
}

WPARAM Command(int id) {
    return WPARAM(id & 0xFFFF) | WPARAM(BN_CLICKED) << 16;
}

// The auto styles change their own check state before the click reports.
void ToggleSelf(Window* button) {
    if (IsButtonOfKind(button, {kBsAutoCheckBox}))
        button->check = button->check ? 0 : 1;
    else if (IsButtonOfKind(button, {kBsAutoRadioButton})) {
        // The other radio buttons of its group (from the control that starts
        // the group to the next one) lose their check.
        const std::vector<Window*>& all = button->dialog->controls;
        const size_t at = size_t(std::find(all.begin(), all.end(), button) - all.begin());
        size_t first = at;
        while (first > 0 && !(all[first]->style & WS_GROUP))
            --first;
        for (size_t i = first; i < all.size() && (i == first || !(all[i]->style & WS_GROUP)); ++i)
            if (IsRadio(all[i]))
                all[i]->check = 0;
        button->check = 1;
    }
}

// Where input goes: the named window, or the one in front; only a window in
// front and enabled takes it.
Window* InputTarget(const Event& e) {
    Window* front = FrontWindow();
    Window* w = e.target ? Find(e.target) : front;
    return w && w == front && w->enabled ? w : nullptr;
}

void DispatchInput(const Event& e, Window* w, bool dialogKeys) {
    if (e.kind == EventKind::Look) {
        const std::function<void()> look = S().looks[size_t(e.code)];
        look();
        return;
    }
    if (!w) {
        if (e.kind == EventKind::Release)
            S().capture = nullptr;
        return;
    }
    switch (e.kind) {
    case EventKind::Press: {
        Window* control = ControlOf(w, e.code);
        const bool clickable =
            control && control->className == "button" && !IsButtonOfKind(control, {kBsGroupBox});
        const bool reached = control && ClickMayReach(control);
        S().capture = clickable && reached ? control->hwnd : nullptr;
        // Buttons and edit boxes take the focus when pressed.
        if (reached && (clickable || control->className == "edit"))
            w->focus = control->hwnd;
        break;
    }
    case EventKind::Release: {
        Window* control = ControlOf(w, e.code);
        const bool pressed = control && S().capture == control->hwnd;
        S().capture = nullptr;
        if (pressed && ClickMayReach(control))
            Click(control);
        break;
    }
    case EventKind::KeyDown:
    case EventKind::KeyUp:
        HandleKey(w, e.code, e.kind == EventKind::KeyDown, dialogKeys);
        break;
    case EventKind::SysCommand:
        Send(w, WM_SYSCOMMAND, WPARAM(e.code), 0);
        break;
    default:
        break; // mouse moves change nothing
    }
}

Taken TakenKind(EventKind kind) {
    switch (kind) {
    case EventKind::Press:
        return Taken::Press;
    case EventKind::Release:
        return Taken::Release;
    case EventKind::KeyDown:
        return Taken::KeyDown;
    case EventKind::KeyUp:
        return Taken::KeyUp;
    case EventKind::Paint:
        return Taken::Paint;
    case EventKind::SysCommand:
        return Taken::SysCommand;
    case EventKind::Look:
        return Taken::Look;
    default:
        return Taken::Move;
    }
}

// Tells the watcher of the event, handles it, and tells the watcher again.
template <class Handle> void Handling(const TakenEvent& event, Handle handle) {
    if (S().beforeTaking)
        S().beforeTaking(event);
    handle();
    if (S().afterTaking)
        S().afterTaking(event);
}

CWnd* ObjectOf(const Window* w) {
    return w ? w->object : nullptr;
}

// Due paint requests make their windows invalid; they are painted later.
void MarkDuePaints() {
    State& s = S();
    for (auto it = s.events.begin(); it != s.events.end() && it->at <= s.now;) {
        if (it->kind != EventKind::Paint) {
            ++it;
            continue;
        }
        Window* w = it->target ? Find(it->target) : FrontWindow();
        if (w && w->open)
            w->needsPaint = true;
        it = s.events.erase(it);
    }
}

Window* WindowToPaint() {
    for (auto& entry : S().windows)
        if (entry.second->open && entry.second->needsPaint)
            return entry.second.get();
    return nullptr;
}

} // namespace

Window* ControlOf(Window* dlg, int id) {
    for (Window* control : dlg->controls)
        if (control->id == id)
            return control;
    return nullptr;
}

void Click(Window* control) {
    ToggleSelf(control);
    Send(control->dialog, WM_COMMAND, Command(control->id),
         reinterpret_cast<LPARAM>(control->hwnd));
}

bool TakeOne(bool dialogKeys) {
    State& s = S();
    MarkDuePaints();
    if (!s.posted.empty()) {
        const Posted p = s.posted.front();
        s.posted.pop_front();
        // A window taken down meanwhile no longer receives it.
        Window* w = Find(p.target);
        if (w && !w->open && w->IsDialog())
            w = nullptr;
        const int code = p.message == WM_COMMAND ? int(p.wParam & 0xFFFF) : int(p.message);
        Handling({Taken::Posted, code, ObjectOf(w), dialogKeys, s.now}, [&] {
            if (w)
                Send(w, p.message, p.wParam, p.lParam);
        });
        return true;
    }
    if (!s.events.empty() && s.events.front().at <= s.now) {
        const Event e = s.events.front();
        s.events.erase(s.events.begin());
        Window* w = e.kind == EventKind::Look ? nullptr : InputTarget(e);
        Handling({TakenKind(e.kind), e.code, ObjectOf(w), dialogKeys, s.now}, [&] {
            if (w || e.kind == EventKind::Look)
                DispatchInput(e, w, dialogKeys);
            else if (e.kind == EventKind::Release)
                S().capture = nullptr;
        });
        return true;
    }
    if (Window* w = WindowToPaint()) {
        w->needsPaint = false;
        Handling({Taken::Paint, 0, w->object, dialogKeys, s.now}, [&] { Send(w, WM_PAINT, 0, 0); });
        return true;
    }
    return false;
}

long long NextEventTime() {
    const State& s = S();
    if (!s.posted.empty() || WindowToPaint())
        return s.now;
    return s.events.empty() ? -1 : std::max(s.now, s.events.front().at);
}

void DropEventsFor(const CWnd* target) {
    auto& events = S().events;
    events.erase(std::remove_if(events.begin(), events.end(),
                                [&](const Event& e) { return e.target == target; }),
                 events.end());
}

void DropInputBetween(long long from, long long to) {
    auto& events = S().events;
    events.erase(std::remove_if(events.begin(), events.end(),
                                [&](const Event& e) {
                                    return e.kind != EventKind::Paint && e.at > from && e.at <= to;
                                }),
                 events.end());
}

} // namespace sim::internal

namespace sim {

using namespace internal;

void ScheduleClick(long long atMs, int controlId, const CWnd* window) {
    SchedulePress(atMs, controlId, window);
    ScheduleRelease(atMs, controlId, window);
}

void SchedulePress(long long atMs, int controlId, const CWnd* window) {
    Schedule(atMs, EventKind::Press, controlId, window);
}

void ScheduleRelease(long long atMs, int controlId, const CWnd* window) {
    Schedule(atMs, EventKind::Release, controlId, window);
}

void ScheduleKey(long long atMs, int vk, const CWnd* window) {
    Schedule(atMs, EventKind::KeyDown, vk, window);
    Schedule(atMs, EventKind::KeyUp, vk, window);
}

void SchedulePaint(long long atMs, const CWnd* window) {
    Schedule(atMs, EventKind::Paint, 0, window);
}

void ScheduleSysCommand(long long atMs, UINT code, const CWnd* window) {
    Schedule(atMs, EventKind::SysCommand, int(code), window);
}

void ScheduleLook(long long atMs, std::function<void()> look) {
    S().looks.push_back(std::move(look));
    Schedule(atMs, EventKind::Look, int(S().looks.size() - 1), nullptr);
}

void ScheduleBurst(long long atMs, int count) {
    for (int i = 0; i < count; ++i)
        Schedule(atMs, EventKind::Dummy, 0, nullptr);
}

void WatchEvents(std::function<void(const TakenEvent&)> before,
                 std::function<void(const TakenEvent&)> after) {
    S().beforeTaking = std::move(before);
    S().afterTaking = std::move(after);
}

size_t PendingEvents() {
    size_t invalid = 0;
    for (auto& entry : S().windows)
        invalid += entry.second->open && entry.second->needsPaint;
    return S().events.size() + S().posted.size() + invalid;
}

} // namespace sim

// The keyboard: each dialog's focus, the keys the dialog manager handles in a
// modal loop (Tab, the arrows, Enter, Escape), and Space, which a focused
// button handles itself and so also inside the spin loop's pump.
#include "fw/sim/sim_state.h"

namespace sim::internal {

namespace {

bool TakesFocus(const Window* control) {
    if (!control->enabled)
        return false;
    if (control->className == "edit")
        return true;
    return control->className == "button" && !IsButtonOfKind(control, {kBsGroupBox});
}

bool IsPushButton(const Window* w) {
    return IsButtonOfKind(w, {kBsPushButton, kBsDefPushButton});
}

size_t IndexOf(const Window* dlg, HWND control) {
    for (size_t i = 0; i < dlg->controls.size(); ++i)
        if (dlg->controls[i]->hwnd == control)
            return i;
    return dlg->controls.size();
}

// The next (or previous) control after the focus, wrapping round, among
// those `eligible` accepts; null when none.
template <class Eligible>
Window* NextFrom(const Window* dlg, size_t from, bool previous, Eligible eligible) {
    const size_t n = dlg->controls.size();
    for (size_t step = 1; step <= n; ++step) {
        const size_t i = previous ? (from + n * 2 - step) % n : (from + step) % n;
        if (eligible(dlg->controls[i]))
            return dlg->controls[i];
    }
    return nullptr;
}

void Tab(Window* dlg, bool previous) {
    const size_t n = dlg->controls.size();
    if (n == 0)
        return;
    // Without a focus, Tab starts before the first control, Shift+Tab after the last.
    size_t from = IndexOf(dlg, dlg->focus);
    if (from == n)
        from = previous ? 0 : n - 1;
    if (Window* next = NextFrom(dlg, from, previous, [](const Window* c) {
            return (c->style & kWsTabStop) && TakesFocus(c);
        }))
        dlg->focus = next->hwnd;
}

// The group of a control runs from the control that starts it (WS_GROUP, or
// the first control) to the one before the next start.
void Arrow(Window* dlg, bool previous) {
    const size_t at = IndexOf(dlg, dlg->focus);
    if (at == dlg->controls.size() || dlg->controls[at]->className == "edit")
        return;
    size_t first = at;
    while (first > 0 && !(dlg->controls[first]->style & WS_GROUP))
        --first;
    size_t end = at + 1;
    while (end < dlg->controls.size() && !(dlg->controls[end]->style & WS_GROUP))
        ++end;
    const size_t size = end - first;
    for (size_t step = 1; step < size; ++step) {
        const size_t offset = at - first;
        Window* c = dlg->controls[first + (previous ? offset + size - step : offset + step) % size];
        if (!TakesFocus(c))
            continue;
        dlg->focus = c->hwnd;
        if (IsButtonOfKind(c, {kBsAutoRadioButton}) && c->check == 0)
            Click(c);
        return;
    }
}

void Enter(Window* dlg) {
    Window* focus = Find(dlg->focus);
    if (focus && IsPushButton(focus)) {
        Click(focus);
        return;
    }
    Window* ok = ControlOf(dlg, IDOK);
    if (ok && !ok->enabled)
        return;
    Send(dlg, WM_COMMAND, WPARAM(IDOK) | WPARAM(BN_CLICKED) << 16,
         reinterpret_cast<LPARAM>(ok ? ok->hwnd : nullptr));
}

void Escape(Window* dlg) {
    Window* cancel = ControlOf(dlg, IDCANCEL);
    Send(dlg, WM_COMMAND, WPARAM(IDCANCEL) | WPARAM(BN_CLICKED) << 16,
         reinterpret_cast<LPARAM>(cancel ? cancel->hwnd : nullptr));
}

// Space pushes the focused button and clicks it on release, unless it was
// disabled, or its window left the front, in between.
void Space(Window* dlg, bool down) {
    Window* focus = Find(dlg->focus);
    const bool button = focus && focus->className == "button";
    if (down) {
        if (button && ClickMayReach(focus))
            S().capture = focus->hwnd;
        return;
    }
    const bool pushed = button && S().capture == focus->hwnd;
    if (pushed) {
        S().capture = nullptr;
        if (ClickMayReach(focus))
            Click(focus);
    }
}

} // namespace

void SetFirstFocus(Window* dlg) {
    dlg->focus = nullptr;
    for (Window* control : dlg->controls)
        if ((control->style & kWsTabStop) && TakesFocus(control)) {
            dlg->focus = control->hwnd;
            return;
        }
}

void HandleKey(Window* dlg, int vk, bool down, bool dialogKeys) {
    const bool shift = (vk & kWithShift) != 0;
    const int key = vk & ~kWithShift;
    if (key == kVkSpace)
        Space(dlg, down);
    if (!down || !dialogKeys)
        return; // the pump hands keys on without the dialog manager
    switch (key) {
    case kVkTab:
        Tab(dlg, shift);
        break;
    case kVkLeft:
    case kVkUp:
        Arrow(dlg, true);
        break;
    case kVkRight:
    case kVkDown:
        Arrow(dlg, false);
        break;
    case kVkReturn:
        Enter(dlg);
        break;
    case kVkEscape:
        Escape(dlg);
        break;
    default:
        break;
    }
}

} // namespace sim::internal

namespace sim {

int FocusedId(const CWnd* window) {
    using namespace internal;
    Window* dlg = window ? Find(window) : FrontWindow();
    Window* focus = dlg ? Find(dlg->focus) : nullptr;
    return focus ? focus->id : 0;
}

} // namespace sim

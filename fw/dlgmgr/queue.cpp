// The message queue: posted messages, raw input and paint requests, taken
// one at a time in the platform's order, and where each input goes.
#include <algorithm>

#include "fw/dlgmgr/state.h"

namespace dlgmgr {

using namespace internal;

namespace {

// Where input goes: the named dialog, or the one in front; only a dialog in
// front and enabled takes it.
Window* InputTarget(const Input& in) {
    Window* front = Front();
    Window* w = in.window ? Find(in.window) : front;
    return w && w == front && w->enabled ? w : nullptr;
}

Window* PressedControl(Window* dlg, const Input& in) {
    return in.atPoint ? ControlAt(dlg, in.point) : ControlOf(dlg, in.control);
}

void Press(Window* dlg, const Input& in) {
    Window* control = PressedControl(dlg, in);
    const bool button = control && (control->kind == ControlKind::kPushButton ||
                                    control->kind == ControlKind::kCheckBox ||
                                    control->kind == ControlKind::kRadioButton);
    const bool reached = control && ClickMayReach(control);
    S().capture = button && reached ? control->hwnd : nullptr;
    // Buttons and edit boxes take the focus when pressed.
    if (reached && (button || control->kind == ControlKind::kNumberBox))
        SetFocus(dlg, control);
}

// A click is a press and a release on the same button, which stayed enabled
// and in front in between.
void Release(Window* dlg, const Input& in) {
    Window* control = PressedControl(dlg, in);
    const bool pressed = control && S().capture == control->hwnd;
    S().capture = nullptr;
    if (pressed && ClickMayReach(control))
        Click(control);
}

void Dispatch(const Input& in, Window* w, bool dialogKeys) {
    switch (in.kind) {
    case InputKind::Press:
        Press(w, in);
        break;
    case InputKind::Release:
        Release(w, in);
        break;
    case InputKind::KeyDown:
    case InputKind::KeyUp:
        HandleKey(w, in.code, in.kind == InputKind::KeyDown, dialogKeys);
        break;
    case InputKind::SysCommand:
        Send(w, WM_SYSCOMMAND, WPARAM(in.code), 0);
        break;
    default:
        break; // mouse moves change nothing
    }
}

TakenKind KindTaken(InputKind kind) {
    static const TakenKind kinds[] = {TakenKind::Press, TakenKind::Release,    TakenKind::KeyDown,
                                      TakenKind::KeyUp, TakenKind::SysCommand, TakenKind::Move,
                                      TakenKind::Host};
    return kinds[int(kind)];
}

// Tells the host of the message, handles it, and tells the host again.
template <class Handle> void Handling(const Taken& taken, Handle handle) {
    TheHost().Taking(taken, false);
    handle();
    TheHost().Taking(taken, true);
}

// Paint requests go to the window furthest back first, as the platform
// walks its windows.
Window* WindowToPaint() {
    for (HWND hwnd : S().stack)
        if (Window* w = Find(hwnd); w && !w->invalid.empty())
            return w;
    return nullptr;
}

} // namespace

void QueueInput(const Input& input) {
    S().input.push_back(input);
}

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    S().posted.push_back({window, message, wParam, lParam});
}

void Invalidate(Window* dlg, const RECT* area) {
    if (!dlg || !dlg->open)
        return;
    const RECT& client = dlg->rect;
    RECT r = area ? *area : client;
    r = {std::max(r.left, client.left), std::max(r.top, client.top),
         std::min(r.right, client.right), std::min(r.bottom, client.bottom)};
    if (r.left < r.right && r.top < r.bottom)
        dlg->invalid.push_back(r);
}

namespace {

// A posted key or mouse message is input to the window it names, as if the
// player had made it.
bool PostedInput(const Posted& p, Input& in) {
    Window* w = Find(p.target);
    if (!w)
        return false;
    switch (p.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        in.kind = p.message == WM_KEYDOWN ? InputKind::KeyDown : InputKind::KeyUp;
        in.code = int(p.wParam);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        if (w->IsDialog())
            return false;
        in.kind = p.message == WM_LBUTTONDOWN ? InputKind::Press : InputKind::Release;
        in.control = w->id;
        break;
    default:
        return false;
    }
    in.window = w->IsDialog() ? w->hwnd : w->dialog->hwnd;
    return true;
}

void TakeInput(const Input& in, bool dialogKeys) {
    Window* w = in.kind == InputKind::Host ? nullptr : InputTarget(in);
    int code = in.code;
    if (in.kind == InputKind::Press || in.kind == InputKind::Release) {
        Window* c = w && in.atPoint ? ControlAt(w, in.point) : nullptr;
        code = in.atPoint ? (c ? c->id : 0) : in.control;
    }
    Handling({KindTaken(in.kind), code, w ? w->hwnd : nullptr, dialogKeys}, [&] {
        if (in.kind == InputKind::Host)
            TheHost().HostInput(in.code);
        else if (w)
            Dispatch(in, w, dialogKeys);
        else if (in.kind == InputKind::Release)
            S().capture = nullptr;
    });
}

} // namespace

bool TakeOne(bool dialogKeys) {
    TheHost().Poll();
    State& s = S();
    if (!s.posted.empty()) {
        const Posted p = s.posted.front();
        s.posted.pop_front();
        Input in{InputKind::Move};
        if (PostedInput(p, in)) {
            TakeInput(in, dialogKeys);
            return true;
        }
        // A dialog taken down meanwhile no longer receives it.
        Window* w = Find(p.target);
        if (w && w->IsDialog() && !w->open)
            w = nullptr;
        const int code = p.message == WM_COMMAND ? int(p.wParam & 0xFFFF) : int(p.message);
        Handling({TakenKind::Posted, code, w ? w->hwnd : nullptr, dialogKeys}, [&] {
            if (w)
                Send(w, p.message, p.wParam, p.lParam);
        });
        return true;
    }
    if (!s.input.empty()) {
        const Input in = s.input.front();
        s.input.pop_front();
        TakeInput(in, dialogKeys);
        return true;
    }
    if (Window* w = WindowToPaint()) {
        Handling({TakenKind::Paint, 0, w->hwnd, dialogKeys}, [&] {
            // Merged requests are painted at once; the ones that come while
            // painting wait for the next turn.
            const std::vector<RECT> area = std::move(w->invalid);
            w->invalid.clear();
            const HWND hwnd = w->hwnd;
            const std::vector<RECT>* outer = w->painting;
            w->painting = &area;
            TheHost().BeginPaint(*w);
            Send(w, WM_PAINT, 0, 0);
            if (Window* still = Find(hwnd))
                still->painting = outer;
        });
        return true;
    }
    return false;
}

bool AnythingWaiting() {
    return !S().posted.empty() || !S().input.empty() || WindowToPaint();
}

size_t WaitingCount() {
    size_t invalid = 0;
    for (HWND hwnd : S().stack)
        if (Window* w = Find(hwnd))
            invalid += !w->invalid.empty();
    return S().posted.size() + S().input.size() + invalid;
}

} // namespace dlgmgr

bool AfxPumpWaitingMessage() {
    return dlgmgr::TakeOne(false);
}

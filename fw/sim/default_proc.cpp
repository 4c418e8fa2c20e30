// The platform's default processing of the messages the game leaves to it.
#include "fw/sim/sim_state.h"

namespace {

HBRUSH FixedBrush(uintptr_t value) {
    return reinterpret_cast<HBRUSH>(value);
}

} // namespace

namespace sim {

HBRUSH FaceBrush() {
    return FixedBrush(0x7B00010);
}

HBRUSH WindowBrush() {
    return FixedBrush(0x7B00020);
}

} // namespace sim

namespace sim::internal {

LRESULT Send(Window* w, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (w->object->OnWndMsg(message, wParam, lParam, &result))
        return result;
    return DefaultProc(w, message, wParam, lParam);
}

LRESULT DefaultProc(Window* w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        // Edit boxes and lists stand on the window colour, the rest on the
        // dialog face.
        const UINT kind = message - WM_CTLCOLORMSGBOX;
        const bool window = kind == CTLCOLOR_EDIT || kind == CTLCOLOR_LISTBOX;
        auto surface = S().surfaces.find(reinterpret_cast<HDC>(wParam));
        if (surface != S().surfaces.end())
            surface->second.bkColor = window ? kWindowColor : kFaceColor;
        return reinterpret_cast<LRESULT>(window ? WindowBrush() : FaceBrush());
    }
    switch (message) {
    case WM_SETICON: {
        HICON& slot = w->icons[wParam == ICON_BIG ? ICON_BIG : ICON_SMALL];
        HICON previous = slot;
        slot = reinterpret_cast<HICON>(lParam);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            Send(w, WM_CLOSE, 0, 0);
            break;
        case SC_MINIMIZE:
            w->iconic = true;
            break;
        case SC_RESTORE:
            w->iconic = false;
            break;
        }
        return 0;
    case WM_CLOSE:
        // A dialog closes through its cancel command, posted to itself.
        if (w->IsDialog()) {
            CWnd* cancel = w->object->GetDlgItem(IDCANCEL);
            S().posted.push_back({w->hwnd, WM_COMMAND, WPARAM(IDCANCEL) | WPARAM(BN_CLICKED) << 16,
                                  reinterpret_cast<LPARAM>(cancel ? cancel->m_hWnd : nullptr)});
        }
        return 0;
    default:
        // Painting the plain dialog background, erasing the icon's
        // background: nothing the sim records.
        return 0;
    }
}

} // namespace sim::internal

using namespace sim::internal;

LRESULT CWnd::Default() {
    Window* w = Find(this);
    return w ? DefaultProc(w, m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam) : 0;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(this);
    return w ? Send(w, message, wParam, lParam) : 0;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

// The platform's default processing of the messages a dialog leaves to it,
// and the system menu.
#include "fw/dlgmgr/state.h"

namespace dlgmgr {

using namespace internal;

namespace {

// The platform's kind of control-colour request for each window.
UINT CtlColorKind(const Window* w) {
    switch (w->kind) {
    case ControlKind::kPushButton:
        return CTLCOLOR_BTN; // check boxes, radios and group boxes count as static
    case ControlKind::kNumberBox:
        return (w->style & ES_READONLY) || !w->enabled ? CTLCOLOR_STATIC : CTLCOLOR_EDIT;
    default:
        return w->IsDialog() ? CTLCOLOR_DLG : CTLCOLOR_STATIC;
    }
}

Window* MenuOwner(HMENU menu) {
    Window* w = Find(reinterpret_cast<HWND>(menu));
    return w && w->IsDialog() && !w->sysMenu.empty() ? w : nullptr;
}

} // namespace

namespace internal {

LRESULT DefaultProc(Window* w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        // Edit boxes and lists stand on the window colour, the rest on the
        // dialog face.
        const UINT kind = message - WM_CTLCOLORMSGBOX;
        const bool window = kind == CTLCOLOR_EDIT || kind == CTLCOLOR_LISTBOX;
        TheHost().SetSurfaceBkColor(reinterpret_cast<HDC>(wParam),
                                    window ? kWindowColor : kFaceColor);
        return reinterpret_cast<LRESULT>(window ? WindowBrush() : FaceBrush());
    }
    switch (message) {
    case WM_PAINT:
        if (w->IsDialog())
            TheHost().PaintBackground(*w);
        return 0;
    case WM_SETICON: {
        HICON& slot = w->icons[wParam == ICON_BIG ? ICON_BIG : ICON_SMALL];
        HICON previous = slot;
        slot = reinterpret_cast<HICON>(lParam);
        Notify(w, Change::Icon);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            Send(w, WM_CLOSE, 0, 0);
            break;
        case SC_MINIMIZE:
        case SC_RESTORE:
            w->iconic = (wParam & 0xFFF0) == SC_MINIMIZE;
            Notify(w, Change::Iconic);
            break;
        }
        return 0;
    case WM_CLOSE:
        // A dialog closes through its cancel command, posted to itself,
        // unless its cancel button is disabled.
        if (Window* cancel = ControlOf(w, IDCANCEL);
            w->IsDialog() && (!cancel || cancel->enabled)) {
            Post(w->hwnd, WM_COMMAND, ClickedCommand(IDCANCEL),
                 reinterpret_cast<LPARAM>(cancel ? cancel->hwnd : nullptr));
        }
        return 0;
    default:
        return 0;
    }
}

} // namespace internal

LRESULT Send(Window* w, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = w->hwnd;
    LRESULT result = 0;
    if (w->object->OnWndMsg(message, wParam, lParam, &result))
        return result;
    // The handler may have taken the window down.
    Window* still = Find(hwnd);
    return still ? DefaultProc(still, message, wParam, lParam) : 0;
}

LRESULT AskCtlColor(Window* w, HDC hdc) {
    Window* dlg = w->IsDialog() ? w : w->dialog;
    return Send(dlg, WM_CTLCOLORMSGBOX + CtlColorKind(w), reinterpret_cast<WPARAM>(hdc),
                reinterpret_cast<LPARAM>(w->hwnd));
}

} // namespace dlgmgr

using namespace dlgmgr;
using namespace dlgmgr::internal;

// Null for a window without a system menu; reverting restores the first
// items and, as on the platform, returns null.
CMenu* CWnd::GetSystemMenu(BOOL bRevert) {
    Window* w = Find(this);
    if (!w || w->sysMenu.empty())
        return nullptr;
    if (bRevert) {
        w->sysMenu.resize(w->firstAppended);
        Notify(w, Change::Menu);
        return nullptr;
    }
    CMenu& menu = CWndBackend::SysMenu(*this);
    menu.m_hMenu = w->SysMenuHandle();
    return &menu;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem) {
    Window* w = MenuOwner(m_hMenu);
    if (!w)
        return FALSE;
    const bool separator = nFlags & MF_SEPARATOR;
    w->sysMenu.push_back({nFlags, separator ? 0 : nIDNewItem,
                          separator || !lpszNewItem ? std::string() : lpszNewItem});
    Notify(w, Change::Menu);
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
    Window* w = MenuOwner(m_hMenu);
    if (!w)
        return FALSE;
    std::vector<MenuItem>& items = w->sysMenu;
    size_t at = items.size();
    if (nFlags & MF_BYPOSITION) {
        at = nPosition;
    } else {
        for (size_t i = 0; i < items.size(); ++i)
            if (!(items[i].flags & MF_SEPARATOR) && items[i].id == nPosition) {
                at = i;
                break;
            }
    }
    if (at >= items.size())
        return FALSE;
    items.erase(items.begin() + long(at));
    if (at < w->firstAppended)
        --w->firstAppended;
    Notify(w, Change::Menu);
    return TRUE;
}

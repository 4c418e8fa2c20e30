// CWnd on the platform's windows. A dialog we run is its own CWnd; each of
// its controls gets one wrapper object the first time it is asked for, kept
// by the dialog's run so that pointers stay valid until the run ends.
#include "fw/win32/win32.h"

#include <new>
#include <vector>

#include "fw/win32/backend.h"

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd)
        return nullptr;
    if (DialogRun* run = FindRun(hWnd))
        return run->dialog;
    // GA_PARENT, unlike GetParent, never answers with the owner of a popup.
    DialogRun* parentRun = FindRun(GetAncestor(hWnd, GA_PARENT));
    if (!parentRun)
        return nullptr;
    std::unique_ptr<CWnd>& wrapper = parentRun->controls[hWnd];
    // Out of memory there is no wrapper, as there is no control.
    if (!wrapper) {
        wrapper.reset(new (std::nothrow) CWnd);
        if (wrapper)
            wrapper->m_hWnd = hWnd;
    }
    return wrapper.get();
}

CWnd* CWnd::GetDlgItem(int nID) const {
    return m_hWnd ? FromHandle(::GetDlgItem(m_hWnd, nID)) : nullptr;
}

int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}

CWnd* CWnd::GetNextWindow() const {
    return FromHandle(::GetWindow(m_hWnd, GW_HWNDNEXT));
}

DWORD CWnd::GetStyle() const {
    return (DWORD)GetWindowLongA(m_hWnd, GWL_STYLE);
}

bool CWnd::IsRadioButton() const {
    char cls[16] = "";
    if (!GetClassNameA(m_hWnd, cls, sizeof cls) || lstrcmpiA(cls, "Button") != 0)
        return false;
    const DWORD type = GetStyle() & 0x0F;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}

void CWnd::SetWindowText(const char* text) {
    SetWindowTextA(m_hWnd, text);
}

std::string CWnd::GetWindowText() const {
    const int length = GetWindowTextLengthA(m_hWnd);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(length + 1);
    const int copied = GetWindowTextA(m_hWnd, buffer.data(), length + 1);
    return std::string(buffer.data(), copied > 0 ? copied : 0);
}

void CWnd::SetCheck(int nCheck) {
    SendMessageA(m_hWnd, BM_SETCHECK, (WPARAM)nCheck, 0);
}

int CWnd::GetCheck() const {
    return (int)SendMessageA(m_hWnd, BM_GETCHECK, 0, 0);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return PostMessageA(m_hWnd, message, wParam, lParam);
}

CWnd* CWnd::GetFocus() {
    return FromHandle(::GetFocus());
}

void CWnd::Invalidate() {
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return (HICON)SendMessageA(m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, (LPARAM)hIcon);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) {
    m_sysMenu.m_hMenu = ::GetSystemMenu(m_hWnd, bRevert);
    return m_sysMenu.m_hMenu ? &m_sysMenu : nullptr;
}

BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}

void CWnd::GetClientRect(RECT* rect) const {
    ::GetClientRect(m_hWnd, rect);
}

namespace {

// A control whose class has CS_PARENTDC (static controls, buttons) draws on
// its parent's surface. Wine's own surface for such a control is cut at the
// control's edges, so the backend takes the parent's surface itself.
HWND SurfaceOwner(HWND hWnd) {
    if (!(GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) ||
        !(GetClassLongPtrA(hWnd, GCL_STYLE) & CS_PARENTDC))
        return hWnd;
    HWND parent = GetAncestor(hWnd, GA_PARENT);
    return parent ? parent : hWnd;
}

// While a dialog handles a paint request, drawing on its surface or on a
// control's stays inside the area that request repaints: the controls
// outside it do not paint themselves again and must not be covered.
void KeepInsidePaint(HWND owner, HDC hdc) {
    DialogRun* run = FindRun(owner);
    if (!run)
        run = FindRun(GetAncestor(owner, GA_PARENT));
    if (!run || !run->paintRegion || !run->dialog->GetSafeHwnd())
        return;
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    if (!clip)
        return;
    CombineRgn(clip, run->paintRegion, nullptr, RGN_COPY);
    POINT origin = {0, 0};
    MapWindowPoints(run->dialog->GetSafeHwnd(), owner, &origin, 1);
    OffsetRgn(clip, origin.x, origin.y);
    SelectClipRgn(hdc, clip);
    DeleteObject(clip);
}

} // namespace

// The surface has its origin at the window's client origin. For a control on
// its parent's surface, a picture drawn there is not cut at the control's
// edges: it shows anywhere inside the parent's client area, over the sibling
// controls too (during a paint request, anywhere inside the repainted area).
CDC* CWnd::GetDC() {
    if (!m_hWnd)
        return nullptr;
    HWND owner = SurfaceOwner(m_hWnd);
    HDC hdc = ::GetDC(owner);
    if (!hdc)
        return nullptr;
    SaveDC(hdc);
    if (owner != m_hWnd) {
        POINT origin = {0, 0};
        MapWindowPoints(m_hWnd, owner, &origin, 1);
        OffsetViewportOrgEx(hdc, origin.x, origin.y, nullptr);
    }
    KeepInsidePaint(owner, hdc);
    // Out of memory (a long winning streak fills the address space) there
    // is no surface to draw on, and nothing is drawn.
    CDC* dc = new (std::nothrow) CDC(hdc);
    if (!dc) {
        RestoreDC(hdc, -1);
        ::ReleaseDC(owner, hdc);
    }
    return dc;
}

int CWnd::ReleaseDC(CDC* pDC) {
    if (!pDC)
        return 0;
    RestoreDC(pDC->m_hDC, -1);
    const int released = ::ReleaseDC(SurfaceOwner(m_hWnd), pDC->m_hDC);
    delete pDC;
    return released;
}

// A window whose system menu has no Move item cannot be moved, neither from
// the menu nor by dragging its caption. Wine's default handling does not
// look at the menu, so the backend does.
static bool MoveRemoved(HWND hWnd, const AFX_MSG& msg) {
    if (msg.message != WM_SYSCOMMAND || (msg.wParam & 0xFFF0) != SC_MOVE)
        return false;
    HMENU menu = GetSystemMenu(hWnd, FALSE);
    return menu && GetMenuState(menu, SC_MOVE, MF_BYCOMMAND) == (UINT)-1;
}

LRESULT CWnd::Default() {
    const AFX_MSG& msg = CWndBackend::CurrentMsg(*this);
    if (m_hWnd && MoveRemoved(m_hWnd, msg))
        return 0;
    DialogRun* run = FindRun(m_hWnd);
    if (run && run->dialog == this)
        return CallWindowProcA(run->previousProc, m_hWnd, msg.message, msg.wParam, msg.lParam);
    return m_hWnd ? DefWindowProcA(m_hWnd, msg.message, msg.wParam, msg.lParam) : 0;
}

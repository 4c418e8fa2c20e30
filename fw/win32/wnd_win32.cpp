// CWnd on the platform's windows. A dialog we run is its own CWnd; each of
// its controls gets one wrapper object the first time it is asked for, kept
// by the dialog's run so that pointers stay valid until the run ends.
#include "fw/win32/win32.h"

#include <vector>

#include "fw/win32/backend.h"

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd)
        return nullptr;
    if (DialogRun* run = CWndBackend::FindRun(hWnd))
        return run->dialog;
    // GA_PARENT, unlike GetParent, never answers with the owner of a popup.
    DialogRun* parentRun = CWndBackend::FindRun(GetAncestor(hWnd, GA_PARENT));
    if (!parentRun)
        return nullptr;
    std::unique_ptr<CWnd>& wrapper = parentRun->controls[hWnd];
    if (!wrapper) {
        wrapper.reset(new CWnd);
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

// A static control's surface is its parent's, moved to the control's origin
// (the class has CS_PARENTDC), so what is drawn on it is not cut at the
// control's edges.
CDC* CWnd::GetDC() {
    if (!m_hWnd)
        return nullptr;
    HDC hdc = ::GetDC(m_hWnd);
    return hdc ? new CDC(hdc) : nullptr;
}

int CWnd::ReleaseDC(CDC* pDC) {
    if (!pDC)
        return 0;
    const int released = ::ReleaseDC(m_hWnd, pDC->m_hDC);
    delete pDC;
    return released;
}

LRESULT CWnd::Default() {
    const AFX_MSG& msg = CWndBackend::CurrentMsg(*this);
    DialogRun* run = CWndBackend::FindRun(m_hWnd);
    if (run && run->dialog == this)
        return CallWindowProcA(run->previousProc, m_hWnd, msg.message, msg.wParam, msg.lParam);
    return m_hWnd ? DefWindowProcA(m_hWnd, msg.message, msg.wParam, msg.lParam) : 0;
}

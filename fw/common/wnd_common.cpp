// The parts of CWnd that do not depend on the platform.
#include "fw/ddx.h"
#include "fw/wnd.h"

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    // Handlers may run nested inside other handlers (a busy loop pumps
    // messages), so the message that Default() means is kept per level.
    const AFX_MSG saved = m_currentMsg;
    m_currentMsg = {message, wParam, lParam};

    bool handled;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        // Every kind of control-colour request reaches the one handler.
        CDC dc((HDC)wParam);
        AFX_CTLCOLOR args = {&dc, CWnd::FromHandle((HWND)lParam), message - WM_CTLCOLORMSGBOX};
        handled = DispatchToMap({WM_CTLCOLOR, 0, (LPARAM)&args}, pResult);
    } else {
        handled = DispatchToMap({message, wParam, lParam}, pResult);
    }

    m_currentMsg = saved;
    return handled;
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return (HBRUSH)Default();
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

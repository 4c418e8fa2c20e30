// A backend's access to the parts of the framework objects that game code
// does not see (the one friend of CWnd and CDialog, shared by every backend).
#pragma once

#include "fw/afxwin.h"

class CWndBackend {
public:
    // The raw message the window is handling, for its default processing.
    static const AFX_MSG& CurrentMsg(const CWnd& wnd) { return wnd.m_currentMsg; }
    // The wrapper GetSystemMenu hands out.
    static CMenu& SysMenu(CWnd& wnd) { return wnd.m_sysMenu; }
    static CWnd* Parent(const CDialog& dlg) { return dlg.m_pParentWnd; }
    // What the backend keeps for a running dialog; null when none.
    static void* RunOf(const CDialog& dlg) { return dlg.m_pBackend; }
    static void SetRun(CDialog& dlg, void* run) { dlg.m_pBackend = run; }
};

// The device contexts the program draws with: a dialog's paint request, and
// a window's own surface at any other time.
#include "fw/afxwin.h"
#include "fw/hosted/surface.h"

// The dialog manager answered the paint request before WM_PAINT; the
// platform's paint record is not needed.
CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd), m_ps() {
    static_cast<void>(m_ps);
    dlgmgr::Window* dlg = dlgmgr::Find(m_pWnd);
    if (dlg && dlg->IsDialog())
        m_hDC = HandleOf(TakeSurface(dlg, 0, 0));
}

CPaintDC::~CPaintDC() {
    ReleaseSurface(SurfaceOf(m_hDC));
}

CDC* CWnd::GetDC() {
    dlgmgr::Window* w = dlgmgr::Find(this);
    SurfaceDC* dc = !w              ? nullptr
                    : w->IsDialog() ? TakeSurface(w, 0, 0)
                                    : TakeSurface(w->dialog, int(w->rect.left), int(w->rect.top));
    return dc ? new CDC(HandleOf(dc)) : nullptr;
}

int CWnd::ReleaseDC(CDC* pDC) {
    if (!pDC)
        return 0;
    ReleaseSurface(SurfaceOf(pDC->m_hDC));
    delete pDC;
    return 1;
}

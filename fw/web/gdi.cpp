// Drawing surfaces, icons on them, and paint requests.
#include "fw/web/resources.h"

COLORREF CDC::SetBkColor(COLORREF color) {
    SurfaceDC* dc = SurfaceOf(m_hDC);
    if (!dc)
        return 0xFFFFFFFF;
    const COLORREF previous = dc->bkColor;
    dc->bkColor = color;
    dc->bkColorSet = true;
    return previous;
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    const IconImages* icon = IconOf(hIcon);
    SurfaceDC* dc = SurfaceOf(m_hDC);
    const Picture* image = icon ? icon->Best(AfxGetSystemMetrics(SM_CXICON)) : nullptr;
    if (!image || !dc)
        return FALSE;
    DrawPicture(dc, *image, x, y);
    return TRUE;
}

// The dialog manager answered the paint request before WM_PAINT.
// The platform's paint record is not needed here.
CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd), m_ps() {
    static_cast<void>(m_ps);
    Window* dlg = dlgmgr::Find(m_pWnd);
    if (dlg && dlg->IsDialog())
        m_hDC = HandleOf(TakeSurface(dlg, 0, 0));
}

CPaintDC::~CPaintDC() {
    ReleaseSurface(SurfaceOf(m_hDC));
}

CDC* CWnd::GetDC() {
    Window* w = dlgmgr::Find(this);
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

// Drawing surfaces, the draw log and GDI objects.
#include "fw/sim/sim_state.h"

namespace sim::internal {

HDC NewSurface(HWND window, bool handedOut) {
    HDC hdc = reinterpret_cast<HDC>(NewHandle());
    Surface surface;
    surface.window = window;
    surface.handedOut = handedOut;
    S().surfaces[hdc] = surface;
    if (handedOut) {
        ++S().surfacesTaken;
        ++S().liveSurfaces;
    }
    return hdc;
}

void FreeSurface(HDC hdc) {
    auto it = S().surfaces.find(hdc);
    if (it == S().surfaces.end())
        return;
    if (it->second.handedOut)
        --S().liveSurfaces;
    S().surfaces.erase(it);
}

bool LogDraw(HDC hdc, const CImageList* list, int image, HICON icon, int x, int y) {
    auto it = S().surfaces.find(hdc);
    if (it == S().surfaces.end())
        return false;
    const Window* w = dlgmgr::Find(it->second.window);
    const Window* dlg = w && !w->IsDialog() ? w->dialog : w;
    S().drawLog.push_back(DrawCall{dlg ? dlg->object : nullptr, w && w != dlg ? w->id : 0, list,
                                   image, icon, x, y, S().now});
    return true;
}

} // namespace sim::internal

using namespace sim::internal;

CDC* CWnd::GetDC() {
    Window* w = dlgmgr::Find(this);
    if (!w)
        return nullptr;
    CDC* dc = new CDC(NewSurface(w->hwnd, true));
    S().surfaces[dc->m_hDC].object = dc;
    return dc;
}

// Only a surface this window handed out can be given back to it.
int CWnd::ReleaseDC(CDC* pDC) {
    if (!pDC)
        return 0;
    auto it = S().surfaces.find(pDC->m_hDC);
    if (it == S().surfaces.end() || it->second.object != pDC || it->second.window != m_hWnd)
        return 0;
    FreeSurface(pDC->m_hDC);
    delete pDC;
    return 1;
}

COLORREF CDC::SetBkColor(COLORREF color) {
    auto it = S().surfaces.find(m_hDC);
    if (it == S().surfaces.end())
        return 0xFFFFFFFF; // the platform's CLR_INVALID
    const COLORREF previous = it->second.bkColor;
    it->second.bkColor = color;
    return previous;
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    if (sim::IconResource(hIcon) < 0)
        return FALSE;
    return LogDraw(m_hDC, nullptr, -1, hIcon, x, y);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd), m_ps() {
    if (Window* w = dlgmgr::Find(pWnd))
        m_hDC = NewSurface(w->hwnd, true);
}

CPaintDC::~CPaintDC() {
    FreeSurface(m_hDC);
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    HBITMAP bitmap = static_cast<HBITMAP>(m_hObject);
    m_hObject = nullptr;
    return S().bitmaps.erase(bitmap) > 0;
}

// Drawing surfaces, GDI objects and bitmap resources.
#include "fw/win32/win32.h"

COLORREF CDC::SetBkColor(COLORREF color) {
    return ::SetBkColor(m_hDC, color);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

static_assert(sizeof(PAINTSTRUCT) <= 96 && alignof(PAINTSTRUCT) <= 8,
              "CPaintDC::m_ps must hold a PAINTSTRUCT");

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd) {
    m_hDC = BeginPaint(m_pWnd->m_hWnd, reinterpret_cast<PAINTSTRUCT*>(m_ps));
}

CPaintDC::~CPaintDC() {
    EndPaint(m_pWnd->m_hWnd, reinterpret_cast<PAINTSTRUCT*>(m_ps));
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}

// Every resource lives in the program itself.
HINSTANCE AfxFindResourceHandle(UINT, UINT) {
    return GetModuleHandleA(nullptr);
}

HBITMAP AfxLoadBitmap(HINSTANCE hInst, UINT nID) {
    return LoadBitmapA(hInst, MAKEINTRESOURCEA(nID));
}

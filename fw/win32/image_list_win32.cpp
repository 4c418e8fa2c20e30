// CImageList on the common controls' image lists.
#include "fw/win32/win32.h"

static HIMAGELIST Handle(void* h) {
    return static_cast<HIMAGELIST>(h);
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    DeleteImageList();
    m_hImageList = ImageList_Create(cx, cy, nFlags, nInitial, nGrow);
    return m_hImageList != nullptr;
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    if (!m_hImageList || !pbmImage)
        return -1;
    return ImageList_AddMasked(Handle(m_hImageList), static_cast<HBITMAP>(pbmImage->m_hObject),
                               crMask);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    if (!m_hImageList || !pDC)
        return FALSE;
    return ImageList_Draw(Handle(m_hImageList), nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}

int CImageList::GetImageCount() const {
    return m_hImageList ? ImageList_GetImageCount(Handle(m_hImageList)) : 0;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList)
        return FALSE;
    const BOOL destroyed = ImageList_Destroy(Handle(m_hImageList));
    m_hImageList = nullptr;
    return destroyed;
}

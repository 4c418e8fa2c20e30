// Drawing: surfaces, bitmaps and image lists.
#pragma once

#include "fw/types.h"

class CWnd;

// A drawing surface. Objects from CWnd::GetDC are released with
// CWnd::ReleaseDC; others wrap a surface someone else owns.
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC hDC) : m_hDC(hDC) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    HDC GetSafeHdc() const { return m_hDC; }
    COLORREF SetBkColor(COLORREF color);
    BOOL DrawIcon(int x, int y, HICON hIcon);

    HDC m_hDC = nullptr;
};

// The surface of a paint request: begins painting the window on
// construction and ends it on destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

private:
    CWnd* m_pWnd;
    alignas(8) unsigned char m_ps[96]; // the platform's paint record
};

typedef void* HGDIOBJ;

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() { DeleteObject(); }

    BOOL Attach(HGDIOBJ hObject);
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    HGDIOBJ m_hObject = nullptr;
};

class CBitmap : public CGdiObject {};

#define AFX_RT_BITMAP 2

// The module that holds a resource of the given type and number.
HINSTANCE AfxFindResourceHandle(UINT nID, UINT nType);
// Loads a bitmap resource; null when it does not exist.
HBITMAP AfxLoadBitmap(HINSTANCE hInst, UINT nID);

class CImageList {
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList() { DeleteImageList(); }

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Appends the bitmap as the next image; pixels of crMask turn black
    // first. Returns the new image's index, or -1.
    int Add(CBitmap* pbmImage, COLORREF crMask);
    // Draws one image with its top-left corner at pt of the surface.
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    int GetImageCount() const;
    BOOL DeleteImageList();
    void* GetSafeHandle() const { return m_hImageList; }

    void* m_hImageList = nullptr;
};

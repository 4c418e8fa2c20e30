#include "fw/hosted/image_list.h"

#include <vector>

#include "fw/afxwin.h"
#include "fw/hosted/program_resources.h"

namespace {

struct ImageList {
    int cx, cy;
    std::vector<ImageSource> images;
};

ImageList* ListOf(void* handle) {
    return static_cast<ImageList*>(handle);
}

} // namespace

BOOL CImageList::Create(int cx, int cy, UINT, int, int) {
    DeleteImageList();
    if (cx <= 0 || cy <= 0)
        return FALSE;
    m_hImageList = new ImageList{cx, cy, {}};
    return TRUE;
}

// A bitmap wider than one image adds one image per image width it holds.
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    ImageList* list = ListOf(m_hImageList);
    const BitmapBits* bitmap =
        pbmImage ? BitmapOf(static_cast<HBITMAP>(pbmImage->m_hObject)) : nullptr;
    if (!list || !bitmap)
        return -1;
    const int first = int(list->images.size());
    const int parts = bitmap->width / list->cx;
    for (int part = 0; part < parts; ++part)
        list->images.push_back(
            ImageSource{bitmap->data, bitmap->size, part * list->cx, list->cx, list->cy, crMask});
    return parts > 0 ? first : -1;
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT) {
    ImageList* list = ListOf(m_hImageList);
    if (!list || !pDC || nImage < 0 || nImage >= int(list->images.size()))
        return FALSE;
    return DrawImage(SurfaceOf(pDC->m_hDC), list->images[size_t(nImage)], int(pt.x), int(pt.y));
}

int CImageList::GetImageCount() const {
    ImageList* list = ListOf(m_hImageList);
    return list ? int(list->images.size()) : 0;
}

BOOL CImageList::DeleteImageList() {
    ImageList* list = ListOf(m_hImageList);
    if (!list)
        return FALSE;
    delete list;
    m_hImageList = nullptr;
    return TRUE;
}

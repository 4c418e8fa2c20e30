// Image lists: pictures of one size, drawn by index.
#include <vector>

#include "fw/gtk/resources.h"
#include "fw/gtk/surface_dc.h"

namespace {

struct ImageList {
    int cx, cy;
    std::vector<cairo_surface_t*> images;
};

ImageList* ListOf(void* handle) {
    return static_cast<ImageList*>(handle);
}

// One image cut from the bitmap, with the pixels of the mask colour black.
cairo_surface_t* CutImage(cairo_surface_t* bitmap, int left, int cx, int cy, uint32_t mask) {
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cx, cy);
    cairo_t* cr = cairo_create(image);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    cairo_set_source_surface(cr, bitmap, -left, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(image);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < cy; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(stride) * size_t(y));
        for (int x = 0; x < cx; ++x)
            if ((row[x] & 0xFFFFFF) == mask)
                row[x] = 0xFF000000u;
    }
    cairo_surface_mark_dirty(image);
    return image;
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
    cairo_surface_t* bitmap =
        pbmImage ? BitmapSurface(static_cast<HBITMAP>(pbmImage->m_hObject)) : nullptr;
    if (!list || !bitmap)
        return -1;
    // COLORREF keeps red in the low byte, the picture in the high one.
    const uint32_t mask = (crMask & 0xFF) << 16 | (crMask & 0xFF00) | (crMask >> 16 & 0xFF);
    const int first = int(list->images.size());
    const int parts = cairo_image_surface_get_width(bitmap) / list->cx;
    for (int part = 0; part < parts; ++part)
        list->images.push_back(CutImage(bitmap, part * list->cx, list->cx, list->cy, mask));
    return parts > 0 ? first : -1;
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT) {
    ImageList* list = ListOf(m_hImageList);
    if (!list || !pDC || nImage < 0 || nImage >= int(list->images.size()))
        return FALSE;
    DrawPicture(SurfaceOf(pDC->m_hDC), list->images[size_t(nImage)], int(pt.x), int(pt.y));
    return TRUE;
}

int CImageList::GetImageCount() const {
    ImageList* list = ListOf(m_hImageList);
    return list ? int(list->images.size()) : 0;
}

BOOL CImageList::DeleteImageList() {
    ImageList* list = ListOf(m_hImageList);
    if (!list)
        return FALSE;
    for (cairo_surface_t* image : list->images)
        cairo_surface_destroy(image);
    delete list;
    m_hImageList = nullptr;
    return TRUE;
}

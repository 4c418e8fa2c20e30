// Image lists: pictures of one size, drawn by index. Adding an image only
// notes where its bits are; the picture is cut from the bitmap when it is
// first drawn and then kept for every list that holds the same image.
#include <map>
#include <tuple>
#include <vector>

#include "fw/gtk/dib.h"
#include "fw/gtk/resources.h"
#include "fw/gtk/surface_dc.h"

namespace {

// Where an image comes from: its bitmap's bits, its left edge in the
// bitmap, its size and the colour that becomes black.
struct ImageSource {
    const uint8_t* data;
    size_t size;
    int left, cx, cy;
    uint32_t mask;

    auto Key() const { return std::tie(data, left, cx, cy, mask); }
    bool operator<(const ImageSource& other) const { return Key() < other.Key(); }
};

struct ImageList {
    int cx, cy;
    std::vector<ImageSource> images;
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

// The pictures drawn so far. The bits they come from are the program's own
// and never change, so each picture is kept for the rest of the run.
cairo_surface_t* PictureOf(const ImageSource& source) {
    static std::map<ImageSource, cairo_surface_t*> pictures;
    auto it = pictures.find(source);
    if (it != pictures.end())
        return it->second;
    cairo_surface_t* bitmap = DecodeDib(source.data, source.size, false);
    if (!bitmap)
        return nullptr;
    cairo_surface_t* picture = CutImage(bitmap, source.left, source.cx, source.cy, source.mask);
    cairo_surface_destroy(bitmap);
    pictures.emplace(source, picture);
    return picture;
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
    // COLORREF keeps red in the low byte, the picture in the high one.
    const uint32_t mask = (crMask & 0xFF) << 16 | (crMask & 0xFF00) | (crMask >> 16 & 0xFF);
    const int first = int(list->images.size());
    const int parts = bitmap->width / list->cx;
    for (int part = 0; part < parts; ++part)
        list->images.push_back(
            ImageSource{bitmap->data, bitmap->size, part * list->cx, list->cx, list->cy, mask});
    return parts > 0 ? first : -1;
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT) {
    ImageList* list = ListOf(m_hImageList);
    if (!list || !pDC || nImage < 0 || nImage >= int(list->images.size()))
        return FALSE;
    cairo_surface_t* picture = PictureOf(list->images[size_t(nImage)]);
    if (!picture)
        return FALSE;
    DrawPicture(SurfaceOf(pDC->m_hDC), picture, int(pt.x), int(pt.y));
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
    delete list;
    m_hImageList = nullptr;
    return TRUE;
}

// Image lists: pictures of one size, drawn by index. Adding an image only
// notes where its bits are; the picture is cut from the bitmap when it is
// first drawn and then kept for every list that holds the same image.
#include <map>
#include <tuple>
#include <vector>

#include "fw/web/resources.h"

namespace {

// Where an image comes from: its bitmap's bits, its left edge in the
// bitmap, its size and the colour that becomes black.
struct ImageSource {
    const uint8_t* data;
    size_t size;
    int left, cx, cy;
    COLORREF mask;

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

// One image cut from the bitmap's columns: the pixels of the mask colour,
// and what lies beyond the bitmap, black.
Picture CutImage(const Picture& columns, int cx, int cy, COLORREF mask) {
    const uint32_t black = 0xFF000000u;
    Picture image{cx, cy, std::vector<uint32_t>(size_t(cx) * size_t(cy), black)};
    for (int y = 0; y < cy && y < columns.height; ++y)
        for (int x = 0; x < cx && x < columns.width; ++x) {
            // RGBA bytes keep red lowest, as COLORREF does.
            const uint32_t px = columns.pixels[size_t(y * columns.width + x)];
            image.pixels[size_t(y * cx + x)] = (px & 0xFFFFFF) == mask ? black : px;
        }
    return image;
}

// The pictures drawn so far. The bits they come from are the program's own
// and never change, so each picture is kept for the rest of the run.
const Picture* PictureOf(const ImageSource& source) {
    static std::map<ImageSource, Picture> pictures;
    auto it = pictures.find(source);
    if (it != pictures.end())
        return &it->second;
    DibPixels decoded;
    if (!DecodeDib(source.data, source.size, false, decoded, source.left, source.cx))
        return nullptr;
    return &pictures
                .emplace(source,
                         CutImage(PictureOf(decoded), source.cx, source.cy, source.mask & 0xFFFFFF))
                .first->second;
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
    const Picture* picture = PictureOf(list->images[size_t(nImage)]);
    if (!picture)
        return FALSE;
    DrawPicture(SurfaceOf(pDC->m_hDC), *picture, int(pt.x), int(pt.y));
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

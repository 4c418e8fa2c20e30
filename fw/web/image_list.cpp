// The pictures of image lists, cut from their bitmaps' columns.
#include <map>

#include "fw/hosted/image_list.h"
#include "fw/web/resources.h"

namespace {

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

bool DrawImage(SurfaceDC* dc, const ImageSource& image, int x, int y) {
    const Picture* picture = PictureOf(image);
    if (!picture)
        return false;
    DrawPicture(dc, *picture, x, y);
    return true;
}

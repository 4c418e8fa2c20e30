// Image lists: what each holds, and drawing one of its images.
#include "fw/sim/sim_state.h"

using namespace sim::internal;

namespace {

sim::ImageListInfo* Info(const void* handle) {
    auto it = S().imageLists.find(handle);
    return it == S().imageLists.end() ? nullptr : &it->second;
}

} // namespace

BOOL CImageList::Create(int cx, int cy, UINT, int, int) {
    DeleteImageList();
    if (cx <= 0 || cy <= 0 || sim::NoRoomForPictures::on)
        return FALSE;
    m_hImageList = reinterpret_cast<void*>(NewHandle());
    S().imageLists[m_hImageList] = sim::ImageListInfo{cx, cy, {}};
    return TRUE;
}

// Like the platform, a bitmap wider than one image adds one image per
// image width it holds, and one narrower adds none.
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    sim::ImageListInfo* info = Info(m_hImageList);
    if (!info || !pbmImage)
        return -1;
    auto bitmap = S().bitmaps.find(static_cast<HBITMAP>(pbmImage->m_hObject));
    if (bitmap == S().bitmaps.end())
        return -1;
    const int first = int(info->images.size());
    for (int part = 0; part < bitmap->second.width / info->cx; ++part)
        info->images.push_back({bitmap->second.resourceId, crMask});
    return first;
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT) {
    const sim::ImageListInfo* info = Info(m_hImageList);
    if (!info || !pDC || nImage < 0 || nImage >= int(info->images.size()))
        return FALSE;
    return LogDraw(pDC->m_hDC, this, nImage, nullptr, int(pt.x), int(pt.y));
}

int CImageList::GetImageCount() const {
    const sim::ImageListInfo* info = Info(m_hImageList);
    return info ? int(info->images.size()) : 0;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList)
        return FALSE;
    const bool known = S().imageLists.erase(m_hImageList) > 0;
    m_hImageList = nullptr;
    return known;
}

namespace sim {

ImageListInfo DescribeImageList(const CImageList& list) {
    const ImageListInfo* info = Info(list.GetSafeHandle());
    return info ? *info : ImageListInfo{0, 0, {}};
}

int LiveImageLists() {
    return int(S().imageLists.size());
}

} // namespace sim

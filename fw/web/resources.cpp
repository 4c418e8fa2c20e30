#include "fw/web/resources.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "fw/afxwin.h"

namespace {

// The program's resources by type and number, found at once (start-up
// looks up some two thousand).
const ResourceEntry* FindEntry(int type, UINT id) {
    static const std::map<std::pair<int, int>, const ResourceEntry*> index = [] {
        std::map<std::pair<int, int>, const ResourceEntry*> made;
        for (const ResourceEntry& entry : ProgramResources())
            if (entry.type.ordinal >= 0 && entry.name.ordinal >= 0)
                made.emplace(std::make_pair(entry.type.ordinal, entry.name.ordinal), &entry);
        return made;
    }();
    auto it = index.find({type, int(id)});
    return it == index.end() ? nullptr : it->second;
}

IconImages ReadIcon(const ResourceEntry& group) {
    IconImages icon;
    for (int imageId : IconImageIds(group)) {
        const ResourceEntry* image = FindEntry(kRtIcon, UINT(imageId));
        DibPixels decoded;
        if (image && DecodeDib(image->data.data(), image->data.size(), true, decoded))
            icon.images.push_back(PictureOf(decoded));
    }
    std::sort(icon.images.begin(), icon.images.end(),
              [](const Picture& a, const Picture& b) { return a.width > b.width; });
    return icon;
}

// Icons are shared: one per resource, loaded once, never freed.
std::map<UINT, IconImages>& Icons() {
    static std::map<UINT, IconImages> icons;
    return icons;
}

std::set<BitmapBits*>& Bitmaps() {
    static std::set<BitmapBits*> bitmaps;
    return bitmaps;
}

} // namespace

bool LoadDialogTemplate(UINT id, DlgTemplate& out) {
    const ResourceEntry* entry = FindEntry(kRtDialog, id);
    return entry && ParseDlgTemplate(entry->data.data(), entry->data.size(), out);
}

const Picture* IconImages::Best(int size) const {
    const Picture* best = nullptr;
    for (const Picture& image : images)
        if (!best || std::abs(image.width - size) < std::abs(best->width - size))
            best = &image;
    return best;
}

HICON LoadIconResource(UINT id) {
    auto it = Icons().find(id);
    if (it == Icons().end()) {
        const ResourceEntry* group = FindEntry(kRtGroupIcon, id);
        if (!group)
            return nullptr;
        IconImages icon = ReadIcon(*group);
        if (icon.images.empty())
            return nullptr;
        it = Icons().emplace(id, std::move(icon)).first;
    }
    return reinterpret_cast<HICON>(&it->second);
}

const IconImages* IconOf(HICON icon) {
    for (const auto& entry : Icons())
        if (reinterpret_cast<HICON>(const_cast<IconImages*>(&entry.second)) == icon)
            return &entry.second;
    return nullptr;
}

const BitmapBits* BitmapOf(HBITMAP bitmap) {
    BitmapBits* bits = reinterpret_cast<BitmapBits*>(bitmap);
    return Bitmaps().count(bits) ? bits : nullptr;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return LoadIconResource(nIDResource);
}

// The one program holds every resource.
HINSTANCE AfxFindResourceHandle(UINT, UINT) {
    static char program;
    return reinterpret_cast<HINSTANCE>(&program);
}

HBITMAP AfxLoadBitmap(HINSTANCE hInst, UINT nID) {
    const ResourceEntry* entry = hInst ? FindEntry(kRtBitmap, nID) : nullptr;
    if (!entry)
        return nullptr;
    // Start-up loads some two thousand bitmaps: only the header is read now.
    int width = 0, height = 0;
    if (!DibSize(entry->data.data(), entry->data.size(), width, height))
        return nullptr;
    BitmapBits* bits = new BitmapBits{entry->data.data(), entry->data.size(), width, height};
    Bitmaps().insert(bits);
    return reinterpret_cast<HBITMAP>(bits);
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    BitmapBits* bits = reinterpret_cast<BitmapBits*>(m_hObject);
    m_hObject = nullptr;
    if (!Bitmaps().erase(bits))
        return FALSE;
    delete bits;
    return TRUE;
}

BOOL CString::LoadString(UINT nID) {
    *this = CString(LoadStringResource(ProgramResources(), int(nID)).c_str());
    return !IsEmpty();
}

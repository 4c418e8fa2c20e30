#include "fw/web/resources.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "fw/afxwin.h"

namespace {

IconImages ReadIcon(const ResourceEntry& group) {
    IconImages icon;
    for (int imageId : IconImageIds(group)) {
        const ResourceEntry* image = FindProgramResource(kRtIcon, UINT(imageId));
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

} // namespace

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
        const ResourceEntry* group = FindProgramResource(kRtGroupIcon, id);
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

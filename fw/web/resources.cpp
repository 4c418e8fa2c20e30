// The icons of the program's resources, as the page shows them.
#include "fw/web/resources.h"

#include <algorithm>
#include <cstdlib>

#include "fw/afxwin.h"

IconImages* ReadIcon(const ResourceEntry& group) {
    IconImages icon;
    for (int imageId : IconImageIds(group)) {
        const ResourceEntry* image = FindProgramResource(kRtIcon, UINT(imageId));
        DibPixels decoded;
        if (image && DecodeDib(image->data.data(), image->data.size(), true, decoded))
            icon.images.push_back(PictureOf(decoded));
    }
    std::sort(icon.images.begin(), icon.images.end(),
              [](const Picture& a, const Picture& b) { return a.width > b.width; });
    return icon.images.empty() ? nullptr : new IconImages(std::move(icon));
}

const Picture* IconImages::Best(int size) const {
    const Picture* best = nullptr;
    for (const Picture& image : images)
        if (!best || std::abs(image.width - size) < std::abs(best->width - size))
            best = &image;
    return best;
}

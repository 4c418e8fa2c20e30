// The icons of the program's resources, as this backend shows them; the
// rest of its resources are read in fw/hosted.
#pragma once

#include <vector>

#include "fw/hosted/program_resources.h"
#include "fw/web/surface.h"

// An icon resource: every image of its group, largest first.
struct IconImages {
    std::vector<Picture> images;
    // The image closest to size pixels wide, or null.
    const Picture* Best(int size) const;
};

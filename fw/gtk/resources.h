// The icons of the program's resources, as this backend shows them; the
// rest of its resources are read in fw/hosted.
#pragma once

#include "fw/gtk/toolkit.h"

#include <vector>

#include "fw/hosted/program_resources.h"

// An icon resource: every image of its group, largest first.
struct IconImages {
    std::vector<GdkPixbuf*> images;
    // The image closest to size pixels wide, or null.
    GdkPixbuf* Best(int size) const;
};

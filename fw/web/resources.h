// The program's resources: templates, the string table, icons and bitmaps,
// read from the compiled resource file built into the program.
#pragma once

#include <vector>

#include "fw/common/dlg_template.h"
#include "fw/common/res_file.h"
#include "fw/types.h"
#include "fw/web/surface.h"

const ResourceList& ProgramResources();

bool LoadDialogTemplate(UINT id, DlgTemplate& out);

// An icon resource: every image of its group, largest first.
struct IconImages {
    std::vector<Picture> images;
    // The image closest to size pixels wide, or null.
    const Picture* Best(int size) const;
};
// The icon of a handle that LoadIcon gave; null for any other value.
const IconImages* IconOf(HICON icon);
HICON LoadIconResource(UINT id);

// A loaded bitmap: its packed bits where the program's resources hold them,
// read only when a picture of it is first drawn.
struct BitmapBits {
    const uint8_t* data;
    size_t size;
    int width, height;
};
// The bitmap of a handle that AfxLoadBitmap gave; null otherwise.
const BitmapBits* BitmapOf(HBITMAP bitmap);

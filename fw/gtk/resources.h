// The program's resources: templates, the string table, icons and bitmaps,
// read from the compiled resource file built into the program.
#pragma once

#include "fw/gtk/toolkit.h"

#include <vector>

#include "fw/common/dlg_template.h"
#include "fw/common/res_file.h"
#include "fw/types.h"

const ResourceList& ProgramResources();

bool LoadDialogTemplate(UINT id, DlgTemplate& out);

// An icon resource: every image of its group, largest first.
struct IconImages {
    std::vector<GdkPixbuf*> images;
    // The image closest to size pixels wide, or null.
    GdkPixbuf* Best(int size) const;
};
// The icon of a handle that LoadIcon gave; null for any other value.
const IconImages* IconOf(HICON icon);
HICON LoadIconResource(UINT id);

// The picture of a bitmap handle that AfxLoadBitmap gave; null otherwise.
cairo_surface_t* BitmapSurface(HBITMAP bitmap);

// The program's own resources, as the backends that read the compiled
// resource file themselves (the native and the browser game) share them:
// templates, the string table and bitmap handles. Each backend builds the
// file into the program (its embedded_res.cpp) and makes its own icons.
#pragma once

#include <cstdint>

#include "fw/common/dlg_template.h"
#include "fw/common/res_file.h"
#include "fw/types.h"

const ResourceList& ProgramResources();
// A resource by type and number, or null.
const ResourceEntry* FindProgramResource(int type, UINT id);

bool LoadDialogTemplate(UINT id, DlgTemplate& out);

// A loaded bitmap: its packed bits where the program's resources hold them,
// read only when a picture of it is first drawn.
struct BitmapBits {
    const uint8_t* data;
    size_t size;
    int width, height;
};
// The bitmap of a handle that AfxLoadBitmap gave; null otherwise.
const BitmapBits* BitmapOf(HBITMAP bitmap);

// An icon resource: every image of its group, largest first, as the
// backend shows them (its resources.h defines it).
struct IconImages;
// The icon of a resource, read once and kept for the rest of the run
// (LoadIcon gives it); null when the backend can read none of its images.
HICON LoadIconResource(UINT id);
// The icon of a handle that LoadIcon gave; null for any other value.
const IconImages* IconOf(HICON icon);
// Made by the backend: the images of an icon group, or null when it can
// read none of them.
IconImages* ReadIcon(const ResourceEntry& group);

// Drawing surfaces (HDC) of the backends that draw the pictures themselves.
// Each backend defines its SurfaceDC, a place on one of a dialog's picture
// layers; the device contexts the program asks for are made from them in
// fw/hosted, the same for every such backend.
#pragma once

#include "fw/dlgmgr/manager.h"

struct SurfaceDC;

inline SurfaceDC* SurfaceOf(HDC hdc) {
    return reinterpret_cast<SurfaceDC*>(hdc);
}
inline HDC HandleOf(SurfaceDC* dc) {
    return reinterpret_cast<HDC>(dc);
}

// A surface of the dialog's client area for one drawing, its origin at
// (originX, originY) of the client: during a paint request on the layer
// under the controls, cut to the repainted area; otherwise on the layer
// over them. Null for a dialog not shown yet. Release with ReleaseSurface.
SurfaceDC* TakeSurface(dlgmgr::Window* dialog, int originX, int originY);
void ReleaseSurface(SurfaceDC* dc);

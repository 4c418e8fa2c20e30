// Drawing surfaces, icons on them, and paint requests.
#include "fw/web/resources.h"

COLORREF CDC::SetBkColor(COLORREF color) {
    SurfaceDC* dc = SurfaceOf(m_hDC);
    if (!dc)
        return 0xFFFFFFFF;
    const COLORREF previous = dc->bkColor;
    dc->bkColor = color;
    dc->bkColorSet = true;
    return previous;
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    const IconImages* icon = IconOf(hIcon);
    SurfaceDC* dc = SurfaceOf(m_hDC);
    const Picture* image = icon ? icon->Best(AfxGetSystemMetrics(SM_CXICON)) : nullptr;
    if (!image || !dc)
        return FALSE;
    DrawPicture(dc, *image, x, y);
    return TRUE;
}

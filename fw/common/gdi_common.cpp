// The parts of the drawing classes that do not depend on the platform.
#include "fw/gdi.h"

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (!hObject)
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

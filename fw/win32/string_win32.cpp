// Strings from the program's string table.
#include "fw/win32/win32.h"

BOOL CString::LoadString(UINT nID) {
    // Strings are stored in blocks of sixteen; the block's resource id is
    // the string's id divided by sixteen, plus one.
    HINSTANCE inst = AfxFindResourceHandle(nID / 16 + 1, (UINT)(UINT_PTR)RT_STRING);
    char buffer[1024];
    const int length = LoadStringA(inst, nID, buffer, sizeof buffer);
    *this = CString(length > 0 ? buffer : "");
    return length > 0;
}

#include "fw/win32/win32.h"

#include "fw/win32/template_resource.h"

bool LoadDialogTemplate(UINT nID, DlgTemplate& out) {
    HINSTANCE inst = AfxFindResourceHandle(nID, (UINT)(UINT_PTR)RT_DIALOG);
    HRSRC info = FindResourceA(inst, MAKEINTRESOURCEA(nID), RT_DIALOG);
    if (!info)
        return false;
    HGLOBAL handle = LoadResource(inst, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data)
        return false;
    return ParseDlgTemplate(static_cast<const uint8_t*>(data), SizeofResource(inst, info), out);
}

#include "fw/win32/win32.h"

#include "fw/win32/dialog_font.h"

namespace {

// The average character width the dialog manager derives a font's
// horizontal dialog unit from.
int BaseWidthOf(HDC hdc, HFONT font) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    HGDIOBJ previous = SelectObject(hdc, font);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(hdc, kLetters, 52, &size);
    SelectObject(hdc, previous);
    return (size.cx / 26 + 1) / 2;
}

// Heights keep the sign the template's font was made with: negative for a
// character height, positive for a cell height.
HFONT NarrowestFitting(HDC hdc, LOGFONTA face, int baseX) {
    const int sign = face.lfHeight < 0 ? -1 : 1;
    for (int height = sign * face.lfHeight - 1; height > 0; --height) {
        face.lfHeight = sign * height;
        face.lfWidth = 0;
        HFONT font = CreateFontIndirectA(&face);
        if (!font)
            return nullptr;
        if (BaseWidthOf(hdc, font) <= baseX)
            return font;
        DeleteObject(font);
    }
    return nullptr;
}

} // namespace

HFONT FitDialogFont(HWND hDlg, int baseX) {
    HFONT current = reinterpret_cast<HFONT>(SendMessageA(hDlg, WM_GETFONT, 0, 0));
    LOGFONTA face;
    if (!current || GetObjectA(current, sizeof face, &face) != sizeof face)
        return nullptr;

    HDC hdc = GetDC(nullptr);
    HFONT fitted = nullptr;
    if (hdc && BaseWidthOf(hdc, current) > baseX)
        fitted = NarrowestFitting(hdc, face, baseX);
    if (hdc)
        ReleaseDC(nullptr, hdc);
    if (!fitted)
        return nullptr;

    // The window is not shown yet: nothing needs redrawing.
    SendMessageA(hDlg, WM_SETFONT, reinterpret_cast<WPARAM>(fitted), FALSE);
    for (HWND child = GetWindow(hDlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(fitted), FALSE);
    return fitted;
}

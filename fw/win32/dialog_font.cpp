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

// The same face at the largest height below its own for which fits(font)
// holds, or null. Heights keep the sign the template's font was made with:
// negative for a character height, positive for a cell height.
template <class Fits> HFONT LargestFitting(LOGFONTA face, Fits fits) {
    const int sign = face.lfHeight < 0 ? -1 : 1;
    for (int height = sign * face.lfHeight - 1; height > 0; --height) {
        face.lfHeight = sign * height;
        face.lfWidth = 0;
        HFONT font = CreateFontIndirectA(&face);
        if (!font)
            return nullptr;
        if (fits(font))
            return font;
        DeleteObject(font);
    }
    return nullptr;
}

// Whether a static control's text, set in this font, fits its rectangle the
// way the control lays it out (wrapped at words).
bool TextFits(HDC hdc, HWND hCtrl, HFONT font) {
    char cls[16] = "";
    GetClassNameA(hCtrl, cls, sizeof cls);
    const DWORD style = (DWORD)GetWindowLongA(hCtrl, GWL_STYLE);
    const DWORD type = style & SS_TYPEMASK;
    if (lstrcmpiA(cls, "Static") != 0 || type > SS_RIGHT)
        return true; // only the text kinds: left, centre, right
    char text[512] = "";
    const int length = GetWindowTextA(hCtrl, text, sizeof text);
    if (length <= 0)
        return true;
    RECT client;
    GetClientRect(hCtrl, &client);
    RECT needed = {0, 0, client.right, 0};
    HGDIOBJ previous = SelectObject(hdc, font);
    const UINT format =
        DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0);
    DrawTextA(hdc, text, length, &needed, format);
    SelectObject(hdc, previous);
    return needed.right <= client.right && needed.bottom <= client.bottom;
}

bool AllTextsFit(HDC hdc, HWND hDlg, HFONT font) {
    for (HWND child = GetWindow(hDlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (!TextFits(hdc, child, font))
            return false;
    return true;
}

void GiveFont(HWND hDlg, HFONT font) {
    // The window is not shown yet: nothing needs redrawing.
    SendMessageA(hDlg, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (HWND child = GetWindow(hDlg, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// Gives the dialog the face's largest height below its own that fits, when
// its own font does not; returns the new font, or null.
template <class Fits> HFONT Refit(HWND hDlg, Fits fits) {
    HFONT current = reinterpret_cast<HFONT>(SendMessageA(hDlg, WM_GETFONT, 0, 0));
    LOGFONTA face;
    if (!current || GetObjectA(current, sizeof face, &face) != sizeof face)
        return nullptr;
    HDC hdc = GetDC(nullptr);
    if (!hdc)
        return nullptr;
    HFONT fitted = nullptr;
    if (!fits(hdc, current))
        fitted = LargestFitting(face, [&](HFONT font) { return fits(hdc, font); });
    ReleaseDC(nullptr, hdc);
    if (fitted)
        GiveFont(hDlg, fitted);
    return fitted;
}

} // namespace

HFONT FitDialogTexts(HWND hDlg) {
    return Refit(hDlg, [hDlg](HDC hdc, HFONT font) { return AllTextsFit(hdc, hDlg, font); });
}

HFONT FitDialogFont(HWND hDlg, int baseX) {
    return Refit(hDlg, [baseX](HDC hdc, HFONT font) { return BaseWidthOf(hdc, font) <= baseX; });
}

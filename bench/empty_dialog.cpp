// An empty modal dialog of the game window's size, built from a template in
// memory: what it costs Wine to start a program and show a dialog, without
// any of the game's own work. The start-up benchmark compares the game with it.
#include <windows.h>

#include <cstring>
#include <vector>

namespace {

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_CLOSE) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

void appendText(std::vector<WORD>& words, const char* text) {
    for (; *text; ++text)
        words.push_back(static_cast<WORD>(*text));
    words.push_back(0);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    DLGTEMPLATE header{};
    header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
    header.cx = 475; // the game window's size in dialog units
    header.cy = 211;
    std::memcpy(words.data(), &header, sizeof header);
    words.push_back(0); // no menu
    words.push_back(0); // the standard dialog class
    appendText(words, "Bench Empty Dialog");
    words.push_back(8);
    appendText(words, "MS Sans Serif");
    return static_cast<int>(DialogBoxIndirectParamA(
        instance, reinterpret_cast<const DLGTEMPLATE*>(words.data()), nullptr, dialogProc, 0));
}

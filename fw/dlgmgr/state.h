// The manager's own state, shared by its source files.
#pragma once

#include <deque>

#include "fw/common/wnd_backend.h"
#include "fw/dlgmgr/manager.h"

namespace dlgmgr::internal {

struct Posted {
    HWND target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct State {
    std::map<HWND, std::unique_ptr<Window>> windows;
    std::vector<HWND> stack; // running dialogs, bottom to top
    HWND capture = nullptr;  // the button a press (or Space) pushed
    std::deque<Input> input;
    std::deque<Posted> posted;
};

State& S();

Window* CreateDialogWindow(CDialog& dlg, const DlgTemplate& tpl);
void DestroyDialogWindow(Window* dlg);
void CancelCaptureWithin(const Window* w);
// A control takes a click only while it, its dialog and its place in front last.
bool ClickMayReach(const Window* control);
void SetFocus(Window* dlg, Window* control);
void SetFirstFocus(Window* dlg);
void HandleKey(Window* dlg, int vk, bool down, bool dialogKeys);
LRESULT DefaultProc(Window* w, UINT message, WPARAM wParam, LPARAM lParam);
void Notify(Window* w, Change change);
inline WPARAM ClickedCommand(int id) {
    return WPARAM(id & 0xFFFF) | WPARAM(BN_CLICKED) << 16;
}

} // namespace dlgmgr::internal

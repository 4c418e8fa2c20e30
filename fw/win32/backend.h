// What the Win32 backend keeps about the dialogs it runs, shared by its
// source files. Everything runs on the one user-interface thread.
#pragma once

#include "fw/common/wnd_backend.h"
#include "fw/win32/win32.h"

#include <map>
#include <memory>

// One modal run of a dialog: the window procedure our subclass replaced, the
// wrapper objects handed out for its controls and the font the backend gave
// its controls, if any (all freed when the run ends, after the window); and,
// while the dialog handles a paint request, the area that request repaints.
struct DialogRun {
    explicit DialogRun(CDialog* dlg) : dialog(dlg) {}
    DialogRun(const DialogRun&) = delete;
    DialogRun& operator=(const DialogRun&) = delete;
    ~DialogRun() {
        if (font)
            DeleteObject(font);
    }

    CDialog* dialog;
    WNDPROC previousProc = nullptr;
    std::map<HWND, std::unique_ptr<CWnd>> controls;
    HFONT font = nullptr;
    HRGN paintRegion = nullptr; // dialog client coordinates
};

// The run of a dialog window we have attached, or null.
DialogRun* FindRun(HWND hWnd);
// Binds the dialog object to its window and routes the window's messages
// through the dialog's message map; the dialog procedure calls it at
// WM_INITDIALOG. Returns what OnInitDialog returned.
BOOL AttachDialog(CDialog& dlg, HWND hWnd);
// Forgets the window; called when it is destroyed.
void DetachDialog(HWND hWnd);

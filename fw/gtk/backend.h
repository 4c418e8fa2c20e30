// What the GTK backend keeps about the dialog manager's windows: the
// toolkit's widgets of each dialog and control. Everything runs on the one
// user-interface thread; the rules of the dialogs are the manager's.
#pragma once

#include "fw/gtk/toolkit.h"

#include "fw/afxwin.h"
#include "fw/dlgmgr/manager.h"

// X11 has a Window of its own.
using MgrWindow = dlgmgr::Window;

struct ControlView : dlgmgr::HostView {
    GtkWidget* widget = nullptr;
};

struct DialogView : dlgmgr::HostView {
    GtkWidget* window = nullptr;
    GtkWidget* box = nullptr;    // menu bar (if any) above the canvas
    GtkWidget* canvas = nullptr; // the client area
    GtkWidget* bar = nullptr;    // the menu bar, made with the first item
    std::string faceClass;
};

inline ControlView& ControlViewOf(const MgrWindow& control) {
    return static_cast<ControlView&>(*control.view);
}
inline DialogView& DialogViewOf(const MgrWindow& dlg) {
    return static_cast<DialogView&>(*dlg.view);
}
// The dialog of a toolkit window, or null.
MgrWindow* DialogOfToplevel(GtkWidget* toplevel);

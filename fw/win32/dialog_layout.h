// Where a dialog's window and controls go when it opens, beyond what the
// platform's dialog manager does itself.
#pragma once

#include "fw/win32/template_resource.h"

// Lays the dialog window and its controls out at the scale the dialog asked
// for, in place of the one the dialog manager took from the stand-in face.
void ApplyFixedScale(HWND hDlg, const DialogScale& scale, const DlgTemplate& tpl);

// Centres the window over its owner (or the screen's work area without
// one), kept inside the work area.
void CentreOverOwner(HWND hWnd);

// The face that stands in for a template's font may be wider than the face a
// fixed-scale layout was made for; its texts would then overflow their
// controls.
#pragma once

#include "fw/win32/win32.h"

// When the dialog's font is wider on average than baseX pixels (measured as
// the dialog manager measures it), gives the dialog and its controls a font
// of the same face and weight at the largest height that is no wider, and
// returns it: the caller deletes it once the dialog is gone. Null when the
// font already fits or none narrow enough exists.
HFONT FitDialogFont(HWND hDlg, int baseX);

// A dialog at the platform's own scale may still get a stand-in face whose
// texts run wider than their labels. When a static text would not fit its
// control, gives the dialog and its controls the same face at the largest
// height at which every one fits, and returns it (the caller deletes it once
// the dialog is gone). Null when all fit already, or nothing smaller does.
HFONT FitDialogTexts(HWND hDlg);

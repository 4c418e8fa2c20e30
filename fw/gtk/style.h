// How the dialogs look: the face, size and scale of their texts, and the
// style sheet that keeps the theme from making controls larger than their
// template rectangles.
#pragma once

#include "fw/gtk/toolkit.h"

#include <string>

#include "fw/common/dlg_template.h"
#include "fw/dialog.h"

struct DialogFace {
    std::string family;
    int pixelSize = 0;
    DialogScale scale; // the dialog's layout
};

// The face the template asks for, and the scale the dialog is laid out at:
// the one it asked for, or the platform's usual one. A face wider on average
// than the scale's base width is set smaller until it fits.
DialogFace FaceFor(const DlgTemplate& tpl, const DialogScale& asked);

// The style class that gives a window's widgets the face; the style sheet
// is installed the first time.
std::string FaceClass(const DialogFace& face);

// How the dialogs look: the face, size and scale of their texts, and the
// style sheet that keeps the theme from making controls larger than their
// template rectangles.
#pragma once

#include "fw/gtk/toolkit.h"

#include <string>

#include "fw/common/dialog_face.h"

// The face of a dialog (fw/common's rule), measured with Pango.
DialogFace FaceFor(const DlgTemplate& tpl, const DialogScale& asked);

// The style class that gives a window's widgets the face; the style sheet
// is installed the first time.
std::string FaceClass(const DialogFace& face);

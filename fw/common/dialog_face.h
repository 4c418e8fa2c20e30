// The face and size a dialog's texts are set in, and the scale it is laid
// out at: the rule every backend that sets the texts itself follows.
#pragma once

#include <functional>
#include <string>

#include "fw/common/dlg_template.h"
#include "fw/dialog.h"

struct DialogFace {
    std::string family;
    int pixelSize = 0;
    DialogScale scale; // the dialog's layout
};

// The width in whole pixels of the 52 letters "A" to "Z" and "a" to "z" set
// in a face at a pixel size, as the backend's text engine measures it.
using LetterWidth = std::function<int(const std::string& family, int pixelSize)>;

// The face the template asks for (the standard sans face without one), at
// the template's points on the platform's 96 pixels per inch, and the scale
// the dialog is laid out at: the one it asked for, or the platform's usual
// one. A face wider on average than the scale's base width (measured as the
// platform's dialog manager measures one) is set smaller until it fits.
DialogFace FaceFor(const DlgTemplate& tpl, const DialogScale& asked, const LetterWidth& measure);

#include "fw/common/dialog_face.h"

namespace {

// As the platform's dialog manager measures a face: the average width of
// the 52 letters, rounded.
int AverageWidth(int letters) {
    return (letters / 26 + 1) / 2;
}

} // namespace

DialogFace FaceFor(const DlgTemplate& tpl, const DialogScale& asked, const LetterWidth& measure) {
    const DialogScale fixed = asked.IsSet() ? asked : kUsualDialogScale;
    DialogFace face;
    face.family = tpl.faceName.empty() ? "Liberation Sans" : tpl.faceName;
    // Points at the platform's 96 pixels per inch, rounded.
    const int points = tpl.pointSize > 0 ? tpl.pointSize : 8;
    face.pixelSize = (points * 96 + 36) / 72;
    while (face.pixelSize > 1 && AverageWidth(measure(face.family, face.pixelSize)) > fixed.baseX)
        --face.pixelSize;
    face.scale = fixed;
    return face;
}

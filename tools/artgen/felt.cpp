#include "felt.h"

#include "texture.h"

namespace artgen {

IndexedImage PaintFelt() {
    const Speckle& speckle = FeltSpeckle();
    IndexedImage felt(kFeltWidth, kFeltHeight, 8);
    felt.palette = speckle.shades;
    felt.pixels = SpeckleIndices(kFeltWidth, kFeltHeight, speckle);
    CheckIndexedImage(felt, "felt");
    return felt;
}

} // namespace artgen

// Palette building: ramps between two colours for antialiased edges, and a
// deterministic median-cut reduction for the pictures painted in full colour
// (banner, icon). Nothing here ever produces more colours than asked for.
#pragma once

#include "image.h"

#include <vector>

namespace artgen {

// `steps` colours from `from` (step 0) to `to` (step steps - 1), rounded.
std::vector<Rgb> Ramp(Rgb from, Rgb to, int steps);

// Blend of `from` towards `to` by t in [0, 1], rounded.
Rgb Mix(Rgb from, Rgb to, double t);

// Reduces a full-colour picture to at most `maxColours` (<= 256) colours.
// The `reserved` colours come first in the palette, in the given order, and
// pixels of exactly those colours keep them. If the picture's other colours
// fit in the remaining entries they are kept exactly; otherwise a median cut
// (boxes split at the pixel-weighted median of their widest channel) chooses
// them, and every other pixel takes its nearest palette colour. No dithering.
// Throws std::runtime_error if the reserved colours alone do not fit.
IndexedImage Quantise(const RgbImage& picture, int maxColours, int bitsPerPixel,
                      const std::vector<Rgb>& reserved);

} // namespace artgen

// The win banner, IDB_BANNER: 504 x 253 on a speckled green ground (the
// last row never shows). Left, a white oval with a laughing cartoon face
// (yellow pigtails, dollar-sign eyes); beside it a two-line cheer; right, the
// invitation in bold black; along the bottom the two-line disclaimer;
// confetti dots between.
#pragma once

#include "image.h"

namespace artgen {

constexpr int kBannerWidth = 504;
constexpr int kBannerHeight = 253;

IndexedImage PaintBanner(); // 8 bits per pixel

} // namespace artgen

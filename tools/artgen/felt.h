// The background felt, IDB_FELT: 930 x 430, plain speckled green.
#pragma once

#include "image.h"

namespace artgen {

constexpr int kFeltWidth = 930;
constexpr int kFeltHeight = 430;

IndexedImage PaintFelt(); // 8 bits per pixel

} // namespace artgen

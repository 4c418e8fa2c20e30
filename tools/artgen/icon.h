// The application icon (IDI_ABOUT, IDI_WHEELS and IDI_LOGO share it): one 32 x 32 image
// in 16 colours, a golden lucky ball with a black 7 on a white spot.
#pragma once

#include "ico_writer.h"

namespace artgen {

constexpr int kIconSize = 32;

IconImage PaintIcon(); // 4 bits per pixel; palette entry 0 is black (transparent pixels)

} // namespace artgen

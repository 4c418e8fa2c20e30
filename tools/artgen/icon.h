// The application icon (IDI_ABOUT, IDI_WHEELS and IDI_LOGO share it): a golden
// lucky ball with a black 7 on a white spot. One drawing, made at 32 x 32 in
// 16 colours for the .ico, and at the icon theme's sizes in full colour for
// the Linux desktop.
#pragma once

#include "ico_writer.h"

#include <cstdint>
#include <vector>

namespace artgen {

constexpr int kIconSize = 32;

IconImage PaintIcon(); // 4 bits per pixel; palette entry 0 is black (transparent pixels)

// The drawing scaled to size x size pixels, with soft edges: a PNG file.
std::vector<uint8_t> IconPng(int size);

} // namespace artgen

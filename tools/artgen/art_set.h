// Everything the generator writes, by resource id: the 114 bitmaps of
// the game and its icon. The tool and the tests render through
// these functions.
#pragma once

#include "image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

// The 114 bitmap ids, ascending: 176 to 223, 231, 232 to 259, 263, 273 to 308.
std::vector<int> BitmapIds();

// The picture of one bitmap id (throws std::runtime_error for an unknown id).
IndexedImage RenderBitmap(int id);

// File names inside the output folder.
std::string BitmapFileName(int id); // bitmap_<id>.bmp
constexpr const char* kIconFileName = "quintaro.ico";
constexpr const char* kStampFileName = "stamp";

// The bytes of each file.
std::vector<uint8_t> BitmapFile(int id);
std::vector<uint8_t> IconFile();

} // namespace artgen

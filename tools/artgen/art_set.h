// Everything the generator writes, by resource id: the 114 bitmaps of
// the game and its icon (with its PNGs for the Linux desktop). The tool and the tests render
// through these functions.
#pragma once

#include "image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

// The 114 bitmap ids, ascending: the blanks, the felt and the banner of
// res/resource.h and the number tiles of gfx/tile_ids.h.
std::vector<int> BitmapIds();

// The picture of one bitmap id (throws std::runtime_error for an unknown id).
IndexedImage RenderBitmap(int id);

// File names inside the output folder.
std::string BitmapFileName(int id); // bitmap_<id>.bmp
constexpr const char* kIconFileName = "quintaro.ico";
constexpr const char* kTileScriptFileName = "tile_bitmaps.rc";
constexpr const char* kStampFileName = "stamp";
// The icon for the Linux desktop's icon theme, one PNG per size:
// icon_<size>.png, size x size pixels.
std::vector<int> IconPngSizes();
std::string IconPngFileName(int size);

// The bytes of each file.
std::vector<uint8_t> BitmapFile(int id);
std::vector<uint8_t> IconFile();
std::vector<uint8_t> IconPngFile(int size);
// The resource script's lines for the number tiles, which the game's script
// includes: so the ids are listed nowhere but in gfx/tile_ids.h.
std::vector<uint8_t> TileScriptFile();

} // namespace artgen

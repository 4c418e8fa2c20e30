#include "art_set.h"

#include "banner.h"
#include "bmp_writer.h"
#include "felt.h"
#include "icon.h"
#include "ico_writer.h"
#include "tiles.h"

#include "gfx/tile_ids.h"
#include "res/resource.h"

#include <algorithm>
#include <stdexcept>

namespace artgen {

namespace {
constexpr int kMainHighest = 75;
constexpr int kBonusHighest = 35;
} // namespace

std::vector<int> BitmapIds() {
    std::vector<int> ids{IDB_MAIN_BLANK, IDB_FELT, IDB_BONUS_BLANK, IDB_BANNER};
    for (int n = 1; n <= kMainHighest; ++n)
        ids.push_back(MainTileId(n));
    for (int n = 1; n <= kBonusHighest; ++n)
        ids.push_back(BonusTileId(n));
    std::sort(ids.begin(), ids.end());
    if (ids.size() != 114 || std::adjacent_find(ids.begin(), ids.end()) != ids.end())
        throw std::logic_error("the bitmap table must hold 114 distinct ids");
    return ids;
}

IndexedImage RenderBitmap(int id) {
    switch (id) {
    case IDB_MAIN_BLANK:
        return PaintMainBlank();
    case IDB_FELT:
        return PaintFelt();
    case IDB_BONUS_BLANK:
        return PaintBonusBlank();
    case IDB_BANNER:
        return PaintBanner();
    default:
        break;
    }
    for (int n = 1; n <= kMainHighest; ++n)
        if (MainTileId(n) == id)
            return PaintMainTile(n);
    for (int n = 1; n <= kBonusHighest; ++n)
        if (BonusTileId(n) == id)
            return PaintBonusTile(n);
    throw std::runtime_error("no bitmap has the id " + std::to_string(id));
}

std::string BitmapFileName(int id) {
    return "bitmap_" + std::to_string(id) + ".bmp";
}

std::vector<uint8_t> BitmapFile(int id) {
    return EncodeBmp(RenderBitmap(id));
}

std::vector<uint8_t> TileScriptFile() {
    std::vector<int> ids;
    for (int n = 1; n <= kMainHighest; ++n)
        ids.push_back(MainTileId(n));
    for (int n = 1; n <= kBonusHighest; ++n)
        ids.push_back(BonusTileId(n));
    std::sort(ids.begin(), ids.end());
    std::string script = "// The number tiles, written by artgen from gfx/tile_ids.h.\n";
    for (int id : ids)
        script += std::to_string(id) + " BITMAP \"" + BitmapFileName(id) + "\"\n";
    return std::vector<uint8_t>(script.begin(), script.end());
}

std::vector<uint8_t> IconFile() {
    return EncodeIco(PaintIcon());
}

std::vector<int> IconPngSizes() {
    return {16, 24, 32, 48, 64, 128, 256};
}

std::string IconPngFileName(int size) {
    return "icon_" + std::to_string(size) + ".png";
}

std::vector<uint8_t> IconPngFile(int size) {
    return IconPng(size);
}

} // namespace artgen

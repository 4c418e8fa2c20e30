#include "player_art.h"

#include "gfx/tile_ids.h"
#include "res/resource.h"

#include <windows.h>

#include <climits>

namespace e2e {

namespace {

// The tile that shows number n, or for 0 the blank between two numbers.
int mainTileId(int n) {
    return n == 0 ? IDB_MAIN_BLANK : MainTileId(n);
}
int bonusTileId(int n) {
    return n == 0 ? IDB_BONUS_BLANK : BonusTileId(n);
}

// The bitmap as 0x00RRGGBB pixels, top row first, cut to at most the given size.
bool renderBitmap(HMODULE module, int id, int maxHeight, ScreenImage* image) {
    HBITMAP bitmap = LoadBitmapA(module, MAKEINTRESOURCEA(id));
    if (!bitmap)
        return false;
    BITMAP size{};
    GetObjectA(bitmap, sizeof size, &size);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = -size.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(size.bmWidth) * size.bmHeight);
    HDC screen = GetDC(nullptr);
    const int rows =
        GetDIBits(screen, bitmap, 0, size.bmHeight, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    if (rows != size.bmHeight)
        return false;
    const int height = size.bmHeight < maxHeight ? size.bmHeight : maxHeight;
    image->width = size.bmWidth;
    image->height = height;
    image->pixels.assign(pixels.begin(),
                         pixels.begin() + static_cast<size_t>(size.bmWidth) * height);
    for (uint32_t& pixel : image->pixels)
        pixel &= 0xFFFFFF;
    return true;
}

} // namespace

uint64_t imageHash(const ScreenImage& image) {
    uint64_t hash = 1469598103934665603ull; // FNV-1a
    for (uint32_t pixel : image.pixels) {
        hash ^= pixel;
        hash *= 1099511628211ull;
    }
    return hash;
}

bool GameArt::load(const std::string& exePath) {
    HMODULE module = LoadLibraryExA(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) {
        error_ = "cannot open " + exePath + " for its pictures (error " +
                 std::to_string(GetLastError()) + ")";
        return false;
    }
    struct Kind {
        std::vector<ScreenImage>* tiles;
        std::unordered_map<uint64_t, int>* byHash;
        int highest;
        int (*id)(int);
    };
    const Kind kinds[] = {{&mainTiles_, &mainByHash_, kHighestMainNumber, mainTileId},
                          {&bonusTiles_, &bonusByHash_, kHighestBonusNumber, bonusTileId}};
    bool ok = true;
    for (const Kind& kind : kinds) {
        kind.tiles->assign(kind.highest + 1, ScreenImage{});
        for (int n = 0; n <= kind.highest && ok; ++n) {
            ScreenImage& tile = (*kind.tiles)[n];
            ok = renderBitmap(module, kind.id(n), kTileSize, &tile) && tile.width == kTileSize &&
                 tile.height == kTileSize;
            if (!ok)
                error_ = "the game has no 72 x 72 picture " + std::to_string(kind.id(n));
            else
                (*kind.byHash)[imageHash(tile)] = n;
        }
    }
    if (ok && !(renderBitmap(module, IDB_FELT, INT_MAX, &felt_) &&
                renderBitmap(module, IDB_BANNER, kBannerHeight, &banner_))) {
        error_ = "the game has no felt or no banner picture";
        ok = false;
    }
    FreeLibrary(module);
    return ok;
}

const ScreenImage& GameArt::tile(bool bonus, int number) const {
    return (bonus ? bonusTiles_ : mainTiles_).at(number);
}

int GameArt::recognise(bool bonus, const ScreenImage& image) const {
    const auto& byHash = bonus ? bonusByHash_ : mainByHash_;
    const auto found = byHash.find(imageHash(image));
    if (found == byHash.end() || tile(bonus, found->second).pixels != image.pixels)
        return -1;
    return found->second;
}

} // namespace e2e

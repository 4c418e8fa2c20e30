// artgen OUTDIR: draws every picture of Quintaro into OUTDIR:
// bitmap_<id>.bmp for the 114 bitmap ids, quintaro.ico, icon_<size>.png for
// the Linux desktop's icon theme, tile_bitmaps.rc
// (the number tiles' lines of the resource script), and last an
// empty `stamp` that the build depends on.
#include "art_set.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen OUTDIR\n");
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);
        // A failed run must not leave an old stamp that looks complete.
        std::filesystem::remove(dir / artgen::kStampFileName);
        for (int id : artgen::BitmapIds())
            WriteFile(dir / artgen::BitmapFileName(id), artgen::BitmapFile(id));
        WriteFile(dir / artgen::kIconFileName, artgen::IconFile());
        for (int size : artgen::IconPngSizes())
            WriteFile(dir / artgen::IconPngFileName(size), artgen::IconPngFile(size));
        WriteFile(dir / artgen::kTileScriptFileName, artgen::TileScriptFile());
        WriteFile(dir / artgen::kStampFileName, {});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}

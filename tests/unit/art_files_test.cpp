// The pictures that tools/artgen writes into ART_DIR (the game's bitmap
// table, what the art shows, and the icon): every id present with its
// size, depth and palette; no pure white in a tile; the tile the game takes
// for a number shows that number, read from its pixels; the icon's form.
#include "bmp_reader.h"
#include "digit_reader.h"

#include "artgen/art_set.h"
#include "artgen/bmp_writer.h"
#include "artgen/tiles.h"
#include "gfx/tile_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using bmp_reader::Bmp;
using bmp_reader::Colour;

const Colour kBlack{0, 0, 0};
const Colour kWhite{255, 255, 255};

std::string ArtPath(const std::string& name) {
    return std::string(ART_DIR) + "/" + name;
}

std::vector<uint8_t> FileOf(int id) {
    return bmp_reader::ReadBytes(ArtPath("bitmap_" + std::to_string(id) + ".bmp"));
}

Bmp Load(int id) {
    return bmp_reader::ParseBmp(FileOf(id));
}

// The game's bitmaps: four named pictures and a tile for every number of
// each wheel, wherever the mapping puts it. Main tiles are speckled (8 bits);
// bonus tiles up to 27 flat yellow (4 bits), above it speckled.
struct Picture {
    int id, width, height, bits;
};

std::vector<int> TileIds() {
    std::vector<int> ids = {223, 232};
    for (int n = 1; n <= 75; ++n)
        ids.push_back(MainTileId(n));
    for (int n = 1; n <= 35; ++n)
        ids.push_back(BonusTileId(n));
    return ids;
}

std::vector<Picture> Pictures() {
    std::vector<Picture> pictures = {{223, 72, 72, 8},    // IDB_MAIN_BLANK
                                     {231, 930, 430, 8},  // IDB_FELT
                                     {232, 72, 72, 4},    // IDB_BONUS_BLANK
                                     {263, 504, 253, 8}}; // IDB_BANNER
    for (int n = 1; n <= 75; ++n)
        pictures.push_back({MainTileId(n), 72, 72, 8});
    for (int n = 1; n <= 35; ++n)
        pictures.push_back({BonusTileId(n), 72, 72, n <= 27 ? 4 : 8});
    return pictures;
}

bool IsNearBlack(Colour c) {
    return int(c.r) + c.g + c.b < 150;
}

std::vector<std::pair<int, Colour>> ByFrequency(const Bmp& bmp) {
    std::map<Colour, int> counts;
    for (uint8_t i : bmp.dib.index)
        ++counts[bmp.dib.palette[i]];
    std::vector<std::pair<int, Colour>> out;
    for (const auto& [colour, count] : counts)
        out.push_back({count, colour});
    std::sort(out.begin(), out.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    return out;
}

} // namespace

TEST(ArtFiles, EveryBitmapHasItsSizeDepthAndPalette) {
    std::set<int> ids;
    for (const Picture& row : Pictures()) {
        SCOPED_TRACE("bitmap " + std::to_string(row.id));
        ids.insert(row.id);
        const Bmp bmp = Load(row.id);
        ASSERT_EQ(bmp.error, "");
        EXPECT_EQ(bmp.fileSize, bmp.bytes);
        EXPECT_EQ(bmp.dib.width, row.width);
        EXPECT_EQ(bmp.dib.height, row.height); // positive: bottom-up rows
        EXPECT_EQ(bmp.dib.bitsPerPixel, row.bits);
        EXPECT_EQ(bmp.dib.compression, 0u); // BI_RGB
        EXPECT_GE(bmp.dib.coloursUsed, 1u);
        EXPECT_LE(bmp.dib.coloursUsed, 1u << row.bits);
        EXPECT_EQ(bmp.offBits, 14 + 40 + 4 * bmp.dib.coloursUsed);
        const uint32_t stride = ((uint32_t(row.width) * uint32_t(row.bits) + 31) / 32) * 4;
        EXPECT_EQ(bmp.fileSize, bmp.offBits + stride * uint32_t(row.height));
    }
    // 114 distinct bitmaps and no others.
    EXPECT_EQ(ids.size(), 114u);
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ART_DIR))
        files += entry.path().extension() == ".bmp";
    EXPECT_EQ(files, ids.size());
}

TEST(ArtFiles, NoTileHoldsPureWhite) {
    for (int id : TileIds()) {
        const Bmp bmp = Load(id);
        ASSERT_EQ(bmp.error, "") << id;
        for (uint8_t i : bmp.dib.index)
            ASSERT_NE(bmp.dib.palette[i], kWhite) << "bitmap " << id;
    }
}

TEST(ArtFiles, EveryTileHasBlackTopAndBottomLines) {
    for (int id : TileIds()) {
        const Bmp bmp = Load(id);
        ASSERT_EQ(bmp.error, "") << id;
        for (int x = 0; x < 72; ++x) {
            ASSERT_EQ(bmp.dib.at(x, 0), kBlack) << "bitmap " << id << " x " << x;
            ASSERT_EQ(bmp.dib.at(x, 71), kBlack) << "bitmap " << id << " x " << x;
        }
        // One pixel thick: the rows next to them are background.
        int darkNextToLines = 0;
        for (int x = 0; x < 72; ++x)
            darkNextToLines += IsNearBlack(bmp.dib.at(x, 1)) + IsNearBlack(bmp.dib.at(x, 70));
        EXPECT_EQ(darkNextToLines, 0) << "bitmap " << id;
    }
}

TEST(ArtFiles, TheTileOfEachNumberShowsThatNumber) {
    for (int n = 1; n <= 75; ++n)
        EXPECT_EQ(digit_reader::ReadNumber(Load(MainTileId(n)).dib), n) << "main number " << n;
    for (int n = 1; n <= 35; ++n)
        EXPECT_EQ(digit_reader::ReadNumber(Load(BonusTileId(n)).dib), n) << "bonus number " << n;
}

TEST(ArtFiles, DigitsAreCentredAndAbout26PixelsHigh) {
    std::vector<int> ids;
    for (int n = 1; n <= 75; ++n)
        ids.push_back(MainTileId(n));
    for (int n = 1; n <= 35; ++n)
        ids.push_back(BonusTileId(n));
    for (int id : ids) {
        const Bmp bmp = Load(id);
        ASSERT_EQ(bmp.error, "") << id;
        int left = 72, right = -1, top = 72, bottom = -1;
        for (int y = 1; y < 71; ++y)
            for (int x = 0; x < 72; ++x)
                if (IsNearBlack(bmp.dib.at(x, y))) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        ASSERT_GE(right, 0) << "bitmap " << id << " shows no digits";
        const int height = bottom - top + 1;
        EXPECT_GE(height, 24) << id;
        EXPECT_LE(height, 28) << id;
        EXPECT_NEAR((left + right + 1) / 2.0, 36.0, 2.0) << id;
        EXPECT_NEAR((top + bottom + 1) / 2.0, 36.0, 2.0) << id;
        EXPECT_GE(right - left + 1, 34) << "two digits wide, bitmap " << id;
    }
}

TEST(ArtFiles, TexturesHaveTheirDominantColours) {
    for (int n : {1, 7, 33, 47, 48, 50, 51, 75}) {
        const auto top = ByFrequency(Load(MainTileId(n)));
        ASSERT_GE(top.size(), 2u);
        const std::set<Colour> firstTwo{top[0].second, top[1].second};
        EXPECT_EQ(firstTwo, (std::set<Colour>{{102, 153, 153}, {153, 204, 204}})) << n;
    }
    for (int n : {1, 9, 27}) {
        const auto top = ByFrequency(Load(BonusTileId(n)));
        EXPECT_EQ(top[0].second, (Colour{214, 206, 99})) << n;
    }
    for (int n : {28, 31, 35}) {
        const auto top = ByFrequency(Load(BonusTileId(n)));
        ASSERT_GE(top.size(), 2u);
        const std::set<Colour> firstTwo{top[0].second, top[1].second};
        EXPECT_EQ(firstTwo, (std::set<Colour>{{204, 204, 102}, {204, 204, 51}})) << n;
    }
    const Bmp felt = Load(231);
    ASSERT_EQ(felt.error, "");
    EXPECT_EQ(ByFrequency(felt)[0].second, (Colour{107, 181, 59}));
    double sum[3] = {0, 0, 0};
    for (uint8_t i : felt.dib.index) {
        sum[0] += felt.dib.palette[i].r;
        sum[1] += felt.dib.palette[i].g;
        sum[2] += felt.dib.palette[i].b;
    }
    const double pixels = double(felt.dib.index.size());
    EXPECT_NEAR(sum[0] / pixels, 107, 6);
    EXPECT_NEAR(sum[1] / pixels, 181, 6);
    EXPECT_NEAR(sum[2] / pixels, 59, 6);
}

TEST(ArtFiles, BlanksShowAHalfDiscFromEachSide) {
    for (int id : {223, 232}) {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        const Bmp bmp = Load(id);
        ASSERT_EQ(bmp.error, "");
        const auto& d = bmp.dib;
        EXPECT_EQ(d.at(0, 36), kBlack);
        EXPECT_EQ(d.at(71, 36), kBlack);
        EXPECT_EQ(d.at(0, 35), kBlack);
        EXPECT_EQ(d.at(71, 35), kBlack);
        // Round, not a band: at the edges, black near the middle row only.
        EXPECT_FALSE(IsNearBlack(d.at(0, 5)));
        EXPECT_FALSE(IsNearBlack(d.at(71, 66)));
        // Mirror images of each other, with an open middle and no number.
        int leftRun = 0, rightRun = 0;
        while (IsNearBlack(d.at(leftRun, 36)))
            ++leftRun;
        while (IsNearBlack(d.at(71 - rightRun, 36)))
            ++rightRun;
        EXPECT_GE(leftRun, 15);
        EXPECT_LE(leftRun, 33);
        EXPECT_NEAR(leftRun, rightRun, 1);
        for (int y = 3; y < 69; ++y)
            for (int x = 34; x < 38; ++x)
                EXPECT_FALSE(IsNearBlack(d.at(x, y))) << x << "," << y;
    }
}

TEST(ArtFiles, BannerHasItsWhiteOvalAndBlackLettering) {
    const Bmp banner = Load(263);
    ASSERT_EQ(banner.error, "");
    const auto top = ByFrequency(banner);
    // The ground is the green speckle; the oval is white, the lettering black.
    EXPECT_GT(top[0].second.g, top[0].second.r);
    EXPECT_GT(top[0].second.g, top[0].second.b);
    int white = 0, black = 0;
    for (uint8_t i : banner.dib.index) {
        white += banner.dib.palette[i] == kWhite;
        black += banner.dib.palette[i] == kBlack;
    }
    EXPECT_GT(white, 5000);
    EXPECT_GT(black, 2000);
    // The oval is on the left.
    EXPECT_EQ(banner.dib.at(86, 40), kWhite);
}

TEST(ArtFiles, IconIsOne32By32SixteenColourImageWithMask) {
    const auto bytes = bmp_reader::ReadBytes(ArtPath("quintaro.ico"));
    const bmp_reader::Ico ico = bmp_reader::ParseIco(bytes);
    ASSERT_EQ(ico.error, "");
    EXPECT_EQ(ico.reserved, 0u);
    EXPECT_EQ(ico.type, 1u);
    ASSERT_EQ(ico.count, 1u);
    const auto& entry = ico.entries[0];
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colourCount, 16);
    EXPECT_EQ(entry.reserved, 0);
    EXPECT_EQ(entry.planes, 1);
    EXPECT_EQ(entry.bitCount, 4);
    EXPECT_EQ(entry.imageOffset + entry.bytesInRes, bytes.size());
    EXPECT_EQ(ico.image.width, 32);
    EXPECT_EQ(ico.image.height, 64); // XOR picture and AND mask
    EXPECT_EQ(ico.image.bitsPerPixel, 4);
    EXPECT_EQ(ico.image.palette.size(), 16u);
    EXPECT_EQ(entry.bytesInRes, 40u + 16 * 4 + 32 * 16 + 32 * 4);
    ASSERT_EQ(ico.transparent.size(), 32u * 32u);
    // Round artwork: the corners show the screen, the middle is opaque.
    EXPECT_TRUE(ico.transparent[0]);
    EXPECT_TRUE(ico.transparent[31]);
    EXPECT_TRUE(ico.transparent[31 * 32]);
    EXPECT_FALSE(ico.transparent[16 * 32 + 16]);
    for (size_t i = 0; i < ico.transparent.size(); ++i) {
        if (ico.transparent[i]) {
            EXPECT_EQ(ico.image.palette[ico.image.index[i]], kBlack) << i;
        }
    }
}

TEST(ArtFiles, RenderingIsDeterministic) {
    EXPECT_EQ(artgen::BitmapFile(263), artgen::BitmapFile(263));
    EXPECT_EQ(artgen::BitmapFile(263), FileOf(263));
    EXPECT_EQ(artgen::BitmapFile(231), FileOf(231));
    EXPECT_EQ(artgen::IconFile(), bmp_reader::ReadBytes(ArtPath("quintaro.ico")));
}

TEST(ArtFiles, WriterRefusesAPaletteThatDoesNotFit) {
    artgen::IndexedImage image(2, 2, 4);
    image.palette.assign(17, artgen::Rgb{1, 2, 3});
    EXPECT_THROW(artgen::EncodeBmp(image), std::runtime_error);
    image.palette.resize(4);
    image.pixels = {0, 1, 2, 4}; // index 4 is outside the palette
    EXPECT_THROW(artgen::EncodeBmp(image), std::runtime_error);
    image.pixels = {0, 1, 2, 3};
    EXPECT_NO_THROW(artgen::EncodeBmp(image));
}

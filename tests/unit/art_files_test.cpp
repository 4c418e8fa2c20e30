// The pictures that tools/artgen writes into ART_DIR, read with the
// backends' own decoder rather than the writer: every bitmap of the game
// there with its size and no other; each tile framed, free of the mask
// colour and showing the number the game takes it for, read from its
// pixels; the blanks, the banner and the icon by their form.
#include "digit_reader.h"

#include "artgen/art_set.h"
#include "gfx/tile_ids.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Colour = uint32_t; // 0xRRGGBB
constexpr Colour kBlack = 0, kWhite = 0xFFFFFF;

std::vector<uint8_t> ReadBytes(const std::string& name) {
    std::ifstream in(std::string(ART_DIR) + "/" + name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return at + 4 <= b.size() ? uint32_t(b[at]) | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24
                              : 0;
}

// A bitmap file as stored, and its pixels as the game's backends decode them.
struct Art {
    std::vector<uint8_t> file;
    DibPixels picture;
    bool read = false;
    Colour at(int x, int y) const {
        return picture.pixels[size_t(y) * size_t(picture.width) + size_t(x)] & 0xFFFFFF;
    }
};

Art Load(int id) {
    Art art;
    art.file = ReadBytes("bitmap_" + std::to_string(id) + ".bmp");
    art.read = art.file.size() > 14 && art.file[0] == 'B' && art.file[1] == 'M' &&
               DecodeDib(art.file.data() + 14, art.file.size() - 14, false, art.picture);
    return art;
}

bool IsNearBlack(Colour c) {
    return int(c >> 16) + int(c >> 8 & 0xFF) + int(c & 0xFF) < 150;
}

// Tiles are 72 pixels square, framed by one-pixel black lines at top and
// bottom, and hold no pure white (the image lists' mask colour); each number
// tile shows its number, centred and about 26 pixels high. With the felt and
// the banner, they are all the bitmaps there are.
TEST(ArtFiles, EveryTileIsFramedWithoutWhiteAndShowsItsNumberCentred) {
    std::vector<std::pair<int, int>> tiles = {{IDB_MAIN_BLANK, 0}, {IDB_BONUS_BLANK, 0}};
    for (int n = 1; n <= 75; ++n)
        tiles.push_back({MainTileId(n), n});
    for (int n = 1; n <= 35; ++n)
        tiles.push_back({BonusTileId(n), n});
    for (const auto& [id, number] : tiles) {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        const Art art = Load(id);
        ASSERT_TRUE(art.read);
        ASSERT_EQ(std::make_pair(art.picture.width, art.picture.height), std::make_pair(72, 72));
        for (uint32_t pixel : art.picture.pixels)
            ASSERT_NE(pixel & 0xFFFFFF, kWhite);
        int darkNextToLines = 0;
        for (int x = 0; x < 72; ++x) {
            ASSERT_EQ(art.at(x, 0), kBlack) << x;
            ASSERT_EQ(art.at(x, 71), kBlack) << x;
            darkNextToLines += IsNearBlack(art.at(x, 1)) + IsNearBlack(art.at(x, 70));
        }
        EXPECT_EQ(darkNextToLines, 0);
        if (number == 0)
            continue;
        EXPECT_EQ(digit_reader::ReadNumber(art.picture), number);
        int left = 72, right = -1, top = 72, bottom = -1;
        for (int y = 1; y < 71; ++y)
            for (int x = 0; x < 72; ++x)
                if (IsNearBlack(art.at(x, y))) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        ASSERT_GE(right, 0) << "no digits";
        EXPECT_NEAR(bottom - top + 1, 26, 2);
        EXPECT_NEAR((left + right + 1) / 2.0, 36.0, 2.0);
        EXPECT_NEAR((top + bottom + 1) / 2.0, 36.0, 2.0);
        EXPECT_GE(right - left + 1, 34) << "two digits wide";
    }
    const Art felt = Load(IDB_FELT), banner = Load(IDB_BANNER);
    EXPECT_EQ(std::make_pair(felt.picture.width, felt.picture.height), std::make_pair(930, 430));
    EXPECT_EQ(std::make_pair(banner.picture.width, banner.picture.height),
              std::make_pair(504, 253));
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ART_DIR))
        files += entry.path().extension() == ".bmp";
    EXPECT_EQ(files, tiles.size() + 2);
}

// Each blank shows a half disc at either side: round, mirrored, with an open
// middle and no number.
TEST(ArtFiles, BlanksShowAHalfDiscFromEachSide) {
    for (int id : {IDB_MAIN_BLANK, IDB_BONUS_BLANK}) {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        const Art d = Load(id);
        ASSERT_TRUE(d.read);
        EXPECT_FALSE(IsNearBlack(d.at(0, 5)) || IsNearBlack(d.at(71, 66)));
        int leftRun = 0, rightRun = 0;
        while (IsNearBlack(d.at(leftRun, 36)))
            ++leftRun;
        while (IsNearBlack(d.at(71 - rightRun, 36)))
            ++rightRun;
        EXPECT_NEAR(leftRun, 24, 9);
        EXPECT_NEAR(leftRun, rightRun, 1);
        for (int y = 3; y < 69; ++y)
            for (int x = 34; x < 38; ++x)
                EXPECT_FALSE(IsNearBlack(d.at(x, y))) << x << "," << y;
    }
}

// A green ground, a white oval and black lettering.
TEST(ArtFiles, BannerHasItsWhiteOvalAndBlackLettering) {
    const Art banner = Load(IDB_BANNER);
    ASSERT_TRUE(banner.read);
    int white = 0, black = 0, green = 0;
    for (uint32_t pixel : banner.picture.pixels) {
        const Colour c = pixel & 0xFFFFFF;
        white += c == kWhite;
        black += c == kBlack;
        green += (c >> 8 & 0xFF) > (c >> 16) && (c >> 8 & 0xFF) > (c & 0xFF);
    }
    EXPECT_GT(white, 5000);
    EXPECT_GT(black, 2000);
    EXPECT_GT(green, int(banner.picture.pixels.size()) / 2);
}

// One 32 x 32 image of 16 colours with its mask: round artwork, whose
// corners show the screen and whose colour rows are black where they do.
TEST(ArtFiles, IconIsOne32By32SixteenColourImageWithMask) {
    const std::vector<uint8_t> b = ReadBytes("quintaro.ico");
    ASSERT_GE(b.size(), 22u);
    EXPECT_EQ(U32(b, 0), 0x00010000u);                // reserved, type 1 (icon)
    ASSERT_EQ(b[4] | b[5] << 8, 1);                   // one image
    EXPECT_EQ(U32(b, 6), 32u | 32u << 8 | 16u << 16); // 32 x 32, 16 colours, reserved 0
    EXPECT_EQ(U32(b, 10), 1u | 4u << 16);             // planes, bits
    const uint32_t bytes = U32(b, 14), offset = U32(b, 18);
    EXPECT_EQ(bytes, 40u + 16 * 4 + 32 * 16 + 32 * 4);
    ASSERT_EQ(offset + bytes, b.size());
    DibPixels masked, colours;
    ASSERT_TRUE(DecodeDib(b.data() + offset, bytes, true, masked));
    std::vector<uint8_t> colourRows(b.begin() + offset, b.end());
    colourRows[8] = 32; // the colour rows alone, as a bitmap
    ASSERT_TRUE(DecodeDib(colourRows.data(), colourRows.size(), false, colours));
    ASSERT_EQ(masked.pixels.size(), 32u * 32u);
    for (size_t corner : {0, 31, 31 * 32})
        EXPECT_EQ(masked.pixels[corner], 0u);
    EXPECT_NE(masked.pixels[16 * 32 + 16], 0u);
    for (size_t i = 0; i < masked.pixels.size(); ++i)
        if (masked.pixels[i] == 0) {
            EXPECT_EQ(colours.pixels[i] & 0xFFFFFF, kBlack) << i;
        }
}

TEST(ArtFiles, RenderingIsDeterministic) {
    EXPECT_EQ(artgen::BitmapFile(IDB_BANNER), Load(IDB_BANNER).file);
    EXPECT_EQ(artgen::BitmapFile(IDB_FELT), Load(IDB_FELT).file);
    EXPECT_EQ(artgen::IconFile(), ReadBytes("quintaro.ico"));
}

} // namespace

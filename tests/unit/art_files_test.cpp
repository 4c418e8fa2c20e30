// The pictures that tools/artgen writes into ART_DIR (the game's bitmap
// table, what the art shows, and the icon), read with the backends' own
// decoder rather than the writer: every id present with its size, depth and
// palette; no pure white in a tile; the tile the game takes for a number
// shows that number, read from its pixels; the icon's form.
#include "digit_reader.h"

#include "artgen/art_set.h"
#include "artgen/bmp_writer.h"
#include "gfx/tile_ids.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
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

// The colours of a picture, the most frequent first.
std::vector<Colour> ByFrequency(const Art& art) {
    std::map<Colour, int> counts;
    for (uint32_t pixel : art.picture.pixels)
        ++counts[pixel & 0xFFFFFF];
    std::vector<std::pair<int, Colour>> order;
    for (const auto& [colour, count] : counts)
        order.push_back({-count, colour});
    std::sort(order.begin(), order.end());
    std::vector<Colour> out;
    for (const auto& entry : order)
        out.push_back(entry.second);
    return out;
}

// The game's bitmaps: four named pictures and a tile for every number of
// each wheel, wherever the mapping puts it. Main tiles are speckled (8 bits);
// bonus tiles up to 27 flat yellow (4 bits), above it speckled.
struct Picture {
    int id, width, height, bits;
};

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

} // namespace

TEST(ArtFiles, EveryBitmapHasItsSizeDepthAndPalette) {
    std::set<int> ids;
    for (const Picture& row : Pictures()) {
        SCOPED_TRACE("bitmap " + std::to_string(row.id));
        ids.insert(row.id);
        const Art art = Load(row.id);
        ASSERT_TRUE(art.read);
        const std::vector<uint8_t>& b = art.file;
        EXPECT_EQ(U32(b, 2), b.size());
        EXPECT_EQ(U32(b, 14), 40u); // BITMAPINFOHEADER
        EXPECT_EQ(int32_t(U32(b, 18)), row.width);
        EXPECT_EQ(int32_t(U32(b, 22)), row.height);           // positive: bottom-up rows
        EXPECT_EQ(U32(b, 26), 1u | uint32_t(row.bits) << 16); // planes, bits
        EXPECT_EQ(U32(b, 30), 0u);                            // BI_RGB
        const uint32_t colours = U32(b, 46);
        EXPECT_GE(colours, 1u);
        EXPECT_LE(colours, 1u << row.bits);
        EXPECT_EQ(U32(b, 10), 14 + 40 + 4 * colours);
        const uint32_t stride = ((uint32_t(row.width) * uint32_t(row.bits) + 31) / 32) * 4;
        EXPECT_EQ(b.size(), 14 + 40 + 4 * colours + stride * uint32_t(row.height));
    }
    // 114 distinct bitmaps and no others.
    EXPECT_EQ(ids.size(), 114u);
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ART_DIR))
        files += entry.path().extension() == ".bmp";
    EXPECT_EQ(files, ids.size());
}

// Tiles are framed by one-pixel black lines at top and bottom and hold no
// pure white (the image lists' mask colour); each number tile shows its
// number, centred and about 26 pixels high.
TEST(ArtFiles, EveryTileIsFramedWithoutWhiteAndShowsItsNumberCentred) {
    std::vector<std::pair<int, int>> tiles = {{223, 0}, {232, 0}}; // id, number (0: blank)
    for (int n = 1; n <= 75; ++n)
        tiles.push_back({MainTileId(n), n});
    for (int n = 1; n <= 35; ++n)
        tiles.push_back({BonusTileId(n), n});
    for (const auto& [id, number] : tiles) {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        const Art art = Load(id);
        ASSERT_TRUE(art.read);
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
        EXPECT_GE(bottom - top + 1, 24);
        EXPECT_LE(bottom - top + 1, 28);
        EXPECT_NEAR((left + right + 1) / 2.0, 36.0, 2.0);
        EXPECT_NEAR((top + bottom + 1) / 2.0, 36.0, 2.0);
        EXPECT_GE(right - left + 1, 34) << "two digits wide";
    }
}

TEST(ArtFiles, TexturesHaveTheirDominantColours) {
    const std::set<Colour> teal = {0x669999, 0x99CCCC}, yellow = {0xCCCC66, 0xCCCC33};
    for (int n : {1, 7, 33, 47, 48, 50, 51, 75}) {
        const auto top = ByFrequency(Load(MainTileId(n)));
        ASSERT_GE(top.size(), 2u);
        EXPECT_EQ((std::set<Colour>{top[0], top[1]}), teal) << n;
    }
    for (int n : {1, 9, 27})
        EXPECT_EQ(ByFrequency(Load(BonusTileId(n)))[0], 0xD6CE63u) << n;
    for (int n : {28, 31, 35}) {
        const auto top = ByFrequency(Load(BonusTileId(n)));
        ASSERT_GE(top.size(), 2u);
        EXPECT_EQ((std::set<Colour>{top[0], top[1]}), yellow) << n;
    }
    const Art felt = Load(231);
    ASSERT_TRUE(felt.read);
    EXPECT_EQ(ByFrequency(felt)[0], 0x6BB53Bu);
    double sum[3] = {0, 0, 0};
    for (uint32_t pixel : felt.picture.pixels)
        for (int c = 0; c < 3; ++c)
            sum[c] += pixel >> (16 - 8 * c) & 0xFF;
    const double pixels = double(felt.picture.pixels.size());
    EXPECT_NEAR(sum[0] / pixels, 107, 6);
    EXPECT_NEAR(sum[1] / pixels, 181, 6);
    EXPECT_NEAR(sum[2] / pixels, 59, 6);
}

TEST(ArtFiles, BlanksShowAHalfDiscFromEachSide) {
    for (int id : {223, 232}) {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        const Art d = Load(id);
        ASSERT_TRUE(d.read);
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
    const Art banner = Load(263);
    ASSERT_TRUE(banner.read);
    // The ground is the green speckle; the oval is white, the lettering black.
    const Colour ground = ByFrequency(banner)[0];
    EXPECT_GT(ground >> 8 & 0xFF, ground >> 16);
    EXPECT_GT(ground >> 8 & 0xFF, ground & 0xFF);
    int white = 0, black = 0;
    for (uint32_t pixel : banner.picture.pixels) {
        white += (pixel & 0xFFFFFF) == kWhite;
        black += (pixel & 0xFFFFFF) == kBlack;
    }
    EXPECT_GT(white, 5000);
    EXPECT_GT(black, 2000);
    // The oval is on the left.
    EXPECT_EQ(banner.at(86, 40), kWhite);
}

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
    EXPECT_EQ(U32(b, offset + 8), 64u); // the colour rows and the mask below them

    // Round artwork: the corners show the screen, the middle is opaque; the
    // colour rows are black where the mask lets the screen through.
    DibPixels masked, colours;
    ASSERT_TRUE(DecodeDib(b.data() + offset, bytes, true, masked));
    std::vector<uint8_t> colourRows(b.begin() + offset, b.end());
    colourRows[8] = 32; // the colour rows alone, as a bitmap
    ASSERT_TRUE(DecodeDib(colourRows.data(), colourRows.size(), false, colours));
    ASSERT_EQ(masked.pixels.size(), 32u * 32u);
    EXPECT_EQ(masked.pixels[0], 0u);
    EXPECT_EQ(masked.pixels[31], 0u);
    EXPECT_EQ(masked.pixels[31 * 32], 0u);
    EXPECT_NE(masked.pixels[16 * 32 + 16], 0u);
    for (size_t i = 0; i < masked.pixels.size(); ++i)
        if (masked.pixels[i] == 0) {
            EXPECT_EQ(colours.pixels[i] & 0xFFFFFF, kBlack) << i;
        }
}

TEST(ArtFiles, RenderingIsDeterministic) {
    EXPECT_EQ(artgen::BitmapFile(263), Load(263).file);
    EXPECT_EQ(artgen::BitmapFile(231), Load(231).file);
    EXPECT_EQ(artgen::IconFile(), ReadBytes("quintaro.ico"));
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

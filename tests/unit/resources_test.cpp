// Checks the compiled resources against the game's layout, and the two
// readers against malformed input.
#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <string>
#include <vector>

#include "fw/common/dib.h"
#include "fw/common/dlg_template.h"
#include "fw/common/res_file.h"
#include "res/resource.h"
#include "tests/common/game_window_layout.h"
#include "tests/unit/bmp_reader.h"

namespace {

using namespace expected_layout;

const ResourceList& Resources() {
    static const ResourceList list = [] {
        ResourceList read;
        ReadResFile(QUINTARO_RES_FILE, read);
        return read;
    }();
    return list;
}

bool LoadDialog(int id, DlgTemplate& dlg) {
    const ResourceEntry* entry = FindResource(Resources(), kRtDialog, id);
    return entry && ParseDlgTemplate(entry->data.data(), entry->data.size(), dlg);
}

void ExpectControls(const DlgTemplate& dlg, const std::vector<Control>& want) {
    ASSERT_EQ(dlg.items.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        const DlgItemTemplate& got = dlg.items[i];
        const Control& w = want[i];
        SCOPED_TRACE("control No. " + std::to_string(i + 1));
        EXPECT_EQ(got.id, w.id);
        EXPECT_EQ(got.className, w.cls);
        EXPECT_EQ(got.text, w.text);
        EXPECT_EQ(got.textOrdinal, w.icon);
        EXPECT_EQ(got.style, WS_CHILD | WS_VISIBLE | w.style) << std::hex << got.style;
        EXPECT_EQ(got.exStyle, w.exStyle);
        EXPECT_EQ(std::vector<int>({got.x, got.y, got.cx, got.cy}),
                  std::vector<int>({w.x, w.y, w.cx, w.cy}));
    }
}

TEST(Resources, GameWindowTemplate) {
    DlgTemplate dlg;
    ASSERT_TRUE(LoadDialog(IDD_WHEELS, dlg));
    EXPECT_TRUE(dlg.extended);
    EXPECT_EQ(dlg.style, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                             DS_MODALFRAME | DS_CENTER | DS_SETFONT);
    EXPECT_EQ(dlg.exStyle, WS_EX_APPWINDOW);
    EXPECT_EQ(std::vector<int>({dlg.x, dlg.y, dlg.cx, dlg.cy}),
              std::vector<int>({0, 0, kGameWindowWidth, kGameWindowHeight}));
    EXPECT_EQ(dlg.caption, "Quintaro v2.0");
    EXPECT_EQ(dlg.faceName, "Arial");
    EXPECT_EQ(dlg.pointSize, 11);
    EXPECT_EQ(dlg.weight, 400);
    EXPECT_FALSE(dlg.italic);
    EXPECT_EQ(dlg.charset, 0);
    EXPECT_EQ(dlg.menuOrdinal, -1);
    EXPECT_EQ(dlg.menuName, "");
    EXPECT_EQ(dlg.className, "");
    ExpectControls(dlg, std::vector<Control>(std::begin(kGameWindow), std::end(kGameWindow)));
}

TEST(Resources, AboutBoxTemplate) {
    DlgTemplate dlg;
    ASSERT_TRUE(LoadDialog(IDD_ABOUTBOX, dlg));
    EXPECT_FALSE(dlg.extended);
    EXPECT_EQ(dlg.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    EXPECT_EQ(std::vector<int>({dlg.x, dlg.y, dlg.cx, dlg.cy}), std::vector<int>({0, 0, 235, 55}));
    EXPECT_EQ(dlg.caption, "About Quintaro");
    EXPECT_EQ(dlg.faceName, "MS Sans Serif");
    EXPECT_EQ(dlg.pointSize, 8);
    ASSERT_EQ(dlg.items.size(), 4u);
    std::string credit = dlg.items[2].text; // our own wording: only its place is fixed
    EXPECT_FALSE(credit.empty());
    EXPECT_NE(FindResource(Resources(), kRtGroupIcon, IDI_ABOUT), nullptr);
    ExpectControls(
        dlg, {
                 {-1, "static", "", SS_ICON, 0, 11, 17, 20, 20, IDI_ABOUT},
                 {-1, "static", "Quintaro Version 2.0", WS_GROUP | SS_LEFT | SS_NOPREFIX, 0, 40, 10,
                  119, 8},
                 {-1, "static", credit.c_str(), WS_GROUP | SS_LEFT, 0, 40, 25, 119, 8},
                 {1, "button", "OK", WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 178, 7, 50, 14},
             });
}

TEST(Resources, PlayAgainTemplate) {
    DlgTemplate dlg;
    ASSERT_TRUE(LoadDialog(IDD_PLAYAGAIN, dlg));
    EXPECT_TRUE(dlg.extended);
    EXPECT_EQ(dlg.style, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT); // no close box
    EXPECT_EQ(std::vector<int>({dlg.x, dlg.y, dlg.cx, dlg.cy}),
              std::vector<int>({201, 170, 401, 73}));
    EXPECT_EQ(dlg.caption, std::string(17, ' ') + "Quintaro v2.0 by ZEPHRA");
    EXPECT_EQ(dlg.faceName, "MS Sans Serif");
    EXPECT_EQ(dlg.pointSize, 8);
    EXPECT_EQ(dlg.weight, 400);
    ExpectControls(
        dlg,
        {
            {1, "button", "Play Again", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 53, 46, 50, 14},
            {2, "button", "Exit", WS_TABSTOP | BS_PUSHBUTTON, 0, 286, 46, 50, 14},
            {-1, "static",
             "Press  ' Play Again '  to start a new game.     Press  ' Exit '  to close.",
             WS_GROUP | SS_CENTER, 0, 85, 28, 211, 11},
            {-1, "static", "Are these your Lucky numbers?   Maybe they are...you never know !!",
             WS_GROUP | SS_LEFT, 0, 82, 7, 222, 8},
        });
}

// The backends' decoder (whole bitmaps, and the columns an image is cut
// from) reads every bitmap as the tests' own reader does.
TEST(Resources, DecodedBitmapsMatchAnIndependentReading) {
    for (const ResourceEntry& entry : Resources()) {
        if (!(entry.type == ResId(kRtBitmap)))
            continue;
        SCOPED_TRACE("bitmap " + std::to_string(entry.name.ordinal));
        const bmp_reader::Dib want = bmp_reader::ParseDib(entry.data, 0, 0, 0);
        const bmp_reader::Dib rows = bmp_reader::ParseDib(entry.data, 0, 0, want.rows());
        const int left = want.width / 3, columns = std::min(72, want.width - left);
        DibPixels whole, part;
        ASSERT_TRUE(DecodeDib(entry.data.data(), entry.data.size(), false, whole));
        ASSERT_TRUE(DecodeDib(entry.data.data(), entry.data.size(), false, part, left, columns));
        ASSERT_EQ(std::vector<int>({whole.width, whole.height, part.width, part.height}),
                  std::vector<int>({want.width, want.rows(), columns, want.rows()}));
        for (int y = 0; y < want.rows(); ++y)
            for (int x = 0; x < want.width; ++x) {
                const bmp_reader::Colour c = rows.at(x, y);
                const uint32_t pixel = 0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
                ASSERT_EQ(whole.pixels[size_t(y * want.width + x)], pixel) << x << "," << y;
                if (x >= left && x < left + columns) {
                    ASSERT_EQ(part.pixels[size_t(y * columns + x - left)], pixel) << x << "," << y;
                }
            }
    }
}

// Every cut of a real template, wherever it falls, is refused and leaves the
// result alone.
TEST(DlgTemplateParser, RefusesTruncatedTemplates) {
    const ResourceEntry* entry = FindResource(Resources(), kRtDialog, IDD_WHEELS);
    ASSERT_NE(entry, nullptr);
    DlgTemplate dlg;
    dlg.caption = "untouched";
    for (size_t size = 0; size < entry->data.size(); ++size) {
        std::vector<uint8_t> cut(entry->data.begin(), entry->data.begin() + size);
        ASSERT_FALSE(ParseDlgTemplate(cut.data(), cut.size(), dlg)) << size;
    }
    EXPECT_EQ(dlg.caption, "untouched");
    EXPECT_FALSE(ParseDlgTemplate(nullptr, 0, dlg));
}

TEST(ResFileReader, RefusesBadSizesAndCuts) {
    std::vector<uint8_t> file;
    {
        std::FILE* f = std::fopen(QUINTARO_RES_FILE, "rb");
        ASSERT_NE(f, nullptr);
        for (int c; (c = std::fgetc(f)) != EOF;)
            file.push_back(uint8_t(c));
        std::fclose(f);
    }
    ResourceList list;
    ASSERT_TRUE(ParseResFile(file.data(), file.size(), list));
    ASSERT_EQ(list.size(), Resources().size());

    // The format's opening entry is 32 bytes; the first real one follows.
    const size_t first = 32;
    auto patched = [&](size_t at, uint32_t value) {
        std::vector<uint8_t> copy = file;
        // at() rather than [], so a file shorter than the patch is a test error, not a stray write.
        for (int i = 0; i < 4; ++i)
            copy.at(at + i) = uint8_t(value >> (8 * i));
        return copy;
    };
    for (const std::vector<uint8_t>& bad : {
             patched(first, 0x7FFFFFF0),     // data size past the end
             patched(first + 4, 0xFFFFFFF0), // header size past the end
             patched(first + 4, 8),          // header shorter than its own fields
             std::vector<uint8_t>(file.begin(), file.begin() + first + 20), // cut in a header
             std::vector<uint8_t>(file.begin(), file.end() - 1),            // cut in the data
         })
        EXPECT_FALSE(ParseResFile(bad.data(), bad.size(), list));
    EXPECT_EQ(list.size(), Resources().size()); // untouched by the refusals
    EXPECT_FALSE(ReadResFile("/nonexistent/quintaro.res", list));
}

} // namespace

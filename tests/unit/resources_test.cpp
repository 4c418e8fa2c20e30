// Checks the compiled resources against the game's layout, and the two
// readers against malformed input.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <algorithm>
#include <string>
#include <tuple>
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

// The two small dialogs by their ways out: the About box has a close box
// and a default OK button beside its icon; "Play Again" has no close box,
// only its two buttons.
TEST(Resources, SmallDialogsOfferTheirWaysOut) {
    using Button = std::tuple<int, std::string, bool>; // id, text, default
    auto buttons = [](const DlgTemplate& dlg) {
        std::vector<Button> found;
        for (const DlgItemTemplate& item : dlg.items)
            if (item.className == "button")
                found.push_back({item.id, item.text, (item.style & 0xF) == BS_DEFPUSHBUTTON});
        return found;
    };
    DlgTemplate about, again;
    ASSERT_TRUE(LoadDialog(IDD_ABOUTBOX, about));
    ASSERT_TRUE(LoadDialog(IDD_PLAYAGAIN, again));
    EXPECT_EQ(about.caption, "About Quintaro");
    EXPECT_TRUE(about.style & WS_SYSMENU);
    EXPECT_EQ(buttons(about), (std::vector<Button>{{IDOK, "OK", true}}));
    ASSERT_FALSE(about.items.empty());
    EXPECT_EQ(about.items[0].textOrdinal, IDI_ABOUT);
    EXPECT_NE(FindResource(Resources(), kRtGroupIcon, IDI_ABOUT), nullptr);
    EXPECT_FALSE(again.style & WS_SYSMENU);
    EXPECT_EQ(buttons(again),
              (std::vector<Button>{{IDOK, "Play Again", true}, {IDCANCEL, "Exit", false}}));
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
    std::ifstream in(QUINTARO_RES_FILE, std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
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

// Checks the compiled resources against the game's layout, the readers of
// templates and resource files against cut input, and the bitmap decoder's
// cuts against its whole pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "fw/common/dib.h"
#include "fw/common/dlg_template.h"
#include "fw/common/res_file.h"
#include "res/resource.h"
#include "tests/common/game_window_layout.h"

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

DlgTemplate LoadDialog(int id) {
    const ResourceEntry* entry = FindResource(Resources(), kRtDialog, id);
    DlgTemplate dlg;
    EXPECT_TRUE(entry && ParseDlgTemplate(entry->data.data(), entry->data.size(), dlg)) << id;
    return dlg;
}

TEST(Resources, GameWindowTemplate) {
    const DlgTemplate dlg = LoadDialog(IDD_WHEELS);
    EXPECT_TRUE(dlg.extended);
    EXPECT_EQ(dlg.style, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                             DS_MODALFRAME | DS_CENTER | DS_SETFONT);
    EXPECT_EQ(dlg.exStyle, WS_EX_APPWINDOW);
    EXPECT_EQ(std::make_tuple(dlg.x, dlg.y, dlg.cx, dlg.cy, dlg.caption, dlg.menuOrdinal,
                              dlg.menuName, dlg.className),
              std::make_tuple(0, 0, kGameWindowWidth, kGameWindowHeight,
                              std::string("Quintaro v2.0"), -1, std::string(), std::string()));
    EXPECT_EQ(std::make_tuple(dlg.faceName, dlg.pointSize, dlg.weight, dlg.italic, dlg.charset),
              std::make_tuple(std::string("Arial"), 11, 400, false, 0));
    ASSERT_EQ(dlg.items.size(), std::size(kGameWindow));
    for (size_t i = 0; i < dlg.items.size(); ++i) {
        const DlgItemTemplate& got = dlg.items[i];
        const Control& w = kGameWindow[i];
        EXPECT_EQ(std::make_tuple(got.id, got.className, got.text, got.textOrdinal, got.style,
                                  got.exStyle, got.x, got.y, got.cx, got.cy),
                  std::make_tuple(w.id, std::string(w.cls), std::string(w.text), w.icon,
                                  WS_CHILD | WS_VISIBLE | w.style, w.exStyle, w.x, w.y, w.cx, w.cy))
            << "control No. " << i + 1;
    }
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
    const DlgTemplate about = LoadDialog(IDD_ABOUTBOX), again = LoadDialog(IDD_PLAYAGAIN);
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

// Every cut of a real template or of the resource file, sizes that point
// past the end and a file that is not there are refused.
TEST(Resources, ReadersRefuseCutsAndBadSizes) {
    const ResourceEntry* entry = FindResource(Resources(), kRtDialog, IDD_WHEELS);
    ASSERT_NE(entry, nullptr);
    DlgTemplate dlg;
    for (size_t size = 0; size < entry->data.size(); ++size) {
        const std::vector<uint8_t> cut(entry->data.begin(), entry->data.begin() + size);
        ASSERT_FALSE(ParseDlgTemplate(cut.data(), cut.size(), dlg)) << size;
    }

    std::ifstream in(QUINTARO_RES_FILE, std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    ResourceList list;
    ASSERT_TRUE(ParseResFile(file.data(), file.size(), list));
    // The format's opening entry is 32 bytes; the first real one follows,
    // its data size first, then its header size.
    const size_t first = 32;
    auto patched = [&](size_t at, uint32_t value) {
        std::vector<uint8_t> copy = file;
        for (int i = 0; i < 4; ++i)
            copy.at(at + i) = uint8_t(value >> (8 * i));
        return copy;
    };
    for (const std::vector<uint8_t>& bad :
         {patched(first, 0x7FFFFFF0), patched(first + 4, 0xFFFFFFF0), patched(first + 4, 8),
          std::vector<uint8_t>(file.begin(), file.begin() + first + 20),
          std::vector<uint8_t>(file.begin(), file.end() - 1)})
        EXPECT_FALSE(ParseResFile(bad.data(), bad.size(), list));
    EXPECT_FALSE(ReadResFile("/nonexistent/quintaro.res", list));
}

// An image list's picture is cut from its bitmap: the decoder's cut is the
// same columns of the whole picture. (Whether it reads the whole picture
// right, the Windows game's drawing of it shows, in the end-to-end tests.)
TEST(Resources, ACutIsThoseColumnsOfTheWholePicture) {
    for (const ResourceEntry& entry : Resources()) {
        if (!(entry.type == ResId(kRtBitmap)))
            continue;
        DibPixels whole, part;
        ASSERT_TRUE(DecodeDib(entry.data.data(), entry.data.size(), false, whole));
        const int left = whole.width / 3, columns = std::min(72, whole.width - left);
        ASSERT_TRUE(DecodeDib(entry.data.data(), entry.data.size(), false, part, left, columns));
        ASSERT_EQ(std::make_pair(part.width, part.height), std::make_pair(columns, whole.height));
        for (int y = 0; y < whole.height; ++y)
            ASSERT_TRUE(std::equal(part.pixels.begin() + y * columns,
                                   part.pixels.begin() + (y + 1) * columns,
                                   whole.pixels.begin() + y * whole.width + left))
                << "bitmap " << entry.name.ordinal << " row " << y;
    }
}

} // namespace

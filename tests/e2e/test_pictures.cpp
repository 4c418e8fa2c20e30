// What the game window shows: the blanks of its wheels for the game type, the
// golden band behind its label texts, and the same picture after many repaints.
#include "game_process.h"
#include "game_session.h"
#include "mouse_keys.h"
#include "player_art.h"
#include "screen_pixels.h"
#include "test_runner.h"
#include "window_query.h"
#include "res/resource.h"

using namespace e2e;

namespace {

constexpr int kWheelIds[] = {IDC_WHEEL1, IDC_WHEEL2, IDC_WHEEL3,
                             IDC_WHEEL4, IDC_WHEEL5, IDC_WHEELB};
constexpr uint32_t kGolden = 0xE6CC3C; // RGB(230, 204, 60)
constexpr int kRepaints = 150;

ScreenImage crop(const ScreenImage& image, const RECT& r) {
    ScreenImage part;
    part.width = r.right - r.left;
    part.height = r.bottom - r.top;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            part.pixels.push_back(image.at(x, y));
    return part;
}

// The wheel's frame line lies over the edge of its picture after a paint, so
// only the inside is compared.
size_t wheelDifferences(const ScreenImage& client, HWND wheel, const ScreenImage& tile) {
    RECT r = rectInParent(wheel);
    InflateRect(&r, -1, -1);
    const ScreenImage shown = crop(client, r);
    const ScreenImage inside = crop(tile, RECT{1, 1, kTileSize - 1, kTileSize - 1});
    return countDifferences(shown, inside, nullptr);
}

void expectBlankWheels(TestContext& t, HWND window, const GameArt& art, const char* when) {
    const ScreenImage client = captureClientArea(window);
    if (!t.checkf(!client.empty(), "%s: cannot copy the window", when))
        return;
    for (int w = 0; w < 6; ++w) {
        const bool bonus = w == 5;
        const size_t differ =
            wheelDifferences(client, GetDlgItem(window, kWheelIds[w]), art.tile(bonus, 0));
        t.checkf(differ == 0, "%s: wheel %d differs from its blank in %zu pixels", when, w + 1,
                 differ);
    }
}

// A label's text stands on the golden band, and the rest of the label on the
// dialog colour.
void expectGoldenLabel(TestContext& t, HWND window, HWND label) {
    const ScreenImage client = captureClientArea(window);
    const ScreenImage shown = crop(client, rectInParent(label));
    const uint32_t face = [] {
        const COLORREF c = GetSysColor(COLOR_BTNFACE);
        return (uint32_t(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }();
    size_t golden = 0, plain = 0;
    for (uint32_t pixel : shown.pixels) {
        golden += pixel == kGolden;
        plain += pixel == face;
    }
    t.checkf(golden > shown.pixels.size() / 4 && plain > 0,
             "label \"%s\": %zu golden and %zu dialog-colour pixels of %zu",
             windowText(label).c_str(), golden, plain, shown.pixels.size());
}

HWND labelWithText(HWND window, const char* text) {
    for (HWND child : childWindows(window))
        if (windowText(child) == text)
            return child;
    return nullptr;
}

} // namespace

E2E_TEST("pictures.blanks_bands_and_repaints") {
    GameArt art;
    GameProcess game;
    HWND window = launchGameWithArt(t, game, art);
    if (!window)
        return;
    expectBlankWheels(t, window, art, "opened");
    HWND label = labelWithText(window, "1st Num");
    if (t.check(label != nullptr, "no label \"1st Num\""))
        expectGoldenLabel(t, window, label);

    // Mega, then repaint after repaint: the wheels take Mega's strips (the
    // same blanks), and the window keeps painting the same picture.
    if (!t.check(clickWindow(GetDlgItem(window, IDC_MEGA)), "cannot click \"Mega\""))
        return;
    for (int i = 0; i < kRepaints; ++i)
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    settleWindow(window, kWindowTimeoutMs);
    expectBlankWheels(t, window, art, "after Mega and many repaints");
    if (label)
        expectGoldenLabel(t, window, label);
}

// The opened game window: title, size, every control's place and text, and
// the state a fresh game starts in.
#include "game_session.h"
#include "mouse_keys.h"
#include "pixel_layout.h"
#include "screen_pixels.h"
#include "test_runner.h"
#include "window_query.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

using namespace e2e;
using expected_layout::kGameWindow;

namespace {

constexpr int kLogoNumber = 50; // the icon control, whose size follows its icon
constexpr int kBackgroundNumber = 17;
constexpr int kCentringTolerance = 3;

uint32_t colourValue(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

bool childrenMatchLayout(TestContext& t, const std::vector<HWND>& children) {
    return t.checkf(children.size() == std::size(kGameWindow),
                    "the window has %zu controls, the layout %zu", children.size(),
                    std::size(kGameWindow));
}

HWND control(HWND window, int id) {
    return GetDlgItem(window, id);
}

} // namespace

E2E_TEST("window.title") {
    DWORD processId = 0;
    HWND window = sharedGame(t, &processId);
    if (!window)
        return;
    HWND found = FindWindowA(nullptr, kGameTitle);
    DWORD owner = 0;
    GetWindowThreadProcessId(found, &owner);
    t.check(found != nullptr && owner == processId,
            "FindWindow(\"Quintaro v2.0\") does not find the game's window");
    t.checkf(windowText(window) == kGameTitle, "title \"%s\"", windowText(window).c_str());
    t.check(GetParent(window) == nullptr && GetWindow(window, GW_OWNER) == nullptr,
            "the game window has a parent or an owner");
}

E2E_TEST("window.client_size") {
    HWND window = sharedGame(t);
    if (!window)
        return;
    const SIZE measured = clientSize(window);
    const SIZE expected =
        pixelSize(expected_layout::kGameWindowWidth, expected_layout::kGameWindowHeight);
    t.checkf(measured.cx == expected.cx && measured.cy == expected.cy,
             "client area %ld x %ld, expected %ld x %ld", measured.cx, measured.cy, expected.cx,
             expected.cy);
}

E2E_TEST("window.centred_on_screen") {
    HWND window = sharedGame(t);
    if (!window)
        return;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const POINT centre = centreOnScreen(window);
    const POINT wanted = {(work.left + work.right) / 2, (work.top + work.bottom) / 2};
    t.checkf(std::abs(centre.x - wanted.x) <= kCentringTolerance &&
                 std::abs(centre.y - wanted.y) <= kCentringTolerance,
             "window centred at (%ld, %ld), the work area at (%ld, %ld)", centre.x, centre.y,
             wanted.x, wanted.y);
}

E2E_TEST("window.caption_drag_keeps_place") {
    GameProcess game;
    HWND window = launchGame(t, game);
    if (!window)
        return;
    RECT before{};
    GetWindowRect(window, &before);
    POINT caption{};
    if (!t.check(findCaptionPart(window, HTCAPTION, &caption), "the window reports no caption"))
        return;
    t.check(dragFromTo(caption, {caption.x - 120, caption.y + 90}), "cannot drag the caption");
    // The drag runs in the game's thread; once it answers, the drag is over.
    settleWindow(window, kWindowTimeoutMs);
    RECT after{};
    GetWindowRect(window, &after);
    t.checkf(sameRect(before, after), "the window moved from %s to %s", rectText(before).c_str(),
             rectText(after).c_str());
}

// Every control in the intended order: its id, class, pixel rectangle and text.
E2E_TEST("window.controls") {
    HWND window = sharedGame(t);
    if (!window)
        return;
    const std::vector<HWND> children = childWindows(window);
    if (!childrenMatchLayout(t, children))
        return;
    for (size_t i = 0; i < children.size(); ++i) {
        const expected_layout::Control& expected = kGameWindow[i];
        const int number = static_cast<int>(i) + 1;
        HWND child = children[i];
        const int id = GetDlgCtrlID(child);
        t.checkf((id & 0xFFFF) == (expected.id & 0xFFFF), "control %d: id %d, expected %d", number,
                 id, expected.id);
        t.checkf(_stricmp(windowClass(child).c_str(), expected.cls) == 0,
                 "control %d: class %s, expected %s", number, windowClass(child).c_str(),
                 expected.cls);
        // The number boxes are filled when the window opens (window.initial_state).
        const std::string text = windowText(child);
        if (expected.icon < 0 && _stricmp(expected.cls, "edit") != 0)
            t.checkf(text == expected.text, "control %d: \"%s\", expected \"%s\"", number,
                     text.c_str(), expected.text);
        const RECT measured = rectInParent(child);
        const RECT wanted = pixelRect(expected);
        if (number == kLogoNumber) {
            t.checkf(measured.left == wanted.left && measured.top == wanted.top,
                     "logo icon at (%ld, %ld), expected (%ld, %ld)", measured.left, measured.top,
                     wanted.left, wanted.top);
            continue;
        }
        t.checkf(sameRect(measured, wanted), "control %d (id %d, \"%s\"): %s, expected %s", number,
                 expected.id, expected.text, rectText(measured).c_str(), rectText(wanted).c_str());
    }
}

E2E_TEST("window.initial_state") {
    HWND window = sharedGame(t);
    if (!window)
        return;
    const int enabledIds[] = {IDCANCEL,  IDC_GET_LUCKY, IDC_EASY, IDC_CHALLENGING,
                              IDC_SUPER, IDC_POWER,     IDC_MEGA};
    const int disabledIds[] = {IDOK,      IDC_SPIN1, IDC_SPIN2, IDC_SPIN3, IDC_SPIN4,
                               IDC_SPIN5, IDC_SPINB, IDC_STOP1, IDC_STOP2, IDC_STOP3,
                               IDC_STOP4, IDC_STOP5, IDC_STOPB};
    for (int id : enabledIds)
        t.checkf(IsWindowEnabled(control(window, id)) != 0, "control %d is disabled", id);
    for (int id : disabledIds)
        t.checkf(control(window, id) && !IsWindowEnabled(control(window, id)),
                 "control %d is enabled", id);

    const int checkedIds[] = {IDC_EASY, IDC_SUPER};
    const int uncheckedIds[] = {IDC_CHALLENGING, IDC_POWER, IDC_MEGA};
    for (int id : checkedIds)
        t.checkf(buttonChecked(control(window, id)), "control %d is not checked", id);
    for (int id : uncheckedIds)
        t.checkf(control(window, id) && !buttonChecked(control(window, id)),
                 "control %d is checked", id);

    for (int id : {IDC_LUCKY1, IDC_LUCKY2, IDC_LUCKY3, IDC_LUCKY4, IDC_LUCKY5, IDC_LUCKYB}) {
        const std::string text = windowText(control(window, id));
        t.checkf(text == "0", "number box %d shows \"%s\"", id, text.c_str());
    }

    // "Try Again" is disabled, so the first enabled tab stop takes the focus.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (t.check(GetGUIThreadInfo(thread, &info) != 0, "no thread information for the game"))
        t.checkf(info.hwndFocus == control(window, IDCANCEL), "focus on id %d, expected Exit",
                 info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
}

E2E_TEST("window.painted") {
    HWND window = sharedGame(t);
    if (!window)
        return;
    RECT frame{};
    GetWindowRect(window, &frame);
    const ScreenImage whole = captureScreen(frame);
    const ScreenImage client = captureClientArea(window);
    if (!t.check(!whole.empty() && !client.empty(), "cannot copy the window from the screen"))
        return;
    // The felt covers the background frame; only the controls on top of it may
    // show the plain dialog colour, and they cover a small part of it.
    const RECT felt = pixelRect(kGameWindow[kBackgroundNumber - 1]);
    const uint32_t face = colourValue(GetSysColor(COLOR_BTNFACE));
    size_t plain = 0;
    for (int y = felt.top; y < felt.bottom && y < client.height; ++y)
        for (int x = felt.left; x < felt.right && x < client.width; ++x)
            plain += client.at(x, y) == face;
    const size_t area = static_cast<size_t>(felt.right - felt.left) * (felt.bottom - felt.top);
    t.checkf(plain * 4 < area,
             "%zu of the %zu pixels of the background frame are plain dialog colour", plain, area);
    if (!t.options().screenshotPath.empty())
        t.checkf(saveBmp(whole, t.options().screenshotPath), "cannot write %s",
                 t.options().screenshotPath.c_str());
}

// The close box shows a cross, which reads the same mirrored left to right and
// top to bottom; when the platform misses its glyph face it shows a letter
// ("r") instead, which does not.
E2E_TEST("window.close_box_glyph") {
    HWND window = sharedGame(t);
    if (!window)
        return;
    POINT middle{};
    if (!t.check(findCaptionPart(window, HTCLOSE, &middle), "the window reports no close box"))
        return;
    const int halfWidth = GetSystemMetrics(SM_CXSIZE) / 2;
    const int halfHeight = GetSystemMetrics(SM_CYSIZE) / 2;
    const RECT box{middle.x - halfWidth, middle.y - halfHeight, middle.x + halfWidth,
                   middle.y + halfHeight};
    const ScreenImage image = captureScreen(box);
    if (!t.check(!image.empty(), "cannot copy the close box from the screen"))
        return;
    const uint32_t ink = colourValue(GetSysColor(COLOR_BTNTEXT));
    RECT inked{image.width, image.height, -1, -1};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.at(x, y) == ink)
                inked = {std::min<LONG>(inked.left, x), std::min<LONG>(inked.top, y),
                         std::max<LONG>(inked.right, x), std::max<LONG>(inked.bottom, y)};
    if (!t.check(inked.right - inked.left >= 2 && inked.bottom - inked.top >= 2,
                 "the close box shows no glyph"))
        return;
    int inkedCount = 0, mirroredBothWays = 0;
    for (int y = inked.top; y <= inked.bottom; ++y)
        for (int x = inked.left; x <= inked.right; ++x) {
            if (image.at(x, y) != ink)
                continue;
            ++inkedCount;
            const int mirrorX = inked.left + inked.right - x;
            const int mirrorY = inked.top + inked.bottom - y;
            mirroredBothWays += image.at(mirrorX, y) == ink && image.at(x, mirrorY) == ink;
        }
    t.checkf(mirroredBothWays * 10 >= inkedCount * 9,
             "the close box glyph is no cross: %d of its %d pixels have their mirror images",
             mirroredBothWays, inkedCount);
}

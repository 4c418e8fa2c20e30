"""The same pixels as the Windows game: played on the Windows game under Wine,
these tests save the states they reach as pictures; played on the native
or browser game, they compare, and what the game paints itself (the felt,
the wheels, the banner) must match exactly.
Widgets the toolkit draws (buttons, boxes, texts, frames) are left out.
At a desktop scale of N every pixel must be the Windows game's pixel as
N x N pixels of the screen. The banner's stations are compared in the won
game of test_playing, which plays the one win of the suite."""

import os

import player as p
import support
import xdisplay

WINDOWS_PICTURES = os.environ.get("WINDOWS_PICTURES",
                                  os.path.join(support.TOP, "build/e2e/win64/pictures"))
STOP_NUMBER = int(os.environ.get("SAME_PIXELS_NUMBER", "5"))
FELT_ID = p.IDS["IDC_BACKGROUND"]
FRAME_LINE = 2  # pixels of a frame control's outline the toolkit draws


def spans(rect, holes, scale):
    """Each row's runs of compared pixels, a rectangle less some rectangles, as
    (y, first x, x after the last) in pixels of the screen at that scale."""
    x0, y0, w, h = rect
    for y in range(y0, y0 + h):
        x = x0
        for a, b in sorted((hx, hx + hw) for hx, hy, hw, hh in holes if hy <= y < hy + hh) + \
                [(x0 + w, x0 + w)]:
            if a > x:
                for row in range(scale * y, scale * (y + 1)):
                    yield row, scale * x, scale * min(a, x0 + w)
            x = max(x, b)


def expect_same(test, native, state, holes=()):
    """The 64-bit Windows game saves the state's picture; any other game's
    must match it."""
    path = os.path.join(WINDOWS_PICTURES, state + ".ppm")
    if support.WINDOWS:
        if os.environ.get("E2E_GAME") == "win64":
            os.makedirs(WINDOWS_PICTURES, exist_ok=True)
            native.save_ppm(path)
        return
    test.assertTrue(os.path.exists(path), "no picture %s from the Windows game" % path)
    windows = xdisplay.Image.read_ppm(path).scaled(test.display.scale)
    test.assertEqual((windows.width, windows.height), (native.width, native.height))
    test.save(native, "native-" + state)
    differ = []
    for y, a, b in spans(test.fx.game.control(FELT_ID).rect, holes, test.display.scale):
        row = 3 * y * native.width
        if native.bgr[row + 3 * a:row + 3 * b] != windows.bgr[row + 3 * a:row + 3 * b]:
            differ += [(x, y) for x in range(a, b) if native.at(x, y) != windows.at(x, y)]
    if differ:
        x, y = differ[0]
        test.fail("%s: %d painted pixels differ, the first at (%d, %d): native %06x, "
                  "Windows %06x" % (state, len(differ), x, y, native.at(x, y), windows.at(x, y)))


class SamePixels(support.GameTest):
    def test_opened_drawn_and_wheel(self):
        # The felt with the wheels on it, less every widget the toolkit draws;
        # of a frame control only its outline is drawn.
        pictures = {ids[3] for ids in self.fx.wheels} | {FELT_ID}
        holes = []
        for c in self.fx.game.controls:
            if c.id in pictures:
                continue
            x, y, w, h, line = *c.rect, FRAME_LINE
            holes += [(x, y, w, line), (x, y + h - line, w, line), (x, y, line, h),
                      (x + w - line, y, line, h)] if c.kind == "frame" else [c.rect]
        _, window, player = self.play()
        expect_same(self, player.client_image(True), "opened", holes)
        player.choose(p.CHALLENGING_ID)
        player.draw_numbers()
        self.wait_painted(window)
        expect_same(self, player.client_image(True), "drawn", holes)
        player.start_spin(0)
        judged = player.stop_on_frame(0, 2 * STOP_NUMBER - 1)
        self.assertEqual(judged, 2 * STOP_NUMBER - 1, "wheel 1 did not stop on %d" % STOP_NUMBER)
        self.wait_painted(window)
        expect_same(self, player.client_image(True), "wheel", holes)

"""The same pixels as the Windows game: played on the Windows game under Wine,
these tests save the states they reach as pictures; played on the native
game, they compare, and what the game paints itself (the felt, the wheels,
the banner) must match exactly.
Widgets the toolkit draws (buttons, boxes, texts, frames) are left out.
At a desktop scale of N every pixel must be the Windows game's pixel as
N x N pixels of the screen."""

import os
import time

import game as g
import player as p
import support
import xdisplay

WINDOWS_PICTURES = os.environ.get("WINDOWS_PICTURES",
                                  os.path.join(support.TOP, "build/e2e/win64/pictures"))
STOP_NUMBER = int(os.environ.get("SAME_PIXELS_NUMBER", "5"))
FELT_ID = 1009
BANNER_AREA_ID = 1032
FRAME_LINE = 2  # pixels of a frame control's outline the toolkit draws
WIN_TIMEOUT = 30.0


class Mask:
    """The client-area pixels compared: a rectangle less some rectangles."""

    def __init__(self, rect, holes):
        self.rect, self.holes = rect, holes

    def spans(self, scale=1):
        """Each row's runs of compared pixels as (y, first x, x after the last),
        in pixels of the screen at that scale."""
        x0, y0, w, h = self.rect
        for y in range(y0, y0 + h):
            cuts = sorted((hx, hx + hw) for hx, hy, hw, hh in self.holes if hy <= y < hy + hh)
            x = x0
            for a, b in cuts + [(x0 + w, x0 + w)]:
                if a > x:
                    for row in range(scale * y, scale * (y + 1)):
                        yield row, scale * x, scale * min(a, x0 + w)
                x = max(x, b)


class SamePixels(support.GameTest):
    def painted_mask(self):
        """The felt with the wheels on it, less every widget the toolkit draws."""
        dialog = self.fx.game
        pictures = {ids[3] for ids in self.fx.wheels}
        holes = []
        for control in dialog.controls:
            if control.id == FELT_ID or control.id in pictures:
                continue
            if control.kind == "frame":  # only its outline is drawn
                x, y, w, h = control.rect
                holes += [(x, y, w, FRAME_LINE), (x, y + h - FRAME_LINE, w, FRAME_LINE),
                          (x, y, FRAME_LINE, h), (x + w - FRAME_LINE, y, FRAME_LINE, h)]
            else:
                holes.append(control.rect)
        return Mask(dialog.control(FELT_ID).rect, holes)

    def expect_same(self, native, state, mask):
        path = os.path.join(WINDOWS_PICTURES, state + ".ppm")
        if support.WINDOWS:
            os.makedirs(WINDOWS_PICTURES, exist_ok=True)
            native.save_ppm(path)
            return
        self.assertTrue(os.path.exists(path), "no picture %s from the Windows game" % path)
        windows = xdisplay.Image.read_ppm(path).scaled(self.display.scale)
        self.assertEqual((windows.width, windows.height), (native.width, native.height))
        self.save(native, "native-" + state)
        differ = []
        for y, a, b in mask.spans(self.display.scale):
            row = 3 * y * native.width
            if native.bgr[row + 3 * a:row + 3 * b] != windows.bgr[row + 3 * a:row + 3 * b]:
                differ += [(x, y) for x in range(a, b) if native.at(x, y) != windows.at(x, y)]
        if differ:
            x, y = differ[0]
            self.fail("%s: %d painted pixels differ, the first at (%d, %d): native %06x, "
                      "Windows %06x" % (state, len(differ), x, y, native.at(x, y),
                                        windows.at(x, y)))

    def test_opened_drawn_and_wheel(self):
        mask = self.painted_mask()
        game, window = self.launch()
        player = p.Player(self.display, window, self.fx)
        self.expect_same(player.client_pixels(), "opened", mask)
        player.choose(p.CHALLENGING_ID)
        player.draw_numbers()
        self.wait_painted(window)
        self.expect_same(player.client_pixels(), "drawn", mask)
        player.start_spin(0)
        judged = player.stop_on_frame(0, 2 * STOP_NUMBER - 1)
        self.assertEqual(judged, 2 * STOP_NUMBER - 1, "wheel 1 did not stop on %d" % STOP_NUMBER)
        self.wait_painted(window)
        self.expect_same(player.client_pixels(), "wheel", mask)

    def test_banner_stations(self):
        # The win paints the felt over the whole window, widgets and all.
        mask = Mask(self.fx.game.control(FELT_ID).rect, [])
        game, window = self.launch()
        player = p.Player(self.display, window, self.fx)
        player.choose(p.CHALLENGING_ID)
        player.play_to_win()
        seen, start = {}, time.monotonic()
        while len(seen) < len(p.BANNER_STATIONS) and time.monotonic() - start < WIN_TIMEOUT:
            image = player.client_pixels()
            station = player.banner_station(image.sampled(self.display.scale))
            if station >= 0:
                seen.setdefault(station, image)
            time.sleep(0.05)
        self.assertEqual(sorted(seen), [0, 1, 2, 3, 4], "the banner's stations seen")
        for station, image in sorted(seen.items()):
            self.expect_same(image, "banner_%d" % (station + 1), mask)

"""A headless Wayland compositor (Debian's weston) as a player meets it. It
has no input devices a client could drive, so a click is the widget's own
action over the accessibility bus (the game takes it as the player's click);
the screen is read whole through weston's screenshooter (weston runs with
--debug for it), a tenth of a second a picture. Wayland gives a window no
place on the screen, so a window is found by a row of pixels it shows."""

import glob
import os
import subprocess
import tempfile

import gi

gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf  # noqa: E402

from xdisplay import Image  # noqa: E402


class WaylandDisplay:
    scale = 1

    def __init__(self):
        self._folder = tempfile.mkdtemp(prefix="screenshooter-")
        self.origin = (0, 0)  # where the found window's (0, 0) is on the screen

    def screen(self):
        for old in glob.glob(os.path.join(self._folder, "*.png")):
            os.remove(old)
        subprocess.run(["weston-screenshooter"], cwd=self._folder, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        path = glob.glob(os.path.join(self._folder, "*.png"))[0]
        pixbuf = GdkPixbuf.Pixbuf.new_from_file(path)
        os.remove(path)
        width, height, n = pixbuf.get_width(), pixbuf.get_height(), pixbuf.get_n_channels()
        stride, data = pixbuf.get_rowstride(), pixbuf.get_pixels()
        bgr = bytearray(3 * width * height)
        for y in range(height):
            row = data[y * stride:y * stride + n * width]
            for c in range(3):
                bgr[3 * y * width + 2 - c:3 * (y + 1) * width:3] = row[c::n]
        return Image(width, height, bgr)

    def find_window(self, x, y, pixels):
        """Whether the screen shows these pixels (a row, Image bytes) where a
        window puts them at (x, y) of its own; if so that window is the one
        captured from now on."""
        screen = self.screen()
        at = screen.bgr.find(pixels)
        while at >= 0 and (at % 3 or (at // 3) % screen.width + len(pixels) // 3 > screen.width):
            at = screen.bgr.find(pixels, at + 1)
        if at < 0:
            return False
        self.origin = ((at // 3) % screen.width - x, (at // 3) // screen.width - y)
        return True

    def capture(self, x, y, width, height):
        return self.screen().crop(x + self.origin[0], y + self.origin[1], width, height)

    capture_pixels = capture

    # --- input: the widgets' own actions ------------------------------------------
    def click_on(self, widget):
        widget.activate()

    def press_release(self, button=1, widget=None):
        self.click_on(widget)

    def move(self, x, y):
        pass  # no pointer

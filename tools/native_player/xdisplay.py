"""The X server as a player meets it: real input through the XTest extension
and the pixels on the screen (python3-xlib). At a desktop scale of N
(GDK_SCALE) a player's coordinates are the toolkit's, as the accessibility
bus gives them: N x N pixels of the screen each."""

import os
import time

from Xlib import X, XK, error
from Xlib import display as xlib
from Xlib.ext import xtest
from Xlib.protocol import event


class Image:
    """Pixels top row first, three bytes a pixel in blue, green, red order."""

    def __init__(self, width, height, bgr):
        self.width, self.height, self.bgr = width, height, bytes(bgr)

    def at(self, x, y):
        """The pixel as 0xRRGGBB."""
        b, g, r = self.bgr[3 * (y * self.width + x):][:3]
        return r << 16 | g << 8 | b

    def _rows(self):
        return (self.bgr[3 * y * self.width:3 * (y + 1) * self.width] for y in range(self.height))

    def sampled(self, scale):
        """The top-left pixel of each scale x scale block."""
        out = bytearray()
        for row in list(self._rows())[::scale]:
            line = bytearray(3 * (self.width // scale))
            for c in range(3):
                line[c::3] = row[c::3 * scale]
            out += line
        return Image(self.width // scale, self.height // scale, out)

    def scaled(self, scale):
        """Each pixel as scale x scale pixels of its colour (nearest neighbour)."""
        out = bytearray()
        for row in self._rows():
            line = bytearray(3 * self.width * scale)
            for k in range(3 * scale):
                line[k::3 * scale] = row[k % 3::3]
            out += line * scale
        return Image(self.width * scale, self.height * scale, out)

    def crop(self, x, y, width, height):
        return Image(width, height, b"".join(
            self.bgr[3 * (row * self.width + x):3 * (row * self.width + x + width)]
            for row in range(y, y + height)))

    @staticmethod
    def read_ppm(path):
        """A picture save_ppm wrote."""
        with open(path, "rb") as f:
            _, size, _, rgb = f.read().split(b"\n", 3)
        bgr = bytearray(rgb)
        bgr[0::3], bgr[2::3] = rgb[2::3], rgb[0::3]
        return Image(*(int(v) for v in size.split()), bgr)

    def save_ppm(self, path):
        rgb = bytearray(self.bgr)
        rgb[0::3], rgb[2::3] = self.bgr[2::3], self.bgr[0::3]
        with open(path, "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (self.width, self.height) + rgb)


class Display:
    def __init__(self, name=None, scale=None):
        self._dpy = xlib.Display(name)
        self._root = self._dpy.screen().root
        self.scale = scale or int(os.environ.get("GDK_SCALE", "1"))

    # --- the screen --------------------------------------------------------
    def capture(self, x, y, width, height):
        """The rectangle as the screen shows it now, a pixel a block of
        scale x scale pixels of the screen (its top-left one)."""
        return self.capture_pixels(x, y, width, height).sampled(self.scale)

    def capture_pixels(self, x, y, width, height):
        """Every pixel of the screen in the rectangle; 32-bit pixels only."""
        x, y, width, height = (self.scale * v for v in (x, y, width, height))
        raw = bytearray(self._root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF).data)
        if len(raw) != 4 * width * height:
            raise RuntimeError("the screen does not have 32 bits a pixel")
        del raw[3::4]
        return Image(width, height, raw)

    # --- input -------------------------------------------------------------
    def _fake(self, *events):
        for kind, detail in events:
            xtest.fake_input(self._dpy, kind, detail)
        self._dpy.sync()

    def move(self, x, y):
        xtest.fake_input(self._dpy, X.MotionNotify, x=self.scale * x, y=self.scale * y)
        self._dpy.sync()

    def press_release(self, button=1, widget=None):
        """Press and release where the pointer is, sent together (over the
        widget, which a display without input devices clicks instead)."""
        self._fake((X.ButtonPress, button), (X.ButtonRelease, button))

    def click(self, x, y, button=1):
        self.move(x, y)
        time.sleep(0.05)  # let the toolkit see the pointer enter before the press
        self.press_release(button)

    def click_on(self, widget):
        """Clicks the middle of a widget."""
        x, y, w, h = widget.rect()
        self.click(x + w // 2, y + h // 2)

    def drag(self, start, end):
        """Presses at start, moves to end in steps, releases there."""
        self.move(*start)
        self._fake((X.ButtonPress, 1))
        for step in range(1, 11):
            time.sleep(0.02)
            self.move(*(a + (b - a) * step // 10 for a, b in zip(start, end)))
        self._fake((X.ButtonRelease, 1))

    def key(self, name, modifiers=()):
        """Presses and releases a key by its keysym name ("Escape", "F4"),
        holding the modifier keys ("Alt_L") around it."""
        codes = [self._dpy.keysym_to_keycode(XK.string_to_keysym(k)) for k in (*modifiers, name)]
        if not all(codes):
            raise RuntimeError("no key for %s" % (modifiers + (name,),))
        self._fake(*[(X.KeyPress, c) for c in codes], *[(X.KeyRelease, c) for c in codes[::-1]])

    # --- top-level windows ---------------------------------------------------
    def windows_of(self, pid):
        """The top-level X windows whose _NET_WM_PID is pid."""
        atom = self._dpy.intern_atom("_NET_WM_PID")
        found = []
        for window in self._root.query_tree().children:
            try:
                value = window.get_full_property(atom, X.AnyPropertyType)
            except error.XError:  # a window gone as we ask
                continue
            if value and list(value.value[:1]) == [pid]:
                found.append(window)
        return found

    def close_box(self, window):
        """What a window manager does when the close box is clicked: asks the
        window to close with a WM_DELETE_WINDOW message."""
        atom = self._dpy.intern_atom
        window.send_event(event.ClientMessage(
            window=window, client_type=atom("WM_PROTOCOLS"),
            data=(32, [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
        self._dpy.sync()

    def width(self, window):
        """A window's width in pixels of the screen."""
        return window.get_geometry().width

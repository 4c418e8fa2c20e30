"""The X server as a player meets it: real input through the XTest extension
and the pixels on the screen, over Xlib with ctypes (no Python X binding is
packaged for the system Python). At a desktop scale of N (GDK_SCALE) a
player's coordinates are the toolkit's, as the accessibility bus gives them:
N x N pixels of the screen each."""

import ctypes
import ctypes.util
import os
import time

_x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
_xtst = ctypes.CDLL(ctypes.util.find_library("Xtst"))

_Window = ctypes.c_ulong
_Atom = ctypes.c_ulong
_ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)
_Z_PIXMAP = 2
_CLIENT_MESSAGE = 33
_NO_EVENT_MASK = 0
_CURRENT_TIME = 0


class _XImage(ctypes.Structure):
    # Only the leading fields are read; the function table after them is not.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int),
                ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
                ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", _Window), ("message_type", _Atom),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class _XEvent(ctypes.Union):
    _fields_ = [("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XDefaultRootWindow.restype = _Window
_x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x11.XGetImage.restype = ctypes.POINTER(_XImage)
_x11.XGetImage.argtypes = [ctypes.c_void_p, _Window, ctypes.c_int, ctypes.c_int,
                           ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
_x11.XFree.argtypes = [ctypes.c_void_p]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XFlush.argtypes = [ctypes.c_void_p]
_x11.XKeysymToKeycode.restype = ctypes.c_ubyte
_x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_x11.XStringToKeysym.restype = ctypes.c_ulong
_x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
_x11.XInternAtom.restype = _Atom
_x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
_x11.XSendEvent.argtypes = [ctypes.c_void_p, _Window, ctypes.c_int, ctypes.c_long,
                            ctypes.POINTER(_XEvent)]
_x11.XQueryTree.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(_Window),
                            ctypes.POINTER(_Window), ctypes.POINTER(ctypes.POINTER(_Window)),
                            ctypes.POINTER(ctypes.c_uint)]
_x11.XGetWindowProperty.argtypes = [
    ctypes.c_void_p, _Window, _Atom, ctypes.c_long, ctypes.c_long, ctypes.c_int, _Atom,
    ctypes.POINTER(_Atom), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
    ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ubyte))]
_x11.XQueryPointer.argtypes = [ctypes.c_void_p, _Window] + [ctypes.POINTER(_Window)] * 2 + \
    [ctypes.POINTER(ctypes.c_int)] * 4 + [ctypes.POINTER(ctypes.c_uint)]
_x11.XGetGeometry.argtypes = [ctypes.c_void_p, _Window, ctypes.POINTER(_Window)] + \
    [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4
_xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_int, ctypes.c_ulong]
_xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                       ctypes.c_ulong]
_xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                    ctypes.c_ulong]


class Image:
    """Pixels top row first, three bytes a pixel in blue, green, red order."""

    def __init__(self, width, height, bgr):
        self.width, self.height, self.bgr = width, height, bytes(bgr)

    def at(self, x, y):
        """The pixel as 0xRRGGBB."""
        i = 3 * (y * self.width + x)
        b, g, r = self.bgr[i:i + 3]
        return r << 16 | g << 8 | b

    def sampled(self, scale):
        """The top-left pixel of each scale x scale block."""
        if scale == 1:
            return self
        rows = []
        for y in range(0, self.height, scale):
            row = self.bgr[3 * y * self.width:3 * (y + 1) * self.width]
            out = bytearray(3 * (self.width // scale))
            for c in range(3):
                out[c::3] = row[c::3 * scale]
            rows.append(bytes(out))
        return Image(self.width // scale, self.height // scale, b"".join(rows))

    def scaled(self, scale):
        """Each pixel as scale x scale pixels of its colour (nearest neighbour)."""
        if scale == 1:
            return self
        rows = []
        for y in range(self.height):
            row = self.bgr[3 * y * self.width:3 * (y + 1) * self.width]
            out = bytearray(3 * self.width * scale)
            for k in range(scale):
                for c in range(3):
                    out[3 * k + c::3 * scale] = row[c::3]
            rows += [bytes(out)] * scale
        return Image(self.width * scale, self.height * scale, b"".join(rows))

    def crop(self, x, y, width, height):
        rows = [self.bgr[3 * ((y + row) * self.width + x):3 * ((y + row) * self.width + x + width)]
                for row in range(height)]
        return Image(width, height, b"".join(rows))

    def differences(self, other):
        """Pixels that differ, and the first of them as (x, y) or None."""
        if (self.width, self.height) != (other.width, other.height):
            return self.width * self.height, (0, 0)
        if self.bgr == other.bgr:
            return 0, None
        count, first = 0, None
        for i in range(0, len(self.bgr), 3):
            if self.bgr[i:i + 3] != other.bgr[i:i + 3]:
                count += 1
                first = first or ((i // 3) % self.width, (i // 3) // self.width)
        return count, first

    @staticmethod
    def read_ppm(path):
        """A picture save_ppm wrote."""
        with open(path, "rb") as f:
            magic, size, depth, rgb = f.read().split(b"\n", 3)
        width, height = (int(v) for v in size.split())
        bgr = bytearray(rgb)
        bgr[0::3], bgr[2::3] = rgb[2::3], rgb[0::3]
        return Image(width, height, bytes(bgr))

    def save_ppm(self, path):
        rgb = bytearray(self.bgr)
        rgb[0::3], rgb[2::3] = self.bgr[2::3], self.bgr[0::3]
        with open(path, "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (self.width, self.height) + bytes(rgb))


class Display:

    def __init__(self, name=None, scale=None):
        self._dpy = _x11.XOpenDisplay(name.encode() if name else None)
        if not self._dpy:
            raise RuntimeError("cannot open the X display %s" % name)
        self._root = _x11.XDefaultRootWindow(self._dpy)
        self.scale = scale or int(os.environ.get("GDK_SCALE", "1"))

    # --- the screen --------------------------------------------------------
    def capture(self, x, y, width, height):
        """The rectangle as the screen shows it now, a pixel a block of
        scale x scale pixels of the screen (its top-left one)."""
        return self.capture_pixels(x, y, width, height).sampled(self.scale)

    def capture_pixels(self, x, y, width, height):
        """Every pixel of the screen in the rectangle; 24-bit visuals only."""
        x, y, width, height = (self.scale * v for v in (x, y, width, height))
        image = _x11.XGetImage(self._dpy, self._root, x, y, width, height, _ALL_PLANES, _Z_PIXMAP)
        if not image:
            raise RuntimeError("cannot read %dx%d at (%d, %d) from the screen" % (width, height, x, y))
        try:
            im = image.contents
            if im.bits_per_pixel != 32:
                raise RuntimeError("the screen has %d bits a pixel, not 32" % im.bits_per_pixel)
            stride = im.bytes_per_line
            raw = ctypes.string_at(im.data, stride * height)
        finally:
            _x11.XFree(ctypes.cast(image.contents.data, ctypes.c_void_p))
            _x11.XFree(image)
        if stride != 4 * width:
            raw = b"".join(raw[row * stride:row * stride + 4 * width] for row in range(height))
        bgr = bytearray(raw)
        del bgr[3::4]
        return Image(width, height, bgr)

    # --- input -------------------------------------------------------------
    def move(self, x, y):
        _xtst.XTestFakeMotionEvent(self._dpy, -1, self.scale * x, self.scale * y, _CURRENT_TIME)
        _x11.XSync(self._dpy, 0)

    def pointer(self):
        root, child = _Window(), _Window()
        rx, ry, wx, wy = (ctypes.c_int() for _ in range(4))
        mask = ctypes.c_uint()
        _x11.XQueryPointer(self._dpy, self._root, ctypes.byref(root), ctypes.byref(child),
                           ctypes.byref(rx), ctypes.byref(ry), ctypes.byref(wx), ctypes.byref(wy),
                           ctypes.byref(mask))
        return rx.value // self.scale, ry.value // self.scale

    def press_release(self, button=1, widget=None):
        """Press and release where the pointer is, sent together (over the
        widget, which a display without input devices clicks instead)."""
        _xtst.XTestFakeButtonEvent(self._dpy, button, 1, _CURRENT_TIME)
        _xtst.XTestFakeButtonEvent(self._dpy, button, 0, _CURRENT_TIME)
        _x11.XSync(self._dpy, 0)

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
        _xtst.XTestFakeButtonEvent(self._dpy, 1, 1, _CURRENT_TIME)
        _x11.XSync(self._dpy, 0)
        for step in range(1, 11):
            time.sleep(0.02)
            self.move(start[0] + (end[0] - start[0]) * step // 10,
                      start[1] + (end[1] - start[1]) * step // 10)
        _xtst.XTestFakeButtonEvent(self._dpy, 1, 0, _CURRENT_TIME)
        _x11.XSync(self._dpy, 0)

    def key(self, name, modifiers=()):
        """Presses and releases a key by its keysym name ("Escape", "F4"),
        holding the modifier keys ("Alt_L") around it."""
        codes = [self._keycode(m) for m in modifiers] + [self._keycode(name)]
        for code in codes:
            _xtst.XTestFakeKeyEvent(self._dpy, code, 1, _CURRENT_TIME)
        for code in reversed(codes):
            _xtst.XTestFakeKeyEvent(self._dpy, code, 0, _CURRENT_TIME)
        _x11.XSync(self._dpy, 0)

    def _keycode(self, name):
        code = _x11.XKeysymToKeycode(self._dpy, _x11.XStringToKeysym(name.encode()))
        if not code:
            raise RuntimeError("no key for %s" % name)
        return code

    # --- top-level windows ---------------------------------------------------
    def windows_of(self, pid):
        """The top-level X windows whose _NET_WM_PID is pid."""
        found = []
        pid_atom = _x11.XInternAtom(self._dpy, b"_NET_WM_PID", 0)
        for window in self._children(self._root):
            value = self._cardinal(window, pid_atom)
            if value == pid:
                found.append(window)
        return found

    def close_box(self, window):
        """What a window manager does when the close box is clicked: asks the
        window to close with a WM_DELETE_WINDOW message."""
        event = _XEvent()
        event.client.type = _CLIENT_MESSAGE
        event.client.window = window
        event.client.message_type = _x11.XInternAtom(self._dpy, b"WM_PROTOCOLS", 0)
        event.client.format = 32
        event.client.data[0] = _x11.XInternAtom(self._dpy, b"WM_DELETE_WINDOW", 0)
        event.client.data[1] = _CURRENT_TIME
        _x11.XSendEvent(self._dpy, window, 0, _NO_EVENT_MASK, ctypes.byref(event))
        _x11.XSync(self._dpy, 0)

    def _children(self, window):
        root, parent = _Window(), _Window()
        children = ctypes.POINTER(_Window)()
        count = ctypes.c_uint()
        if not _x11.XQueryTree(self._dpy, window, ctypes.byref(root), ctypes.byref(parent),
                               ctypes.byref(children), ctypes.byref(count)):
            return []
        result = [children[i] for i in range(count.value)]
        if children:
            _x11.XFree(children)
        return result

    def width(self, window):
        """A window's width in pixels of the screen."""
        root = _Window()
        x, y = ctypes.c_int(), ctypes.c_int()
        width, height, border, depth = (ctypes.c_uint() for _ in range(4))
        _x11.XGetGeometry(self._dpy, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y),
                          ctypes.byref(width), ctypes.byref(height), ctypes.byref(border),
                          ctypes.byref(depth))
        return width.value

    def _cardinal(self, window, atom):
        kind, fmt = _Atom(), ctypes.c_int()
        items, after = ctypes.c_ulong(), ctypes.c_ulong()
        data = ctypes.POINTER(ctypes.c_ubyte)()
        if _x11.XGetWindowProperty(self._dpy, window, atom, 0, 1, 0, 0, ctypes.byref(kind),
                                   ctypes.byref(fmt), ctypes.byref(items), ctypes.byref(after),
                                   ctypes.byref(data)) != 0 or not data:
            return None
        value = ctypes.cast(data, ctypes.POINTER(ctypes.c_ulong))[0] if items.value else None
        _x11.XFree(data)
        return value

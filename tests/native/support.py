"""What every end-to-end test case shares: the game's path (the native game,
the Windows game under Wine when it is a .exe, or the browser game's site),
the fixtures, the display, and a launch that always ends the game it started."""

import os
import unittest

import browser
import fixtures as fx
import game as g
import wdisplay
import wine
import xdisplay

TOP = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../.."))
GAME = os.environ.get("QUINTARO_NATIVE", os.path.join(TOP, "build/linux/quintaro"))
FIXTURES = os.environ.get("NATIVE_FIXTURES", os.path.join(TOP, "build/host/native-fixtures"))
OUT = os.environ.get("NATIVE_OUT", os.path.join(TOP, "build/native-e2e"))
WINDOWS = GAME.endswith(".exe")
BROWSER = os.environ.get("E2E_GAME") == "web"
SITE = os.environ.get("QUINTARO_WEB_SITE", os.path.join(TOP, "build/web"))
WINE_QUERY = os.environ.get("WINE_QUERY", os.path.join(TOP, "build/win64/tests/native/wine/wine_query.exe"))
LEAVE_STATUS = 1

_shared = {}


def fixtures():
    if "fixtures" not in _shared:
        _shared["fixtures"] = fx.Fixtures(FIXTURES)
    return _shared["fixtures"]


def display():
    """The X server, or a Wayland compositor where the runner started one."""
    if "display" not in _shared:
        wayland = os.environ.get("WAYLAND_DISPLAY") and not os.environ.get("DISPLAY")
        _shared["display"] = wdisplay.WaylandDisplay() if wayland else xdisplay.Display()
    return _shared["display"]


def start_game(url=None):
    """The game, started: natively, in chromium (the site from disk, or
    from that address), or through the run's one wine_query.exe."""
    if BROWSER:
        os.makedirs(OUT, exist_ok=True)
        url = url or "file://" + os.path.join(os.path.abspath(SITE), "index.html")
        return browser.Game(url, fixtures(), os.path.join(OUT, "chromium.log"))
    if not WINDOWS:
        return g.Game(GAME, fixtures())
    if "query" not in _shared:
        _shared["query"] = wine.Query(WINE_QUERY)
    return wine.Game(_shared["query"], GAME, fixtures())


class GameTest(unittest.TestCase):
    def setUp(self):
        self.fx = fixtures()
        self.display = display()

    def launch(self, url=None):
        """Starts the game and returns it with its painted main window."""
        game = start_game(url)
        self.addCleanup(game.end)
        self.assertIsNotNone(game.app, "the game does not start" if WINDOWS or BROWSER else
                             "the game does not appear on the accessibility bus")
        window = game.main_window()
        self.assertIsNotNone(window, "no window \"%s\" showing" % g.TITLE)
        if isinstance(self.display, wdisplay.WaylandDisplay):
            # Found on the screen by the inside of wheel 1's first tile.
            x, y, _, _ = window.screen_rect(window.dialog.control(self.fx.wheels[0][3]))
            row = self.fx.art.tile(False, 0)[3 * 73:3 * 143]
            self.assertTrue(g.wait_until(lambda: self.display.find_window(x + 1, y + 1, row),
                                         g.WINDOW_TIMEOUT, 0.1),
                            "the window does not paint wheel 1's blank on the screen")
        self.wait_painted(window)
        return game, window

    def wait_painted(self, window):
        """Waits until the client area holds still: the first paint is over."""
        ox, oy = window.client_origin()
        size = (window.dialog.width, window.dialog.height)
        last = [None]

        def still():
            image = self.display.capture(ox, oy, *size)
            same = last[0] is not None and image.bgr == last[0]
            last[0] = image.bgr
            return same
        self.assertTrue(g.wait_until(still, g.WINDOW_TIMEOUT, 0.1),
                        "the window keeps changing; it never finishes painting")

    def expect_exit_status(self, game, status=LEAVE_STATUS):
        got = game.exit_status()
        self.assertIsNotNone(got, "the game is still running")
        self.assertEqual(got, status, "the game ended with status %s" % got)

    def save(self, image, name):
        os.makedirs(OUT, exist_ok=True)
        image.save_ppm(os.path.join(OUT, name + ".ppm"))

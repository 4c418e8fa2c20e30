"""What every end-to-end test case shares: the game (the native game, the
Windows game under Wine when it is a .exe, or the browser game's site), the
fixtures, the display, and a launch that always ends the game it started."""

import functools
import os
import unittest

import browser
import fixtures as fx
import game as g
import player as p
import wdisplay
import wine
import xdisplay

TOP = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "../.."))
GAME = os.environ.get("QUINTARO_NATIVE", os.path.join(TOP, "build/linux/quintaro"))
OUT = os.environ.get("NATIVE_OUT", os.path.join(TOP, "build/native-e2e"))
WINDOWS = GAME.endswith(".exe")
BROWSER = os.environ.get("E2E_GAME") == "web"
SITE = os.environ.get("QUINTARO_WEB_SITE", os.path.join(TOP, "build/web"))
LEAVE_STATUS = 1
SETTINGS = (p.GET_LUCKY_ID, p.EASY_ID, p.CHALLENGING_ID) + p.TYPE_IDS


@functools.cache
def fixtures():
    return fx.Fixtures(os.environ.get("NATIVE_FIXTURES",
                                      os.path.join(TOP, "build/host/native-fixtures")))


@functools.cache
def display():
    """The X server, or a Wayland compositor where the runner started one."""
    wayland = os.environ.get("WAYLAND_DISPLAY") and not os.environ.get("DISPLAY")
    return wdisplay.WaylandDisplay() if wayland else xdisplay.Display()


@functools.cache
def wine_query():
    return wine.Query(os.environ["WINE_QUERY"])


def start_game(url=None):
    """The game, started: natively, in chromium (the site from disk, or
    from that address), or through the run's one wine_query.exe."""
    if BROWSER:
        os.makedirs(OUT, exist_ok=True)
        url = url or "file://" + os.path.join(os.path.abspath(SITE), "index.html")
        return browser.Game(url, fixtures(), os.path.join(OUT, "chromium.log"))
    return wine.Game(wine_query(), GAME, fixtures()) if WINDOWS else g.Game(GAME, fixtures())


class GameTest(unittest.TestCase):
    def setUp(self):
        self.fx, self.display = fixtures(), display()

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

    def play(self, level=None, spin=False):
        """A launched game's player, at that level, with wheel 1 turning if spin."""
        game, window = self.launch()
        player = p.Player(self.display, window, self.fx)
        if level:
            player.choose(level)
        if spin:
            player.draw_numbers()
            player.start_spin(0)
        return game, window, player

    def only_enabled(self, player, wanted, when):
        """Exactly these controls, and Exit, are enabled."""
        ids = SETTINGS + (1,) + tuple(i for ids in self.fx.wheels for i in ids[1:3])
        self.assertTrue(player.enabled(2), "%s: \"Exit\" is disabled" % when)
        wrong = [cid for cid in ids if player.enabled(cid) != (cid in wanted)]
        self.assertEqual(wrong, [], "%s: these controls have the wrong state" % when)

    def expect_fresh_game(self, player, when, try_again=False):
        """The number boxes at 0, Super at the Easy level, the settings (and
        "Try Again" after a game) and Exit the only controls enabled."""
        boxes = [player.widget(ids[0]).text() for ids in self.fx.wheels]
        self.assertEqual(boxes, ["0"] * p.WHEEL_COUNT, "%s: number boxes" % when)
        checked = [player.widget(i).checked() for i in SETTINGS[1:]]
        self.assertEqual(checked, [True, False, True, False, False], "%s: the settings" % when)
        self.only_enabled(player, SETTINGS + ((1,) if try_again else ()), when)

    def wait_painted(self, window):
        """Waits until the client area holds still: the first paint is over."""
        last = [None]

        def still():
            image = self.display.capture(*window.client_origin(), window.dialog.width,
                                         window.dialog.height).bgr
            same, last[0] = image == last[0], image
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

"""The browser game's page beyond a player's mouse and keys: from a web host,
with its own face and title; the controls as a screen reader lists them;
whole on a small touch screen, where a tap is a click; a screen reader's
click; the page still after the game ended, offering a new one."""

import collections
import functools
import http.server
import threading
import time
import unittest

import game as g
import player as p
import support

# The roles chromium gives the page's controls, by the template's kinds.
AX_ROLES = {"push button": "button", "check box": "checkbox", "radio button": "radio",
            "group box": "group", "edit": "textbox"}


class _Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


@unittest.skipUnless(support.BROWSER, "the browser game's page")
class Page(support.GameTest):
    def serve(self):
        handler = functools.partial(_Quiet, directory=support.SITE)
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        return "http://127.0.0.1:%d/" % server.server_address[1]

    def screen_reader_list(self, game):
        """The (role, name) of each control a screen reader lists in the page."""
        nodes = game.page.send("Accessibility.getFullAXTree")["nodes"]
        return collections.Counter(
            (n["role"]["value"], n.get("name", {}).get("value", "")) for n in nodes
            if not n.get("ignored") and n["role"]["value"] in AX_ROLES.values())

    def test_served_small_touch_screen_and_screen_reader(self):
        game, window = self.launch(self.serve())
        self.assertEqual(game.page.ask("document.title"), g.TITLE)
        self.assertTrue(game.page.ask("[...document.fonts].some((f) => f.status === 'loaded'"
                                      " && f.family.includes('Quintaro Sans'))"),
                        "the game's face did not load from the web host")
        wanted = collections.Counter((AX_ROLES[c.kind], g.plain_text(c.text))
                                     for c in self.fx.game.controls if c.kind in AX_ROLES)
        wanted[("button", "Close")] += 1  # the window's close box
        self.assertEqual(self.screen_reader_list(game), wanted)
        # Found at their places before the page scales the window down.
        draw, spin, leave = (window.by_id(i) for i in (p.GET_LUCKY_ID, self.fx.wheels[0][1], 2))
        boxes = [window.by_id(ids[0]) for ids in self.fx.wheels]
        game.narrow_page(480, 360)
        self.assertEqual(game.viewport(), (480, 360))
        fits = "(({left, top, right, bottom}) => left >= 0 && top >= 0 && right <= innerWidth" \
               " && bottom <= innerHeight)(document.querySelector('.qw-window')" \
               ".getBoundingClientRect())"
        self.assertTrue(g.wait_until(lambda: game.page.ask(fits), 5),
                        "the game window does not fit a 480 x 360 page")
        draw.tap()
        self.assertTrue(g.wait_until(lambda: "0" not in [b.text() for b in boxes], 5),
                        "a tap on \"Get Lucky Numbers\" draws no numbers")

        # Left during a spin, the page draws nothing more.
        drawn = game.page.ask("window.qwDraws")
        spin.tap()
        self.assertTrue(g.wait_until(lambda: game.page.ask("window.qwDraws") > drawn + 3, 5),
                        "a tap on \"Spin 1\" turns no wheel")
        leave.activate()
        self.expect_exit_status(game)
        self.assertFalse(game.frames(g.TITLE), "the game window stays after the end")
        draws = game.page.ask("window.qwDraws")
        time.sleep(0.5)  # many frames of a turning wheel
        self.assertEqual(game.page.ask("window.qwDraws"), draws, "the page draws after the end")
        again = game.page.ask("(({x, y, width, height}) => [x, y, width, height].map(Math.round))"
                              "(document.querySelector('#message button').getBoundingClientRect())")
        self.display.click(*g.centre(again))  # the page's own emulated size is its top-left
        self.assertIsNotNone(game.main_window(), "\"Play again\" starts no new game")

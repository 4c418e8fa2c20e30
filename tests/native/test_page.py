"""The browser game's page beyond a player's mouse and keys: from a web host,
with its own face; whole on a small touch screen, where a tap is a click; a
screen reader's click; the page after the game offers a new one."""

import functools
import http.server
import threading
import unittest

import game as g
import player as p
import support


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

    def test_served_small_touch_screen_and_screen_reader(self):
        game, window = self.launch(self.serve())
        self.assertTrue(game.page.ask("[...document.fonts].some((f) => f.status === 'loaded'"
                                      " && f.family.includes('Quintaro Sans'))"),
                        "the game's face did not load from the web host")
        # Found at their places before the page scales the window down.
        draw, leave = window.by_id(p.GET_LUCKY_ID), window.by_id(2)
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

        leave.activate()
        self.expect_exit_status(game)
        self.assertFalse(game.frames(g.TITLE), "the game window stays after the end")
        again = game.page.ask("(({x, y, width, height}) => [x, y, width, height].map(Math.round))"
                              "(document.querySelector('#message button').getBoundingClientRect())")
        self.display.click(*g.centre(again))  # the page's own emulated size is its top-left
        self.assertIsNotNone(game.main_window(), "\"Play again\" starts no new game")

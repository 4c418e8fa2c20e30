"""Every way of leaving ends the process at once with status 1, also in the
middle of a spin; there Escape and Enter are no ways out and change nothing."""

import time

import game as g
import player as p
import support


class Leaving(support.GameTest):
    def press(self, window, key, modifiers=()):
        # No window manager gives focus: the keyboard follows the pointer.
        self.display.move(*g.centre(window.outer_rect()))
        self.display.key(key, modifiers)

    def test_each_way_out(self):
        ways = {"Exit": lambda game, window: self.display.click_on(window.by_id(2)),
                "Escape": lambda game, window: self.press(window, "Escape"),
                "close box": lambda game, window: self.assertTrue(
                    game.click_close_box(self.display, window), "the window has no close box"),
                "Alt+F4": lambda game, window: self.press(window, "F4", ("Alt_L",))}
        for way, spin in (("Exit", False), ("Escape", False), ("close box", True),
                          ("Alt+F4", True), ("Exit", True)):
            with self.subTest(way=way, mid_spin=spin):
                # A Wayland compositor takes no keys or window-manager requests from us.
                if way != "Exit" and not hasattr(self.display, "key"):
                    self.skipTest("no keys or close box on this display")
                game, window, _ = self.play(spin=spin)
                ways[way](game, window)
                self.expect_exit_status(game)

    def test_escape_and_enter_during_a_spin(self):
        game, window, player = self.play(spin=True)
        ids = [i for ids in self.fx.wheels for i in ids[1:3]] + [1, 2, p.GET_LUCKY_ID]
        before = [player.enabled(i) for i in ids]
        self.press(window, "Escape")
        self.press(window, "Return")
        # Each key is two events, and the turning wheel takes one a frame.
        time.sleep(8 * player.delay[0] / 1000.0 + 0.5)
        self.assertTrue(game.running(), "the game ended on Escape or Enter during a spin")
        self.assertEqual([player.enabled(i) for i in ids], before,
                         "the keys changed which controls are enabled")
        self.assertTrue(player.watcher(0).changes(3, 2.0), "wheel 1 stands still after the keys")

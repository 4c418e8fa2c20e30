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

    def spin_wheel_one(self, window):
        player = p.Player(self.display, window, self.fx)
        player.draw_numbers()
        player.start_spin(0)
        return player

    def test_each_way_out(self):
        ways = (("Exit", False), ("Escape", False), ("close box", True), ("Alt+F4", True),
                ("Exit", True))
        for way, mid_spin in ways:
            with self.subTest(way=way, mid_spin=mid_spin):
                # A Wayland compositor takes no keys or window-manager requests from us.
                if way != "Exit" and not hasattr(self.display, "key"):
                    self.skipTest("no keys or close box on this display")
                game, window = self.launch()
                if mid_spin:
                    self.spin_wheel_one(window)
                if way == "Exit":
                    self.display.click_on(window.by_id(2))
                elif way == "close box":
                    self.assertTrue(game.click_close_box(self.display, window),
                                    "the window has no close box")
                elif way == "Alt+F4":
                    self.press(window, "F4", ("Alt_L",))
                else:
                    self.press(window, way)
                self.expect_exit_status(game)

    def test_escape_and_enter_during_a_spin(self):
        game, window = self.launch()
        player = self.spin_wheel_one(window)
        ids = [i for ids in self.fx.wheels for i in ids[1:3]] + [1, 2, p.GET_LUCKY_ID]
        before = [player.enabled(i) for i in ids]
        self.press(window, "Escape")
        self.press(window, "Return")
        # Each key is two events, and the turning wheel takes one a frame.
        time.sleep(8 * player.delay[0] / 1000.0 + 0.5)
        self.assertTrue(game.running(), "the game ended on Escape or Enter during a spin")
        self.assertEqual([player.enabled(i) for i in ids], before,
                         "the keys changed which controls are enabled")
        watcher = p.WheelWatcher(self.display, player.picture_rect(0), False,
                                 player.highest[0], self.fx.art)
        changes = [0]

        def turning():
            changes[0] += watcher.look()
            return changes[0] >= 3
        self.assertTrue(g.wait_until(turning, 2.0, 0.005), "wheel 1 stands still after the keys")

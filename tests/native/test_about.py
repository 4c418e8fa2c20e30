"""The About item of the window menu, used during a spin: the About box opens
modally (a click on the game window is not taken), the wheel holds still
while it is open and turns on after OK."""

import time

import game as g
import support


class AboutDuringSpin(support.GameTest):
    def test_about_holds_the_wheel(self):
        game, window, player = self.play(spin=True)
        delay = player.delay[0] / 1000.0
        self.assertTrue(game.open_about(self.display, window), "no item \"%s\"" % g.ABOUT_ITEM)
        boxes = game.wait_windows(g.ABOUT_TITLE, "about")
        self.assertTrue(boxes, "no window \"%s\" during the spin" % g.ABOUT_TITLE)
        self.assertIn("Quintaro Version 2.0", [w.text() for w in boxes[0].widgets()])

        # Still for five frames' time.
        time.sleep(delay)
        before = player.showing(0)
        time.sleep(5 * delay)
        self.assertGreaterEqual(before, 0, "wheel 1 shows no tile under the About box")
        self.assertEqual(player.showing(0), before, "wheel 1 turns under the About box")
        # Modal: a Stop click now is not the game's, so the wheel turns on after OK.
        self.display.click(*player.stop_at)

        self.display.click_on(boxes[0].by_id(1))
        self.assertTrue(g.wait_until(lambda: not game.frames(g.ABOUT_TITLE), 5),
                        "the About box stays open after OK")
        watcher = player.watcher(0)
        watcher.look()
        # More frames than a Stop click taken late would still let through.
        self.assertTrue(watcher.changes(4, 6 * delay + 2),
                        "wheel 1 does not turn on after the About box closed")
        # The spin is still the game's: Stop stops it.
        self.display.move(*player.stop_at)
        self.display.press_release()
        self.assertTrue(player.wait_enabled(player.wheel_ids(0)["stop"], False),
                        "\"Stop 1\" does not stop the wheel after the About box")

"""The test tools on a tiny GTK window of their own, so that a failing game
test is not a broken accessibility bus, input path or screen reader."""

import os
import sys
import unittest

import game as g
import support


class Harness(unittest.TestCase):
    def test_bus_input_screen_and_close_box(self):
        display = support.display()
        script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "harness_window.py")
        tool = g.Game(sys.executable, None, [script])
        self.addCleanup(tool.end)
        frames = g.wait_until(lambda: tool.frames("Harness"), g.WINDOW_TIMEOUT, 0.05)
        self.assertTrue(frames, "the window does not appear on the accessibility bus")
        widgets = list(g.descendants(frames[0]))
        button = next(w for w in widgets if w.getRoleName() == "push button")
        picture = next(w for w in widgets if w.getRoleName() == "icon")
        self.assertEqual(button.name, "Swap")
        self.assertEqual(g.extents(picture)[2:], (72, 72))
        x, y, _, _ = g.extents(picture)
        blue = g.wait_until(lambda: display.capture(x, y, 72, 72).bgr == b"\xff\0\0" * 72 * 72, 5)
        self.assertTrue(blue, "the picture is not read back as drawn")
        display.click(*g.centre(button))
        red = g.wait_until(lambda: display.capture(x, y, 72, 72).bgr == b"\0\0\xff" * 72 * 72, 5)
        self.assertTrue(red, "a click on the button does not reach it")
        for window in display.windows_of(tool.process.pid):
            display.close_box(window)
        self.assertEqual(tool.exit_status(), 1)

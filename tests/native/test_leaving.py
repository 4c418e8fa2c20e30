"""Every way of leaving ends the process at once with status 1."""

import game as g
import support


class Leaving(support.GameTest):
    def test_exit_button(self):
        game, window = self.launch()
        self.display.click_on(window.by_id(2))
        self.expect_exit_status(game)

    def test_escape_key(self):
        game, window = self.launch()
        # No window manager gives focus: the keyboard follows the pointer.
        self.display.move(*g.centre(window.frame))
        self.display.key("Escape")
        self.expect_exit_status(game)

    def test_close_box(self):
        game, window = self.launch()
        frames = self.display.windows_of(game.process.pid)
        self.assertTrue(frames, "the game's window carries no _NET_WM_PID")
        for frame in frames:
            self.display.close_box(frame)
        self.expect_exit_status(game)

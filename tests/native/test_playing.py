"""Games played through the window: the draw and its ranges, a miss and
"Try Again", a won game with its banner, the end-of-game dialog and
"Play Again" opening a new game window over the finished one."""

import time

import game as g
import player as p
import support
import test_same_pixels as same

END_OF_GAME_TEXTS = (
    "Are these your Lucky numbers?   Maybe they are...you never know !!",
    "Press  ' Play Again '  to start a new game.     Press  ' Exit '  to close.",
    "Play Again", "Exit")
WIN_TIMEOUT = 30.0


class Playing(support.GameTest):
    def test_draw_for_the_chosen_game_type(self):
        _, _, player = self.play(p.MEGA_ID)
        numbers = player.draw_numbers()
        main, bonus = 75, 15  # Mega's: its bonus range is the narrowest
        self.assertTrue(all(1 <= n <= main for n in numbers[:5]), numbers)
        self.assertTrue(1 <= numbers[5] <= bonus, numbers)
        self.assertEqual(len(set(numbers[:5])), 5, "main numbers repeat: %s" % numbers)
        self.only_enabled(player, [self.fx.wheels[0][1]], "after the draw")

    def test_miss_then_try_again(self):
        _, _, player = self.play(spin=True)
        # Clicked while the blank after 1 shows, the stop lands on the blank after 2.
        judged = player.stop_on_frame(0, 4)
        self.assertEqual((judged, player.showing(0)), (4, 0),
                         "wheel 1 stopped on frame %d showing %d, expected the blank of frame 4"
                         % (judged, player.showing(0)))
        self.only_enabled(player, [1], "after a miss")

        player.click(1)
        self.assertTrue(player.wait_enabled(p.GET_LUCKY_ID),
                        "\"Get Lucky Numbers\" stays disabled after \"Try Again\"")
        self.expect_fresh_game(player, "after \"Try Again\"", try_again=True)
        self.assertEqual(player.showing(0), 0, "after \"Try Again\" wheel 1 shows no blank")
        # The reset game plays on, here at the faster level.
        player.choose(p.CHALLENGING_ID)
        player.draw_numbers()
        player.match_wheel(0)
        self.assertTrue(player.wait_enabled(self.fx.wheels[1][1]),
                        "a match on wheel 1 after the reset does not enable \"Spin 2\"")

    def test_win_then_play_again(self):
        game, window, player = self.play(p.CHALLENGING_ID)
        player.play_to_win()

        # The banner at its five stations in turn, each over the felt that
        # covers the whole window, widgets and all, in the Windows game's
        # pixels; then the end-of-game dialog.
        start = player.last_stop["clicked_at"]
        seen = player.banner_stations(start, WIN_TIMEOUT, every_pixel=True)
        self.assertEqual([s for s, _, _ in seen], [0, 1, 2, 3, 4],
                         "the banner showed whole at these stations")
        self.assertGreaterEqual(seen[0][2], self.fx.banner_after, "the banner came before the pause")
        for station, image, _ in seen:
            same.expect_same(self, image, "banner_%d" % (station + 1))
        dialogs = game.wait_windows(g.END_OF_GAME_TITLE, "end", 1, WIN_TIMEOUT)
        self.assertTrue(dialogs, "no end-of-game dialog")
        self.assertGreaterEqual(time.monotonic() - start, self.fx.dialog_after,
                                "the end-of-game dialog came before the banner ended")
        end = dialogs[0]
        texts = [w.text() for w in end.widgets()]
        self.assertEqual([t for t in END_OF_GAME_TEXTS if t not in texts], [],
                         "the end-of-game dialog does not say these")
        # The matched numbers are back on the wheels wherever the dialog leaves them visible.
        self.wait_painted(window)
        dx, dy, dw, dh = end.outer_rect()
        for wheel in range(p.WHEEL_COUNT):
            x, y, w, h = player.picture_rect(wheel)
            if x >= dx + dw or x + w <= dx or y >= dy + dh or y + h <= dy:
                self.assertEqual(player.showing(wheel), player.lucky[wheel],
                                 "wheel %s after the banner" % p.wheel_name(wheel))

        self.display.click_on(end.by_id(1))
        windows = game.wait_windows(g.TITLE, "game", 2)
        self.assertEqual(len(windows), 2, "\"Play Again\" does not open a second game window")
        self.assertFalse(game.frames(g.END_OF_GAME_TITLE), "the end-of-game dialog stays open")
        second = next(w for w in windows if w != window)
        self.wait_painted(second)
        newer = p.Player(self.display, second, self.fx)
        self.expect_fresh_game(newer, "new game window")
        self.assertFalse(window.enabled(), "the finished game window takes input")
        self.assertTrue(window.showing(), "the finished game window is gone")
        newer.click(2)
        self.expect_exit_status(game)

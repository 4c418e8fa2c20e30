"""Games played through the window: the draw and its ranges, a miss and
"Try Again", a won game with its banner, the end-of-game dialog and
"Play Again" opening a new game window over the finished one."""

import time

import game as g
import player as p
import support

# Mega's highest main and bonus number: its bonus range is the narrowest.
MEGA_RANGES = (75, 15)
SETTINGS = (p.GET_LUCKY_ID, p.EASY_ID, p.CHALLENGING_ID) + p.TYPE_IDS
END_OF_GAME_TEXTS = (
    "Are these your Lucky numbers?   Maybe they are...you never know !!",
    "Press  ' Play Again '  to start a new game.     Press  ' Exit '  to close.")
WIN_TIMEOUT = 30.0
# From the winning click: the stop handler pauses 1 s before the banner, and
# its five stations rest 11 s in all.
EARLIEST_BANNER = 1.0
EARLIEST_DIALOG = 12.0


class Playing(support.GameTest):
    def only_enabled(self, player, wanted, when):
        """Exactly these controls, and Exit, are enabled."""
        ids = list(SETTINGS) + [1] + [i for ids in self.fx.wheels for i in ids[1:3]]
        self.assertTrue(player.enabled(2), "%s: \"Exit\" is disabled" % when)
        wrong = [cid for cid in ids if player.enabled(cid) != (cid in wanted)]
        self.assertEqual(wrong, [], "%s: these controls have the wrong state" % when)

    def expect_fresh_game(self, player, try_again, when):
        boxes = [player.widget(ids[0]).text() for ids in self.fx.wheels]
        self.assertEqual(boxes, ["0"] * 6, "%s: number boxes" % when)
        self.only_enabled(player, list(SETTINGS) + ([1] if try_again else []), when)

    def test_draw_for_the_chosen_game_type(self):
        game, window = self.launch()
        player = p.Player(self.display, window, self.fx)
        player.choose(p.MEGA_ID)
        numbers = player.draw_numbers()
        main, bonus = MEGA_RANGES
        self.assertTrue(all(1 <= n <= main for n in numbers[:5]), numbers)
        self.assertTrue(1 <= numbers[5] <= bonus, numbers)
        self.assertEqual(len(set(numbers[:5])), 5, "main numbers repeat: %s" % numbers)
        self.only_enabled(player, [self.fx.wheels[0][1]], "after the draw")

    def test_miss_then_try_again(self):
        game, window = self.launch()
        player = p.Player(self.display, window, self.fx)
        player.draw_numbers()
        player.start_spin(0)
        # Clicked while the blank after 1 shows, the stop lands on the blank after 2.
        judged = player.stop_on_frame(0, 4)
        self.assertEqual((judged, player.showing(0)), (4, 0),
                         "wheel 1 stopped on frame %d showing %d, expected the blank of frame 4"
                         % (judged, player.showing(0)))
        self.only_enabled(player, [1], "after a miss")

        player.click(1)
        self.assertTrue(player.wait_enabled(p.GET_LUCKY_ID),
                        "\"Get Lucky Numbers\" stays disabled after \"Try Again\"")
        self.expect_fresh_game(player, True, "after \"Try Again\"")
        self.assertEqual(player.showing(0), 0, "after \"Try Again\" wheel 1 shows no blank")
        # The reset game plays on, here at the faster level.
        player.choose(p.CHALLENGING_ID)
        player.draw_numbers()
        player.match_wheel(0)
        self.assertTrue(player.wait_enabled(self.fx.wheels[1][1]),
                        "a match on wheel 1 after the reset does not enable \"Spin 2\"")

    def test_win_then_play_again(self):
        game, window = self.launch()
        player = p.Player(self.display, window, self.fx)
        player.choose(p.CHALLENGING_ID)
        player.play_to_win()

        # The banner at its five stations in turn, then the end-of-game dialog.
        start = player.last_stop["clicked_at"]
        stations, first_banner, dialog = [], None, None
        while time.monotonic() - start < WIN_TIMEOUT:
            station = player.banner_station(player.client_image())
            if station >= 0 and (not stations or stations[-1] != station):
                stations.append(station)
                first_banner = first_banner or time.monotonic() - start
                if station == 4:
                    break
            time.sleep(0.05)
        self.assertEqual(stations, [0, 1, 2, 3, 4], "the banner showed whole at these stations")
        self.assertGreaterEqual(first_banner, EARLIEST_BANNER, "the banner came before the pause")
        dialogs = game.wait_windows(g.END_OF_GAME_TITLE, "end", 1, WIN_TIMEOUT)
        self.assertTrue(dialogs, "no end-of-game dialog")
        self.assertGreaterEqual(time.monotonic() - start, EARLIEST_DIALOG,
                                "the end-of-game dialog came before the banner ended")
        end = dialogs[0]
        texts = [w.text() for w in end.widgets()]
        for text in END_OF_GAME_TEXTS + ("Play Again", "Exit"):
            self.assertIn(text, texts, "the end-of-game dialog does not say it")
        # The matched numbers are back on the wheels wherever the dialog leaves them visible.
        self.wait_painted(window)
        dx, dy, dw, dh = end.outer_rect()
        for wheel in range(p.WHEEL_COUNT):
            x, y, w, h = player.picture_rect(wheel)
            if x >= dx + dw or x + w <= dx or y >= dy + dh or y + h <= dy:
                self.assertEqual(player.showing(wheel), player.lucky[wheel],
                                 "wheel %s after the banner" % p.wheel_name(wheel))

        self.display.click_on(end.find(end.dialog.control(1)))
        windows = game.wait_windows(g.TITLE, "game", 2)
        self.assertEqual(len(windows), 2, "\"Play Again\" does not open a second game window")
        self.assertFalse(game.frames(g.END_OF_GAME_TITLE), "the end-of-game dialog stays open")
        second = next(w for w in windows if w != window)
        self.wait_painted(second)
        newer = p.Player(self.display, second, self.fx)
        self.expect_fresh_game(newer, False, "new game window")
        self.assertEqual([newer.widget(i).checked() for i in (p.SUPER_ID, p.EASY_ID,
                                                               p.CHALLENGING_ID)],
                         [True, True, False], "the new window's settings")
        self.assertFalse(window.enabled(), "the finished game window takes input")
        self.assertTrue(window.showing(), "the finished game window is gone")
        newer.click(2)
        self.expect_exit_status(game)

"""Plays one game at the Challenging level and saves three of its stages as
PPM pictures of the game window, frame or menu bar included, for the README
and the demo: a wheel spinning, the win banner, the end-of-game dialog. Run
by tests/native/run --screenshots FOLDER."""

import os
import sys
import time

import game as g
import player as p
import support


def main():
    display, game = support.display(), support.start_game()
    kind = "windows" if support.WINDOWS else "browser" if support.BROWSER else "native"

    def save(name):
        path = os.path.join(sys.argv[1], "%s-%s.ppm" % (kind, name))
        display.capture_pixels(*window.outer_rect()).save_ppm(path)
    try:
        window = game.main_window()
        if window is None:
            raise p.PlayError("the game window does not open")
        player = p.Player(display, window, support.fixtures())
        player.choose(p.CHALLENGING_ID)
        player.draw_numbers()
        for wheel in range(p.WHEEL_COUNT):
            if wheel == 2:
                # Two matches made, wheel 3 turning: the picture is taken
                # between the start and the watching stop.
                player.start_spin(wheel)
                time.sleep(1.0)
                save("spinning")
                player.stop_on_frame(wheel, 2 * player.lucky[wheel] - 1)
            else:
                player.match_wheel(wheel)
            ids = player.wheel_ids(wheel + 1) if wheel + 1 < p.WHEEL_COUNT else None
            if ids and not player.wait_enabled(ids["spin"]):
                raise p.PlayError("wheel %s missed its number" % p.wheel_name(wheel))
        if not g.wait_until(lambda: player.banner_station(player.client_image()) == 2, 20, 0.05):
            raise p.PlayError("the banner never rested at its third station")
        save("banner")
        if not game.wait_windows(g.END_OF_GAME_TITLE, "end", 1, 20):
            raise p.PlayError("no end-of-game dialog")
        time.sleep(0.5)  # the game window repaints beneath it
        save("end-of-game")
    finally:
        game.end()


if __name__ == "__main__":
    main()

"""Plays one game, native or Windows, at the Challenging level and saves
three of its stages as PPM pictures of the game window, frame or menu bar
included, for the README and the demo: a wheel spinning, the win banner, the
end-of-game dialog. Run by tests/native/run --screenshots FOLDER."""

import os
import sys
import time

import game as g
import player as p
import support

BANNER_TIMEOUT = 20.0


def save(display, window, out, name):
    display.capture_pixels(*window.outer_rect()).save_ppm(os.path.join(out, name + ".ppm"))


def main():
    out = sys.argv[1]
    display, fx = support.display(), support.fixtures()
    game = support.start_game()
    kind = "windows" if support.WINDOWS else "browser" if support.BROWSER else "native"
    try:
        window = game.main_window()
        if window is None:
            raise p.PlayError("the game window does not open")
        player = p.Player(display, window, fx)
        player.choose(p.CHALLENGING_ID)
        player.draw_numbers()
        for wheel in range(p.WHEEL_COUNT):
            if wheel == 2:
                # Two matches made, wheel 3 turning: the picture is taken
                # between the start and the watching stop.
                player.start_spin(wheel)
                time.sleep(1.0)
                save(display, window, out, kind + "-spinning")
                target = 2 * player.lucky[wheel] - 1
                if player.stop_on_frame(wheel, target) != target:
                    raise p.PlayError("wheel %s missed its number" % p.wheel_name(wheel))
            else:
                player.match_wheel(wheel)
            following = wheel + 1
            if following < p.WHEEL_COUNT and \
                    not player.wait_enabled(player.wheel_ids(following)["spin"]):
                raise p.PlayError("wheel %s matched but the next one does not start"
                                  % p.wheel_name(wheel))
        deadline = time.monotonic() + BANNER_TIMEOUT
        while player.banner_station(player.client_image()) != 2:
            if time.monotonic() > deadline:
                raise p.PlayError("the banner never rested at its third station")
            time.sleep(0.05)
        save(display, window, out, kind + "-banner")
        if not game.wait_windows(g.END_OF_GAME_TITLE, "end", 1, BANNER_TIMEOUT):
            raise p.PlayError("no end-of-game dialog")
        time.sleep(0.5)  # the game window repaints beneath it
        save(display, window, out, kind + "-end-of-game")
    finally:
        game.end()


if __name__ == "__main__":
    main()

"""Benchmarks of the native game (build/linux/quintaro) on a private X server:
its start-up time, process start to the first painted window, next to an empty
GTK window's in the same run; and the frame pacing of one whole turn of wheel
1 at the Challenging level, timed on the screen, against frames x delay.
Run by bench/native/run; prints a table."""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tests/native"))
import game as g  # noqa: E402
import player as p  # noqa: E402
import support  # noqa: E402

BLACK = 0  # the private server's root window, started with -br
TIMEOUT = 20.0


def first_paint(display, command, centre, env=None, unpainted=(BLACK,)):
    """Seconds from starting the command until the pixel at the screen's
    centre (both windows are centred there) shows none of the unpainted
    colours; the process is ended after. Returns the time and the colour."""
    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               env=env)
    try:
        while True:
            colour = display.capture(*centre, 1, 1).at(0, 0)
            if colour not in unpainted:
                return time.monotonic() - start, colour
            if time.monotonic() - start > TIMEOUT or process.poll() is not None:
                raise RuntimeError("%s shows no window" % command[0])
            time.sleep(0.0005)
    finally:
        process.kill()
        process.wait()
        g.wait_until(lambda: display.capture(*centre, 1, 1).at(0, 0) == BLACK, 5)


def start_up(display, game, empty, runs, env=None):
    centre = (640, 512)
    times = {"game": [], "empty": []}
    # The empty window's colour is the toolkit's plain window background; the
    # game counts as painted once its own picture shows instead. The first
    # runs also warm the caches and the buses.
    _, plain = first_paint(display, [empty], centre, env)
    first_paint(display, [game], centre, env, (BLACK, plain))
    for _ in range(runs):
        times["empty"].append(first_paint(display, [empty], centre, env)[0])
        times["game"].append(first_paint(display, [game], centre, env, (BLACK, plain))[0])
    return {name: statistics.median(values) for name, values in times.items()}


def frame_pacing(display, exe):
    fx = support.fixtures()
    session = g.Game(exe, fx)
    try:
        window = session.main_window()
        if window is None:
            raise RuntimeError("the game window does not open")
        player = p.Player(display, window, fx)
        player.choose(p.CHALLENGING_ID)
        player.draw_numbers()
        frames, delay = 2 * player.highest[0], player.delay[0]
        watcher = p.WheelWatcher(display, player.picture_rect(0), False, frames // 2, fx.art)
        player.start_spin(0)
        deadline = time.monotonic() + 2.5 * frames * delay / 1000 + 10
        steps, last_frame, last_change, first_one = [], -1, 0.0, None
        while time.monotonic() < deadline:
            if not watcher.look():
                time.sleep(0.001)
                continue
            if last_frame >= 0 and watcher.frame == (last_frame + 1) % frames:
                steps.append(watcher.changed_at - last_change)
            last_frame, last_change = watcher.frame, watcher.changed_at
            if watcher.frame == 1 and first_one is None:
                first_one = watcher.changed_at
            elif watcher.frame == 1:
                return frames, delay, watcher.changed_at - first_one, steps
        raise RuntimeError("wheel 1 did not come round to number 1 again")
    finally:
        session.end()


def main():
    game, empty = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    display = support.display()
    # With the accessibility bus a desktop runs, and without (the toolkit
    # then registers no widgets with a screen reader).
    for bridge, env in (("with", None), ("without", dict(os.environ, NO_AT_BRIDGE="1"))):
        medians = start_up(display, game, empty, runs, env)
        print("native start-up %s AT-SPI, median of %d: game %.0f ms, empty GTK window %.0f ms, "
              "ratio %.2f" % (bridge, runs, 1000 * medians["game"], 1000 * medians["empty"],
                              medians["game"] / medians["empty"]))
    frames, delay, turn, steps = frame_pacing(display, game)
    target = frames * delay / 1000
    print("native frame pacing, wheel 1 Challenging: %d frames x %d ms = %.3f s; one turn %.3f s "
          "(%+.2f %%); steps mean %.1f ms, min %.1f, max %.1f over %d"
          % (frames, delay, target, turn, 100 * (turn - target) / target,
             1000 * statistics.mean(steps), 1000 * min(steps), 1000 * max(steps), len(steps)))


if __name__ == "__main__":
    main()

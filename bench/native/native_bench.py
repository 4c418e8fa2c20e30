"""Benchmarks of the game as the end-to-end player meets it, on a private
display: its start-up time, process start to the first painted window, next
to a program that only opens an empty window; the frame pacing of one whole
turn of wheel 1 at the Challenging level, timed on the screen, against frames
x delay; and for the Windows game under Wine (a game .exe) its memory after
its start, after games with "Try Again" and after each win nesting a new game
window, with the address space a 32-bit game has left.
Run by bench/native/run; prints tables.
  native_bench.py [--runs=N] [--games=N] [--wins=N] [--only=timing|memory]
                  [--figures=FILE] GAME EMPTY-WINDOW
With --figures the Windows game's main figures also go to FILE, one
"name<TAB>value" a line, so that bench/run can set two games side by side."""

import argparse
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "../../tools/native_player"))
import fixtures  # noqa: E402
import game as g  # noqa: E402
import player as p  # noqa: E402
import wine  # noqa: E402
import xdisplay  # noqa: E402

BLACK = 0  # the private server's root window, started with -br
TIMEOUT = 20.0
MB = 1e6
TRY_AGAIN_ID, EXIT_ID, PLAY_AGAIN_ID = 1, 2, 1
BACKGROUND_ID = 1009
WIN_TIMEOUT = 30.0
WIN_ATTEMPTS = 5
EMPTY_DIALOG_TITLE = "Bench Empty Dialog"

figures = []  # the main figures, in the order they are printed


# --- start-up of the native game ---------------------------------------------
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


def native_start_up(display, game, empty, runs):
    # With the accessibility bus a desktop runs, and without (the toolkit
    # then registers no widgets with a screen reader).
    for bridge, env in (("with", None), ("without", dict(os.environ, NO_AT_BRIDGE="1"))):
        medians = start_up(display, game, empty, runs, env)
        print("native start-up %s AT-SPI, median of %d: game %.0f ms, empty GTK window %.0f ms, "
              "ratio %.2f" % (bridge, runs, 1000 * medians["game"], 1000 * medians["empty"],
                              medians["game"] / medians["empty"]))


# --- start-up of the Windows game ---------------------------------------------
def windows_first_paint(query, fx, exe, title, painted):
    """Milliseconds from asking wine_query.exe to start the program until its
    window is listed and until painted(window) holds; the program is ended
    after."""
    start = time.monotonic()
    session = wine.Game(query, exe, fx)
    shown = None
    try:
        while time.monotonic() - start < TIMEOUT:
            frames = session.frames(title)
            if frames:
                if shown is None:
                    shown = 1000 * (time.monotonic() - start)
                if painted(wine.Window(query, session.pid, frames[0], fx.game)):
                    return shown, 1000 * (time.monotonic() - start)
            elif not session.running():
                break
            time.sleep(0.0005)
        raise RuntimeError("%s %s within %.0f s" % (title, "was not painted" if shown else
                                                    "did not open", TIMEOUT))
    finally:
        session.end()


def windows_start_up(display, query, fx, exe, empty, runs):
    # A point of the felt that no control covers, near its top-left corner.
    felt_w, _, felt = fx.art.pictures["felt"]
    felt_colour = int.from_bytes(felt[3 * (4 * felt_w + 4):3 * (4 * felt_w + 4) + 3], "little")

    def game_painted(window):
        x, y, _, _ = window.screen_rect(fx.game.control(BACKGROUND_ID))
        if display.capture(x + 4, y + 4, 1, 1).at(0, 0) != felt_colour:
            return False
        player = p.Player(display, window, fx)
        return all(player.shows_within_frame(wheel, 0) for wheel in range(p.WHEEL_COUNT))

    def client_centre(window):
        (ox, oy), (w, h) = window.client_origin(), window.client_size()
        return display.capture(ox + w // 2, oy + h // 2, 1, 1).at(0, 0)

    # The empty dialog's plain colour, read from its first run once it has
    # had a second to paint; that run and the game's first warm the caches.
    plain = []

    def learn(window):
        if not plain:
            time.sleep(1)
            plain.append(client_centre(window))
        return True
    windows_first_paint(query, fx, empty, EMPTY_DIALOG_TITLE, learn)
    windows_first_paint(query, fx, exe, g.TITLE, game_painted)
    times = {"game": ([], []), "empty": ([], [])}
    for _ in range(runs):
        # Alternately, so that a slow moment of the machine hits both.
        for name, path, title, painted in (
                ("game", exe, g.TITLE, game_painted),
                ("empty", empty, EMPTY_DIALOG_TITLE, lambda w: client_centre(w) == plain[0])):
            shown, painted_ms = windows_first_paint(query, fx, path, title, painted)
            times[name][0].append(shown)
            times[name][1].append(painted_ms)
    med = {name: [statistics.median(v) for v in values] for name, values in times.items()}
    print("Start-up, from process start (median of %d runs, fastest in brackets)" % runs)
    print("  %-16s %18s %18s" % ("program", "window shown", "window painted"))
    for name, label in (("game", os.path.basename(exe)), ("empty", "empty dialog")):
        shown, painted = times[name]
        print("  %-16s %9.0f (%4.0f) ms %9.0f (%4.0f) ms" % (
            label, med[name][0], min(shown), med[name][1], min(painted)))
    print("  %-16s %9.0f        ms %9.0f        ms\n" % (
        "game's own cost", med["game"][0] - med["empty"][0], med["game"][1] - med["empty"][1]))
    figures.append(("game painted, median (ms)", med["game"][1]))
    figures.append(("empty dialog painted (ms)", med["empty"][1]))
    figures.append(("game's own start-up (ms)", med["game"][1] - med["empty"][1]))


# --- frame pacing ---------------------------------------------------------------
def frame_pacing(display, start_game, fx):
    session = start_game()
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


def report_pacing(display, start_game, fx, windows):
    frames, delay, turn, steps = frame_pacing(display, start_game, fx)
    target = frames * delay / 1000
    mean, low, high = (1000 * f(steps) for f in (statistics.mean, min, max))
    if not windows:
        print("native frame pacing, wheel 1 Challenging: %d frames x %d ms = %.3f s; one turn "
              "%.3f s (%+.2f %%); steps mean %.1f ms, min %.1f, max %.1f over %d"
              % (frames, delay, target, turn, 100 * (turn - target) / target, mean, low, high,
                 len(steps)))
        return
    print("Frame pacing (Super, Challenging, wheel 1: %d frames of %d ms)" % (frames, delay))
    print("  %-28s %9.0f ms" % ("one turn, expected", 1000 * target))
    print("  %-28s %9.0f ms   ratio %.3f" % ("one turn, measured", 1000 * turn, turn / target))
    print("  %-28s %9.1f ms   min %.1f, max %.1f (%d steps)\n"
          % ("frame to frame, mean", mean, low, high, len(steps)))
    figures.extend([("wheel turn, expected (ms)", 1000 * target),
                    ("wheel turn, measured (ms)", 1000 * turn),
                    ("frame to frame, mean (ms)", mean), ("frame to frame, max (ms)", high)])


# --- memory of the Windows game -------------------------------------------------
def settle(display, window):
    """Lets the game finish what it is doing: its client area holds still."""
    ox, oy = window.client_origin()
    last = [None]

    def still():
        image = display.capture(ox, oy, window.dialog.width, window.dialog.height).bgr
        same, last[0] = image == last[0], image
        return same
    g.wait_until(still, WIN_TIMEOUT, 0.1)
    time.sleep(0.5)


def miss_and_try_again(player):
    """One game lost on purpose (wheel 1 stopped on the blank after 2), then "Try Again"."""
    player.draw_numbers()
    player.start_spin(0)
    player.stop_on_frame(0, 4)
    if not player.wait_enabled(TRY_AGAIN_ID):
        raise p.PlayError("\"Try Again\" stays disabled after a miss")
    player.click(TRY_AGAIN_ID)
    if not player.wait_enabled(p.GET_LUCKY_ID):
        raise p.PlayError("\"Get Lucky Numbers\" stays disabled after \"Try Again\"")


def win_and_play_again(display, session, player, known):
    """Wins the player's game at the faster level (a missed stop costs a
    "Try Again"), answers "Play Again" and returns the new game window."""
    player.choose(p.CHALLENGING_ID)
    for attempt in range(WIN_ATTEMPTS):
        try:
            player.play_to_win()
            break
        except p.PlayError:
            if attempt + 1 == WIN_ATTEMPTS or not player.wait_enabled(TRY_AGAIN_ID):
                raise
            player.click(TRY_AGAIN_ID)
            player.wait_enabled(p.GET_LUCKY_ID)
    dialogs = session.wait_windows(g.END_OF_GAME_TITLE, "end", 1, WIN_TIMEOUT)
    if not dialogs:
        raise p.PlayError("no end-of-game dialog to answer \"Play Again\"")
    display.click_on(dialogs[0].find(dialogs[0].dialog.control(PLAY_AGAIN_ID)))
    windows = session.wait_windows(g.TITLE, "game", len(known) + 1)
    fresh = [w for w in windows if w not in known]
    if len(windows) <= len(known) or not fresh:
        raise p.PlayError("no new game window after \"Play Again\"")
    return fresh[0]


def strip_picture_bytes(fx):
    """Every frame of the eighteen reel strips as a picture: per game type
    five main wheels and the bonus, a number and a blank after it each."""
    width, height, _ = fx.art.pictures["main_0"]
    frames = sum(5 * 2 * main + 2 * bonus for main, bonus in fx.ranges)
    return frames, frames * width * height * 3


def windows_memory(display, query, fx, exe, games, wins, bits):
    print("Memory of the game process (MB = 1,000,000 bytes; GDI/USER objects: n/a where "
          "Wine does not report them)")
    print("  %-30s %7s %12s %12s %6s %6s" % ("when", "windows", "private MB", "working MB",
                                             "GDI", "USER"), flush=True)
    session = wine.Game(query, exe, fx)
    samples = []

    def take(when, count):
        answer = query.ask("memory " + session.pid)
        if not answer:
            raise RuntimeError("wine_query.exe reads no memory of the game")
        private, working, in_use, free, gdi, user = (int(v) for v in answer[0])
        samples.append((private, working, in_use, free))
        print("  %-30s %7d %12.1f %12.1f %6s %6s" % (
            when, count, private / MB, working / MB, gdi or "n/a", user or "n/a"), flush=True)

    try:
        window = session.main_window()
        if window is None:
            raise RuntimeError("the game window does not open")
        settle(display, window)
        take("after start", 1)
        player = p.Player(display, window, fx)
        player.choose(p.CHALLENGING_ID)
        for _ in range(games):
            miss_and_try_again(player)
        settle(display, window)
        take("after %d games, Try Again" % games, 1)
        windows = [window]
        for won in range(1, wins + 1):
            windows.append(win_and_play_again(display, session, p.Player(display, windows[-1], fx),
                                              windows))
            settle(display, windows[-1])
            take("after win %d, nested" % won, len(windows))
        p.Player(display, windows[-1], fx).click(EXIT_ID)
    finally:
        session.end()

    free_at_start = samples[0][3] if bits == 32 else 0
    if free_at_start:
        print("  %-30s %20.1f" % ("address space free at start", free_at_start / MB))
    if wins > 0:
        before, after = samples[-1 - wins], samples[-1]
        per_private = (after[0] - before[0]) / wins / MB
        per_working = (after[1] - before[1]) / wins / MB
        print("  %-30s %20.1f %12.1f" % ("per game window", per_private, per_working))
        figures.append(("private MB per game window", per_private))
        figures.append(("working set MB per game window", per_working))
        frames, size = strip_picture_bytes(fx)
        print("  %-30s %20.1f   (%d frames of 72 x 72 at 24 bits; goal <= 35 MB per window)"
              % ("its reel strips as pictures", size / MB, frames))
        per_space = (after[2] - before[2]) / wins
        if free_at_start and per_space > 0:
            print("  %-30s %20.1f   (about %d more game windows fit at start)"
                  % ("address space per game window", per_space / MB,
                     int(free_at_start / per_space)))
        print()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=5, help="start-up runs")
    parser.add_argument("--games", type=int, default=20, help="games with \"Try Again\"")
    parser.add_argument("--wins", type=int, default=10, help="nested wins")
    parser.add_argument("--only", choices=("timing", "memory"))
    parser.add_argument("--figures", help="file for the Windows game's main figures")
    parser.add_argument("game")
    parser.add_argument("empty")
    args = parser.parse_args()
    fx = fixtures.Fixtures(os.environ["NATIVE_FIXTURES"])
    display = xdisplay.Display()
    windows = args.game.endswith(".exe")
    if windows:
        query = wine.Query(os.environ["WINE_QUERY"])
        bits = 32 if "win32" in os.environ.get("E2E_GAME", "") else 64
        try:
            if args.only != "memory":
                report_pacing(display, lambda: wine.Game(query, args.game, fx), fx, True)
                windows_start_up(display, query, fx, args.game, args.empty, max(1, args.runs))
            if args.only != "timing":
                windows_memory(display, query, fx, args.game, max(0, args.games),
                               max(0, args.wins), bits)
        finally:
            query.close()
        if args.figures:
            with open(args.figures, "w") as out:
                out.writelines("%s\t%.1f\n" % figure for figure in figures)
    else:
        if args.only != "memory":
            native_start_up(display, args.game, args.empty, max(1, args.runs))
            report_pacing(display, lambda: g.Game(args.game, fx), fx, False)


if __name__ == "__main__":
    main()

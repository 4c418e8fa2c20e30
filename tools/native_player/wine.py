"""The Windows game under Wine as a player meets it: started, read and ended
through wine_query.exe, a small program inside Wine that answers questions
about its windows; clicked and read on the screen like the native game. Its
windows and controls answer the questions game.py's widgets answer.

Wine runs the game on a virtual desktop of its own at the X screen's
top-left corner, so Windows' screen coordinates are the X screen's."""

import os
import subprocess
import time

import game as g

DESKTOP = "QuintaroTests"
HTCAPTION, HTCLOSE = 2, 20
# How Windows names a control's kind, as the accessibility bus's roles.
_BUTTON_ROLES = {0: "push button", 1: "push button", 3: "check box", 9: "radio button",
                 7: "panel"}
_STATIC_ROLES = {3: "icon", 7: "drawing area", 8: "drawing area"}


class Query:
    """The one wine_query.exe of a test run; ask() sends a request line and
    returns the answer's lines, each split at its tabs."""

    def __init__(self, exe):
        wine = os.environ.get("WINE", "wine")
        self.process = subprocess.Popen([wine, exe, "--desktop=" + DESKTOP],
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        encoding="cp1252", errors="replace")

    def ask(self, request):
        self.process.stdin.write(request + "\n")
        self.process.stdin.flush()
        lines = []
        while True:
            line = self.process.stdout.readline()
            if not line:
                raise RuntimeError("wine_query.exe ended")
            if line == ".\n":
                return lines
            lines.append(line.rstrip("\n").split("\t"))

    def close(self):
        self.process.stdin.close()
        self.process.wait(10)


class Control:
    """A control of a "controls" answer, asked again for each question. The
    controls come in the same order in both answers."""

    def __init__(self, window, index, fields):
        self.window, self.index = window, index
        self.id = int(fields[0])
        self.cls = fields[1].lower()
        self.style = int(fields[2])
        if self.cls == "button":
            self.role = _BUTTON_ROLES.get(self.style & 0xF, "push button")
        elif self.cls == "static":
            self.role = _STATIC_ROLES.get(self.style & 0x1F, "label")
        else:
            self.role = "text"
        self._rect = tuple(int(v) for v in fields[6:10])

    def __eq__(self, other):
        return isinstance(other, Control) and (self.window, self.index) == \
            (other.window, other.index)

    def _fresh(self, request):
        answer = self.window.query.ask("%s %s" % (request, self.window.handle))
        return answer[self.index] if self.index < len(answer) else [""] * 10

    def rect(self):
        ox, oy = self.window.client_origin()
        x, y, w, h = self._rect
        return (ox + x, oy + y, w, h)

    def sensitive(self):
        return self._fresh("controls")[3] == "1"

    def focused(self):
        return self._fresh("controls")[5] == "1"

    def checked(self):
        return self._fresh("texts")[1] == "1"

    def text(self):
        fields = self._fresh("texts")
        return g.plain_text(fields[2] if len(fields) > 2 else "")


class Window(g.Window):
    def __init__(self, query, pid, fields, dialog):
        self.query, self.pid, self.dialog = query, pid, dialog
        self.handle = fields[0]
        self.title = fields[10] if len(fields) > 10 else ""
        self._outer = tuple(int(v) for v in fields[2:6])
        self._origin = (int(fields[6]), int(fields[7]))
        self._client_size = (int(fields[8]), int(fields[9]))

    def __eq__(self, other):
        return isinstance(other, Window) and self.handle == other.handle

    def widgets(self):
        return [Control(self, i, f) for i, f in enumerate(self.query.ask("controls " + self.handle))]

    def outer_rect(self):
        return self._outer

    def client_origin(self):
        return self._origin

    def client_size(self):
        return self._client_size

    def _fresh(self):
        return next((f for f in self.query.ask("windows " + self.pid) if f[0] == self.handle), None)

    def showing(self):
        return self._fresh() is not None

    def enabled(self):
        fields = self._fresh()
        return fields is not None and fields[1] == "1"

    def frame_point(self, code):
        """A screen point of the frame the window names by its hit-test code."""
        points = self.query.ask("hit %s %d" % (self.handle, code))
        return tuple(int(v) for v in points[0]) if points else None


class Game:
    """One run of the Windows game: started in __init__, ended by end()."""

    def __init__(self, query, exe, fixtures):
        self.query, self.fixtures = query, fixtures
        self.started = time.monotonic()
        answer = query.ask("start Z:" + os.path.abspath(exe).replace("/", "\\"))
        self.pid = answer[0][0] if answer else None
        self.app = self.pid  # started, as the native game's bus entry says

    def windows(self):
        return self.query.ask("windows " + self.pid) if self.pid else []

    def frames(self, title):
        return [f for f in self.windows() if len(f) > 10 and f[10] == title]

    def wait_windows(self, title, dialog_name, count=1, timeout=g.WINDOW_TIMEOUT):
        """The first `count` showing windows with that title, oldest first."""
        frames = g.wait_until(lambda: len(self.frames(title)) >= count and self.frames(title),
                              timeout, 0.05)
        windows = [Window(self.query, self.pid, f, self.fixtures.dialogs[dialog_name])
                   for f in (frames or [])]
        # Windows lists the newest window first.
        return windows[::-1]

    def main_window(self, timeout=g.WINDOW_TIMEOUT):
        windows = self.wait_windows(g.TITLE, "game", 1, timeout)
        return windows[0] if windows else None

    def status(self):
        answer = self.query.ask("status " + self.pid) if self.pid else []
        return answer[0][0] if answer else None

    def running(self):
        return self.status() == "running"

    def exit_status(self, timeout=g.WINDOW_TIMEOUT):
        status = g.wait_until(lambda: self.status() != "running" and self.status(), timeout)
        return int(status) if status else None

    def open_about(self, display, window):
        """Picks the window menu's About item with the keys, the last item."""
        display.move(*g.centre(window.outer_rect()))
        display.key("space", ("Alt_L",))
        time.sleep(0.3)
        display.key("Up")
        display.key("Return")
        return True

    def click_close_box(self, display, window):
        point = window.frame_point(HTCLOSE)
        if point:
            display.click(*point)
        return point is not None

    def end(self):
        if self.pid and self.running():
            self.query.ask("kill " + self.pid)

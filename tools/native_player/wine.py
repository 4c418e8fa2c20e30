"""The Windows game under Wine as a player meets it: started, read and ended
through wine_query.exe, a small program inside Wine that answers questions
about its windows; clicked and read on the screen like the native game.

Wine runs the game on a virtual desktop of its own at the X screen's
top-left corner, so Windows' screen coordinates are the X screen's."""

import os
import select
import subprocess
import time

import game as g

DESKTOP = "QuintaroTests"
HTCAPTION, HTCLOSE = 2, 20
# How Windows names a control's kind, as the accessibility bus's roles.
_BUTTON_ROLES = {3: "check box", 9: "radio button", 7: "panel"}
_STATIC_ROLES = {3: "icon", 7: "drawing area", 8: "drawing area"}


class Query:
    """The one wine_query.exe of a test run; ask() sends a request line and
    returns the answer's lines, each split at its tabs. An answer that does
    not come within ANSWER_TIMEOUT is an error: the game wine_query started
    may hold its output open, so its end alone would not end the wait."""
    ANSWER_TIMEOUT = 30.0

    def __init__(self, exe):
        wine = os.environ.get("WINE", "wine")
        self.process = subprocess.Popen([wine, exe, "--desktop=" + DESKTOP],
                                        stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self._read = b""

    def ask(self, request):
        self.process.stdin.write(request.encode("cp1252") + b"\n")
        self.process.stdin.flush()
        deadline = time.monotonic() + self.ANSWER_TIMEOUT
        while not (b"\n" + self._read.replace(b"\r\n", b"\n")).endswith(b"\n.\n"):
            ready = select.select([self.process.stdout], [], [], max(0, deadline - time.monotonic()))
            chunk = os.read(self.process.stdout.fileno(), 1 << 16) if ready[0] else None
            if not chunk:
                self.process.kill()  # a late answer would pass for the next one's
                raise RuntimeError("wine_query.exe %s \"%s\"" % (
                    "ended before answering" if chunk == b"" else
                    "did not answer within %d s:" % self.ANSWER_TIMEOUT, request))
            self._read += chunk
        answer, self._read = self._read.replace(b"\r\n", b"\n").decode("cp1252", "replace"), b""
        return [line.split("\t") for line in answer.split("\n")[:-2]]

    def close(self):
        self.process.stdin.close()
        self.process.wait(10)


class Control:
    """A control of a "controls" answer, asked again for each question. The
    controls come in the same order in both answers."""

    def __init__(self, window, index, fields):
        self.window, self.index = window, index
        cls, style = fields[1].lower(), int(fields[2])
        self.role = _BUTTON_ROLES.get(style & 0xF, "push button") if cls == "button" else \
            _STATIC_ROLES.get(style & 0x1F, "label") if cls == "static" else "text"
        self._rect = tuple(int(v) for v in fields[6:10])

    def _fresh(self, request, field):
        return self.field(self.window.query.ask("%s %s" % (request, self.window.handle)), field)

    def field(self, answer, field):
        """Its field of an answer about all the window's controls."""
        fields = answer[self.index] if self.index < len(answer) else []
        return fields[field] if field < len(fields) else ""

    def rect(self):
        ox, oy = self.window.client_origin()
        x, y, w, h = self._rect
        return (ox + x, oy + y, w, h)

    def sensitive(self):
        return self._fresh("controls", 3) == "1"

    def focused(self):
        return self._fresh("controls", 5) == "1"

    def checked(self):
        return self._fresh("texts", 1) == "1"

    def text(self):
        return g.plain_text(self._fresh("texts", 2))


class Window(g.Window):
    def __init__(self, query, pid, fields, dialog):
        self.query, self.pid, self.dialog = query, pid, dialog
        self.handle = self.key = fields[0]
        self.title = fields[10] if len(fields) > 10 else ""
        self._outer = tuple(int(v) for v in fields[2:6])
        self._origin = (int(fields[6]), int(fields[7]))
        self._client_size = (int(fields[8]), int(fields[9]))

    def widgets(self):
        answer = self.query.ask("controls " + self.handle)
        return [Control(self, i, f) for i, f in enumerate(answer)]

    def texts(self, widgets):
        """One question for all: in a spin the game answers one message a frame."""
        answer = self.query.ask("texts " + self.handle)
        return [g.plain_text(w.field(answer, 2)) for w in widgets]

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
        return (self._fresh() or [0, 0])[1] == "1"

    def frame_point(self, code):
        """A screen point of the frame the window names by its hit-test code."""
        points = self.query.ask("hit %s %d" % (self.handle, code))
        return tuple(int(v) for v in points[0]) if points else None


class Game(g.Run):
    """One run of the Windows game: started in __init__, ended by end()."""

    def __init__(self, query, exe, fixtures):
        super().__init__(fixtures)
        self.query = query
        answer = query.ask("start Z:" + os.path.abspath(exe).replace("/", "\\"))
        self.pid = self.app = answer[0][0] if answer else None

    def frames(self, title):
        """Windows lists the newest window first."""
        windows = self.query.ask("windows " + self.pid) if self.pid else []
        return [f for f in windows if len(f) > 10 and f[10] == title][::-1]

    def window(self, fields, dialog):
        return Window(self.query, self.pid, fields, dialog)

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

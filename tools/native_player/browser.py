"""The browser game as a player meets it: chromium full-screen at the test
display's top-left corner, clicked and read on the screen like the native
game; its page read through the browser's debugging protocol on a pipe
(JSON messages ended by a NUL; the browser reads descriptor 3, writes 4).
Its windows and controls answer the questions game.py's widgets answer.

Where the browser differs: the page draws each window's frame, caption,
close box and menu bar itself, and centres the game window in the page;
the program's end is the page's, which says so and offers a new game (the
browser stays), the status the one the page's Module.onExit is told."""

import fcntl
import json
import os
import shutil
import subprocess
import tempfile

import game as g

CHROMIUM = os.environ.get("CHROMIUM", "/usr/bin/chromium")
# Without a window manager the kiosk window takes the size it is told.
SCREEN = os.environ.get("SESSION_SCREEN", "1280x1024")
_ROLES = {"qw-button": "push button", "qw-check": "check box", "qw-radio": "radio button",
          "qw-number": "text", "qw-label": "label", "qw-group": "panel", "qw-icon": "icon",
          "qw-frame": "drawing area"}
# Before the page's own scripts: the status the program ends with, and how
# often the page has drawn on a canvas.
_WATCH_EXIT = """
window.qwDraws = 0;
for (const f of ['drawImage', 'putImageData']) {
  const draw = CanvasRenderingContext2D.prototype[f];
  CanvasRenderingContext2D.prototype[f] = function () { ++window.qwDraws;
    return draw.apply(this, arguments); };
}
Object.defineProperty(window, 'Module', {configurable: true, get() { return this.qwModule; },
  set(m) { const told = m.onExit; this.qwModule = m;
    m.onExit = function (status) { window.qwExitStatus = status; if (told) told(status); }; }});
"""
# The page's questions, each a function of the window's handle (and a control's index).
_JS = """
const qwWin = (h) => document.getElementById('qw-title-' + h)?.closest('.qw-window');
const qwControls = (h) => [...(qwWin(h)?.querySelectorAll('.qw-client > .qw-control') || [])];
const qwRect = (e) => { const r = e.getBoundingClientRect();
  const x = screenX + (outerWidth - innerWidth) / 2, y = screenY + outerHeight - innerHeight;
  return [r.left + x, r.top + y, r.width, r.height].map(Math.round); };
"""


class Control:
    """A control of a window, by its place among the window's controls (the
    page makes them once, in the template's order)."""

    def __init__(self, window, index, role):
        self.window, self.index, self.role = window, index, role

    def _ask(self, expression):
        return self.window.page.ask(
            "(() => { const e = qwControls(%s)[%d]; const i = e && (e.querySelector('input') || e);"
            " return e && (%s); })()" % (self.window.handle, self.index, expression))

    def rect(self):
        return tuple(self._ask("qwRect(e)") or (0, 0, 0, 0))

    def sensitive(self):
        return bool(self._ask("!i.disabled && !e.classList.contains('qw-disabled')"))

    def checked(self):
        return bool(self._ask("!!i.checked"))

    def focused(self):
        return bool(self._ask("document.activeElement === i"))

    def text(self):
        return self._ask("e.textContent") or ""

    def activate(self):
        """A click no press made, as a screen reader's action clicks."""
        self._ask("i.dispatchEvent(new MouseEvent('click', {bubbles: true}))")

    def tap(self):
        """A touch at the middle of the control."""
        r = self._ask("(({x, y, width, height}) => [x + width / 2, y + height / 2])"
                      "(e.getBoundingClientRect())")
        for kind, points in (("touchStart", [{"x": r[0], "y": r[1]}]), ("touchEnd", [])):
            self.window.page.send("Input.dispatchTouchEvent", type=kind, touchPoints=points)


class Window(g.Window):
    def __init__(self, page, handle, title, dialog):
        self.page, self.handle, self.title, self.dialog = page, handle, title, dialog
        self.key = handle

    def _ask(self, expression):
        return self.page.ask("(() => { const w = qwWin(%s); return w && (%s); })()"
                             % (self.handle, expression))

    def widgets(self):
        classes = self._ask("qwControls(%s).map((e) => e.classList.item(1))" % self.handle) or []
        return [Control(self, i, _ROLES.get(c, "label")) for i, c in enumerate(classes)]

    def outer_rect(self):
        return tuple(self._ask("qwRect(w)"))

    def client_origin(self):
        return tuple(self._ask("qwRect(w.querySelector('.qw-client'))")[:2])

    def client_size(self):
        return tuple(self._ask("qwRect(w.querySelector('.qw-client'))")[2:])

    def showing(self):
        return bool(self._ask("!w.hidden && w.isConnected"))

    def enabled(self):
        return bool(self._ask("!w.inert && !w.closest('[aria-hidden=true]')"))

    def menu_items(self, name):
        """The screen rectangles of the menu bar's items of that name."""
        return self._ask("[...w.querySelectorAll('.qw-menubar [role=menuitem]')]"
                         ".filter((e) => !e.closest('[hidden]') && e.textContent === %s)"
                         ".map(qwRect)" % json.dumps(name)) or []


class Page:
    """The browser and its one page, over the debugging pipe."""

    def __init__(self, url, log):
        self.profile = tempfile.mkdtemp(prefix="quintaro-chromium-")
        to_browser, self._out = os.pipe()
        self._in, from_browser = os.pipe()
        # The browser's ends above 4, then at 3 and 4 in the browser.
        ends = [fcntl.fcntl(fd, fcntl.F_DUPFD, 10) for fd in (to_browser, from_browser)]
        os.close(to_browser), os.close(from_browser)
        self.log = open(log, "ab")  # chromium's output
        # No sandbox: the tests may run as root, where chromium's will not
        # start; nor the right to raise its processes' priority above the
        # tests' own, which chromium takes as root.
        self.process = subprocess.Popen(
            ["setpriv", "--bounding-set=-sys_nice", "--inh-caps=-sys_nice", CHROMIUM, "--kiosk",
             "--window-position=0,0", "--window-size=" + SCREEN.replace("x", ","),
             "--force-device-scale-factor=1", "--force-color-profile=srgb", "--disable-gpu",
             "--user-data-dir=" + self.profile, "--remote-debugging-pipe", "--no-sandbox",
             "--no-first-run", "--no-default-browser-check", "--password-store=basic",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--disable-renderer-backgrounding", "--disable-background-timer-throttling",
             "--disable-backgrounding-occluded-windows", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log, pass_fds=(3, 4),
            preexec_fn=lambda: (os.dup2(ends[0], 3), os.dup2(ends[1], 4)))
        for fd in ends:
            os.close(fd)
        self._next, self._buffer, self.session = 0, b"", None
        target = g.wait_until(lambda: next((t["targetId"] for t in self.send(
            "Target.getTargets", session=False)["targetInfos"] if t["type"] == "page"), None),
            g.WINDOW_TIMEOUT, 0.1)
        self.session = self.send("Target.attachToTarget", targetId=target,
                                 flatten=True, session=False)["sessionId"]
        self.send("Page.enable")  # else no script is added to new documents
        self.send("Page.addScriptToEvaluateOnNewDocument", source=_WATCH_EXIT + _JS)
        self.send("Page.bringToFront")  # the keyboard's focus, which a window manager gives
        self.send("Page.navigate", url=url)

    def send(self, method, session=True, **params):
        self._next += 1
        message = {"id": self._next, "method": method, "params": params}
        if session:
            message["sessionId"] = self.session
        os.write(self._out, json.dumps(message).encode() + b"\0")
        while True:
            while b"\0" not in self._buffer:
                chunk = os.read(self._in, 1 << 16)
                if not chunk:
                    raise RuntimeError("chromium ended")
                self._buffer += chunk
            text, self._buffer = self._buffer.split(b"\0", 1)
            answer = json.loads(text)
            if answer.get("id") == self._next:  # events are not asked for
                if "error" in answer:
                    raise RuntimeError("%s: %s" % (method, answer["error"]))
                return answer["result"]

    def ask(self, expression):
        """The expression's value in the page; None while a page loads."""
        try:
            result = self.send("Runtime.evaluate", expression=expression, returnByValue=True)
        except RuntimeError as e:  # asked as the page loads again?
            if "navigated" not in str(e):
                raise
            return None
        if "exceptionDetails" in result:
            # Asked before the new page's scripts ran; once it has loaded, a
            # name it lacks is a fault of the page.
            if "ReferenceError" in str(result["exceptionDetails"]) and \
                    self.ask("document.readyState") != "complete":
                return None
            raise RuntimeError("the page: %s" % result["exceptionDetails"])
        return result["result"].get("value")

    def close(self):
        if self.process.poll() is None:
            try:
                self.send("Browser.close", session=False)
                self.process.wait(5)
            except (RuntimeError, OSError, subprocess.TimeoutExpired):
                self.process.kill()
                self.process.wait()
        os.close(self._in), os.close(self._out), self.log.close()
        shutil.rmtree(self.profile, ignore_errors=True)


class Game(g.Run):
    """One page of the browser game: opened in __init__, closed by end()."""

    def __init__(self, url, fixtures, log):
        super().__init__(fixtures)
        self.page = Page(url, log)
        self.app = self.page.session

    def frames(self, title):
        """The handles and title of the page's showing windows with that title, oldest first."""
        return [(h, title) for h in sorted(self.page.ask(
            "[...document.querySelectorAll('.qw-window:not([hidden]) .qw-title')].filter((t) =>"
            " t.textContent === %s).map((t) => +t.id.slice(9))" % json.dumps(title)) or [])]

    def window(self, frame, dialog):
        return Window(self.page, *frame, dialog)

    def viewport(self):
        return tuple(self.page.ask("[innerWidth, innerHeight]"))

    def narrow_page(self, width, height):
        """The page as a small touch screen shows it."""
        self.page.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                       deviceScaleFactor=1, mobile=False)
        self.page.send("Emulation.setTouchEmulationEnabled", enabled=True)

    def _ended(self):
        return self.page.ask("!document.getElementById('message').hidden &&"
                             " document.getElementById('message').textContent"
                             ".startsWith('Quintaro has ended.')")

    def running(self):
        return self.page.process.poll() is None and not self._ended()

    def exit_status(self, timeout=g.WINDOW_TIMEOUT):
        return self.page.ask("window.qwExitStatus") if g.wait_until(self._ended, timeout) else None

    def open_about(self, display, window):
        items = window.menu_items(g.ABOUT_ITEM)
        if items:
            display.click(*g.centre(items[0]))
        return bool(items)

    def click_close_box(self, display, window):
        box = window._ask("w.querySelector('.qw-close') && qwRect(w.querySelector('.qw-close'))")
        if box:
            display.click(*g.centre(box))
        return bool(box)

    def end(self):
        self.page.close()

"""The game as a player and a screen reader meet it. What the three games
share (a window's controls found by their template entry, a run's windows
waited for by title) and the native game: its process, its windows and their
widgets over the accessibility bus, its client area on the screen."""

import os
import subprocess
import time

import pyatspi

TITLE = "Quintaro v2.0"
END_OF_GAME_TITLE = "                 Quintaro v2.0 by ZEPHRA"
ABOUT_TITLE = "About Quintaro"
ABOUT_ITEM = "About Rolento..."
WINDOW_TIMEOUT = 10.0

# The accessible roles a toolkit gives each kind of control. A picture frame
# is a surface the game paints, whichever widget carries it.
ROLES = {
    "push button": {"push button"},
    "check box": {"check box"},
    "radio button": {"radio button"},
    "group box": {"panel", "frame"},
    "edit": {"text", "entry"},
    "label": {"label"},
    "icon": {"icon", "image"},
    "frame": {"drawing area", "canvas", "image", "icon", "panel", "filler"},
}
# Roles that only hold other widgets, and the window menu's parts.
_CONTAINERS = {"panel", "filler", "layered pane", "scroll pane", "viewport"}
_MENU_ROLES = {"menu bar", "menu", "menu item", "separator", "tear off menu item"}


def wait_until(condition, timeout, step=0.02):
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() > end:
            return value
        time.sleep(step)


def plain_text(template_text):
    """A template's text as the toolkit names it: & marks a mnemonic."""
    return template_text.replace("&&", "\0").replace("&", "").replace("\0", "&")


def centre(rect):
    x, y, w, h = rect
    return x + w // 2, y + h // 2


class Window:
    """A top-level window of the game; controls are found by their template
    entry. A platform's window gives widgets(), client_origin(), title,
    outer_rect(), showing() and enabled(); its widgets role, rect(), text(),
    sensitive(), checked() and focused()."""

    def __eq__(self, other):
        return type(other) is type(self) and self.key == other.key

    def screen_rect(self, control):
        ox, oy = self.client_origin()
        return (ox + control.x, oy + control.y, control.width, control.height)

    def find(self, control, widgets=None):
        """The widget of a template control: of the control's role, at its
        place, else of its role and text; None if there is none."""
        roles = ROLES.get(control.kind, {control.kind})
        candidates = [w for w in (widgets or self.widgets()) if w.role in roles]
        wanted = self.screen_rect(control)
        # An icon's size follows its picture: only its place is the template's.
        size = 2 if control.kind == "icon" else 4
        name = plain_text(control.text)
        at_place = next((w for w in candidates if w.rect()[:size] == wanted[:size]), None)
        if at_place or not name:
            return at_place
        return next((w for w, text in zip(candidates, self.texts(candidates)) if text == name), None)

    def texts(self, widgets):
        """What the widgets show (a platform may ask for all at once)."""
        return [w.text() for w in widgets]

    def by_id(self, control_id):
        return self.find(self.dialog.control(control_id))


class Run:
    """One run of a game; a platform's run gives frames(title) (oldest first),
    window(frame, dialog), running(), exit_status() and end()."""

    def __init__(self, fixtures):
        self.fixtures, self.started = fixtures, time.monotonic()

    def wait_windows(self, title, dialog_name, count=1, timeout=WINDOW_TIMEOUT):
        """The first `count` showing windows with that title, oldest first."""
        frames = wait_until(lambda: (lambda f: len(f) >= count and f)(self.frames(title)),
                            timeout, 0.05)
        return [self.window(f, self.fixtures.dialogs[dialog_name]) for f in frames or []]

    def main_window(self, timeout=WINDOW_TIMEOUT):
        windows = self.wait_windows(TITLE, "game", 1, timeout)
        return windows[0] if windows else None


# --- the native game over the accessibility bus -----------------------------------
def extents(accessible):
    e = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (e.x, e.y, e.width, e.height)


def has_state(accessible, state):
    return accessible.getState().contains(state)


def descendants(accessible, into_menus=False):
    for child in accessible:
        if child is not None:
            yield child
            if into_menus or child.getRoleName() not in _MENU_ROLES:
                yield from descendants(child, into_menus)


class Widget:
    """A widget on the accessibility bus, asked afresh at each question."""

    def __init__(self, accessible):
        self.accessible, self.role = accessible, accessible.getRoleName()

    def rect(self):
        return extents(self.accessible)

    def sensitive(self):
        return has_state(self.accessible, pyatspi.STATE_SENSITIVE)

    def checked(self):
        return has_state(self.accessible, pyatspi.STATE_CHECKED)

    def focused(self):
        return has_state(self.accessible, pyatspi.STATE_FOCUSED)

    def text(self):
        """What a widget shows: an entry's text, else its accessible name."""
        a = self.accessible
        if "Text" in a.get_interfaces() and self.role in ROLES["edit"]:
            return a.queryText().getText(0, -1)
        return a.name or ""

    def activate(self):
        self.accessible.queryAction().doAction(0)


class AtspiWindow(Window):
    def __init__(self, frame, dialog):
        self.frame = self.key = frame
        self.dialog, self.title, self._origin = dialog, frame.name, None

    def outer_rect(self):
        return extents(self.frame)

    def client_origin(self):
        """The client area's top-left corner: the place of the unnamed panel
        of the client area's size (the toolkit's window, with a menu bar, or
        on Wayland a title bar and shadows of its own, is larger)."""
        if self._origin is None:
            size = (self.dialog.width, self.dialog.height)
            panel = next((a for a in descendants(self.frame) if a.getRoleName() == "panel"
                          and not a.name and extents(a)[2:] == size), None)
            if panel is None:
                # Any window menu lies above or beside the client area, never below or after.
                x, y, w, h = extents(self.frame)
                return x + w - self.dialog.width, y + h - self.dialog.height
            self._origin = extents(panel)[:2]
        return self._origin

    def widgets(self):
        """Every widget of the window but the window menu and the unnamed
        containers that only hold other widgets."""
        return [Widget(a) for a in descendants(self.frame)
                if a.getRoleName() not in _MENU_ROLES
                and not (a.getRoleName() in _CONTAINERS and a.childCount > 0 and not a.name)]

    def menu_items(self, name):
        """The window menu's items of that name."""
        return [a for a in descendants(self.frame, True)
                if a.getRoleName() == "menu item" and a.name == name]

    def showing(self):
        return has_state(self.frame, pyatspi.STATE_SHOWING)

    def enabled(self):
        return has_state(self.frame, pyatspi.STATE_SENSITIVE)


class Game(Run):
    """One run of the native game: started in __init__, ended by end()."""
    window = AtspiWindow

    def __init__(self, exe, fixtures, args=()):
        super().__init__(fixtures)
        # NATIVE_QUIET_GAME: weston's headless backend has no seat, which the
        # toolkit deplores at every start.
        quiet = os.environ.get("NATIVE_QUIET_GAME")
        self.process = subprocess.Popen([exe, *args], stderr=subprocess.DEVNULL if quiet else None)
        self.app = wait_until(self._find_app, WINDOW_TIMEOUT, 0.05)

    def _children(self, parent, keep):
        found = []
        for child in parent:
            try:
                if child is not None and keep(child):
                    found.append(child)
            except Exception:  # leaving the bus as we ask
                continue
        return found

    def _find_app(self):
        return next(iter(self._children(pyatspi.Registry.getDesktop(0), lambda a:
                                        a.get_process_id() == self.process.pid)), None)

    def frames(self, title):
        if self.app is None:
            self.app = self._find_app()
        return self._children(self.app, lambda f: f.name == title and has_state(
            f, pyatspi.STATE_SHOWING)) if self.app is not None else []

    def running(self):
        return self.process.poll() is None

    def open_about(self, display, window):
        """Picks the About item of the window's menu bar, as a player clicks."""
        item = next(iter(window.menu_items(ABOUT_ITEM)), None)
        if item is None:
            return False
        if not has_state(item, pyatspi.STATE_SHOWING):
            display.click_on(Widget(item.parent))
            if not wait_until(lambda: has_state(item, pyatspi.STATE_SHOWING), 5):
                return False
        display.click_on(Widget(item))
        return True

    def click_close_box(self, display, window):
        """What a window manager does for a click on the close box: asks
        the game's windows to close."""
        frames = display.windows_of(self.process.pid)
        for frame in frames:
            display.close_box(frame)
        return bool(frames)

    def exit_status(self, timeout=WINDOW_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def end(self):
        if self.running():
            self.process.kill()
            self.process.wait()

"""An automated player of the game: clicks with real input and watches the
wheels' pixels.

A Stop click is not judged on the frame showing when it is made: the press
and the release are two events and the turning wheel takes one event per
frame, so a click made while frame k shows stops the wheel on frame k + 2.
The drum holds a blank after each number: number m is frame 2m - 1, the
blank after it frame 2m."""

import os
import re
import time

import game as g
import xdisplay

BUTTON_TIMEOUT = 5.0
# The controls' ids, as the game's resource header defines them.
with open(os.path.join(os.path.dirname(__file__), "../../res/resource.h")) as header:
    IDS = {n: int(v) for n, v in re.findall(r"^#define (IDC_\w+) (\d+)", header.read(), re.M)}
GET_LUCKY_ID, EASY_ID, CHALLENGING_ID = (IDS["IDC_" + n] for n in ("GET_LUCKY", "EASY",
                                                                    "CHALLENGING"))
TYPE_IDS = SUPER_ID, POWER_ID, MEGA_ID = tuple(IDS["IDC_" + n] for n in ("SUPER", "POWER", "MEGA"))
WHEEL_COUNT, BONUS_WHEEL = 6, 5
BANNER_AREA_ID = IDS["IDC_BANNER_AREA"]


def wheel_name(wheel):
    return "B" if wheel == BONUS_WHEEL else str(wheel + 1)


def frame_text(frame):
    if frame < 0:
        return "an unknown frame"
    return "frame %d (%s)" % (frame, "number %d" % ((frame + 1) // 2) if frame % 2 else "a blank")


class PlayError(Exception):
    pass


class WheelWatcher:
    """Follows a turning wheel on the screen, one look at a time."""

    def __init__(self, display, rect, bonus, highest, art):
        self.display, self.rect, self.bonus, self.art = display, rect, bonus, art
        self.frames = 2 * highest
        self.shown, self.frame, self.changed_at = -1, -1, 0.0

    def look(self):
        """True when the wheel shows a known tile other than before."""
        number = self.art.recognise(self.bonus, self.display.capture(*self.rect))
        if number < 0 or number == self.shown:
            return False  # caught half drawn, or the same tile again
        if number > 0:
            self.frame = 2 * number - 1
        else:
            self.frame = (2 * self.shown) % self.frames if self.shown > 0 else -1
        self.shown, self.changed_at = number, time.monotonic()
        return True

    def changes(self, count, timeout):
        """Whether the wheel turns on to `count` more tiles within the time."""
        seen = [0]

        def turned():
            seen[0] += self.look()
            return seen[0] >= count
        return g.wait_until(turned, timeout, 0.005)


class Player:
    def __init__(self, display, window, fixtures):
        self.display, self.window, self.fx = display, window, fixtures
        self.lucky, self.highest, self.delay = ([0] * WHEEL_COUNT for _ in range(3))
        self.last_stop = {}

    # --- the window's widgets ------------------------------------------------
    def widget(self, control_id):
        found = self.window.by_id(control_id)
        if found is None:
            raise PlayError("the window has no widget for control %d" % control_id)
        return found

    def click(self, control_id):
        self.display.click_on(self.widget(control_id))

    def wheel_ids(self, wheel):
        return dict(zip(("box", "spin", "stop", "picture"), self.fx.wheels[wheel]))

    def enabled(self, control_id):
        return self.widget(control_id).sensitive()

    def wait_enabled(self, control_id, enabled=True, timeout=BUTTON_TIMEOUT):
        return g.wait_until(lambda: self.enabled(control_id) == enabled, timeout)

    def picture_rect(self, wheel):
        return self.window.screen_rect(self.window.dialog.control(self.wheel_ids(wheel)["picture"]))

    def watcher(self, wheel):
        return WheelWatcher(self.display, self.picture_rect(wheel), wheel == BONUS_WHEEL,
                            self.highest[wheel], self.fx.art)

    # --- playing ---------------------------------------------------------------
    def choose(self, control_id):
        self.click(control_id)
        if not g.wait_until(lambda: self.widget(control_id).checked(), BUTTON_TIMEOUT):
            raise PlayError("control %d does not get checked" % control_id)

    def draw_numbers(self):
        kind = next((i for i, cid in enumerate(TYPE_IDS) if self.widget(cid).checked()), 0)
        level = 1 if self.widget(CHALLENGING_ID).checked() else 0
        self.click(GET_LUCKY_ID)
        if not self.wait_enabled(self.wheel_ids(0)["spin"]):
            raise PlayError("\"Spin 1\" does not become enabled after the draw")
        for wheel in range(WHEEL_COUNT):
            text = self.widget(self.wheel_ids(wheel)["box"]).text()
            self.highest[wheel] = self.fx.ranges[kind][1 if wheel == BONUS_WHEEL else 0]
            self.delay[wheel] = self.fx.delays[level][wheel]
            if not text.isdigit() or not 1 <= int(text) <= self.highest[wheel]:
                raise PlayError("number box of wheel %s shows \"%s\", not a number from 1 to %d"
                                % (wheel_name(wheel), text, self.highest[wheel]))
            self.lucky[wheel] = int(text)
        return self.lucky

    def start_spin(self, wheel):
        ids = self.wheel_ids(wheel)
        self.stop = self.widget(ids["stop"])
        self.stop_at = g.centre(self.stop.rect())
        self.click(ids["spin"])
        # The spin loop answers the bus between frames, so this is slow but sure.
        if not g.wait_until(self.stop.sensitive, BUTTON_TIMEOUT):
            raise PlayError("wheel %s does not start: \"Stop\" stays disabled" % wheel_name(wheel))
        # The pointer goes to Stop at once, so its moves are handled long
        # before the click that counts.
        self.display.move(*self.stop_at)

    def stop_on_frame(self, wheel, frame):
        """Clicks Stop so that the wheel stops on that frame; returns the
        frame it stood on afterwards."""
        watcher = self.watcher(wheel)
        click_frame = (frame - 2) % watcher.frames
        self.last_stop = {"aimed": frame, "clicked_on": click_frame}
        delay = self.delay[wheel] / 1000.0
        deadline = time.monotonic() + 2 * (watcher.frames + 4) * delay + 2
        while not (watcher.look() and watcher.frame == click_frame):
            if time.monotonic() > deadline:
                raise PlayError("wheel %s never showed %s; it last showed %s" % (
                    wheel_name(wheel), frame_text(click_frame), frame_text(watcher.frame)))
            time.sleep(0.001)
        self.display.press_release(widget=self.stop)
        self.last_stop["clicked_at"] = time.monotonic()
        self.last_stop["reaction_ms"] = 1000 * (time.monotonic() - watcher.changed_at)
        # The game takes the click two frames on; watch a while longer, since
        # the last frame may reach the screen late. No questions over the bus
        # meanwhile: the spin loop handles one event a frame.
        settle = time.monotonic() + 6 * delay + 0.3
        while time.monotonic() < settle:
            watcher.look()
            time.sleep(0.005)
        if not self.wait_enabled(self.wheel_ids(wheel)["stop"], False):
            raise PlayError("\"Stop %s\" was clicked but stays enabled" % wheel_name(wheel))
        return watcher.frame

    def match_wheel(self, wheel):
        target = 2 * self.lucky[wheel] - 1
        self.start_spin(wheel)
        judged = self.stop_on_frame(wheel, target)
        if judged != target:
            raise PlayError("wheel %s stopped on %s, aimed at %s; clicked %.0f ms after %s showed"
                            % (wheel_name(wheel), frame_text(judged), frame_text(target),
                               self.last_stop["reaction_ms"], frame_text(target - 2)))

    def play_to_win(self):
        self.draw_numbers()
        for wheel in range(WHEEL_COUNT):
            self.match_wheel(wheel)
            if wheel < BONUS_WHEEL and not self.wait_enabled(self.wheel_ids(wheel + 1)["spin"]):
                raise PlayError("a match on wheel %s does not enable \"Spin %s\""
                                % (wheel_name(wheel), wheel_name(wheel + 1)))

    # --- looking -------------------------------------------------------------------
    def showing(self, wheel):
        image = self.display.capture(*self.picture_rect(wheel))
        return self.fx.art.recognise(wheel == BONUS_WHEEL, image)

    def shows_within_frame(self, wheel, number):
        """Whether the wheel shows the tile inside the one-pixel frame its
        picture control draws around it before its first turn."""
        image = self.display.capture(*self.picture_rect(wheel))
        tile = xdisplay.Image(image.width, image.height,
                              self.fx.art.tile(wheel == BONUS_WHEEL, number))
        inner = (1, 1, image.width - 2, image.height - 2)
        return image.crop(*inner).bgr == tile.crop(*inner).bgr

    def client_image(self, every_pixel=False):
        """The client area, or with every_pixel all the screen's (N x N a pixel at scale N)."""
        capture = self.display.capture_pixels if every_pixel else self.display.capture
        return capture(*self.window.client_origin(), self.window.dialog.width,
                       self.window.dialog.height)

    def banner_station(self, client):
        """Which station (0 to 4) shows the whole banner in a client-area image, or -1."""
        width, height, banner = self.fx.art.pictures["banner"]
        area = self.window.dialog.control(BANNER_AREA_ID)
        for station, (dx, dy, _) in enumerate(self.fx.stations):
            x, y = area.x + dx, area.y + dy
            if x >= 0 and y >= 0 and x + width <= client.width and y + height <= client.height \
                    and client.crop(x, y, width, height).bgr == banner:
                return station
        return -1

    def banner_stations(self, since, timeout, every_pixel=False):
        """The stations the banner shows whole at in turn, each with its first
        client-area image, until the last station or the time is up."""
        seen = []
        last = len(self.fx.stations) - 1
        while time.monotonic() - since < timeout and not (seen and seen[-1][0] == last):
            image = self.client_image(every_pixel)
            station = self.banner_station(image.sampled(self.display.scale) if every_pixel
                                          else image)
            if station >= 0 and (not seen or seen[-1][0] != station):
                seen.append((station, image, time.monotonic() - since))
            time.sleep(0.05)
        return seen

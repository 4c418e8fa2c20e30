"""The opened game window: title, size and place, the About item, every
control's role, place and text, and the state a fresh game starts in."""

import game as g
import player as p
import support
import wine

LOGO_NUMBER = 50  # the icon control, whose size follows its icon


class OpenedWindow(support.GameTest):
    @classmethod
    def setUpClass(cls):
        # One game for these read-only looks.
        cls.case = cls("test_controls")
        cls.case.setUp()
        cls.game, cls.window = cls.case.launch()

    @classmethod
    def tearDownClass(cls):
        cls.case.doCleanups()

    def test_title_size_and_place(self):
        self.assertEqual(self.window.title, g.TITLE)
        x, y, width, height = self.window.outer_rect()
        if support.WINDOWS:
            # Windows' frame around the 950 x 448 client area, centred on the
            # desktop; a drag on the caption leaves it there.
            self.assertEqual(self.window.client_size(), (950, 448))
            centre = (x + width // 2, y + height // 2)
            self.assertLessEqual(max(abs(centre[0] - 640), abs(centre[1] - 400)), 1,
                                 "window centred at %s on a 1280 x 800 desktop" % (centre,))
            caption = self.window.frame_point(wine.HTCAPTION)
            self.assertIsNotNone(caption, "the window reports no caption")
            self.display.drag(caption, (caption[0] - 120, caption[1] + 90))
            self.wait_painted(self.window)
            self.assertEqual(self.game.main_window().outer_rect(), (x, y, width, height),
                             "a drag on the caption moved the window")
            return
        if support.BROWSER:
            # The page draws the window's frame, caption and menu bar around
            # the 950 x 448 client area, and centres the window in itself.
            self.assertEqual(self.window.client_size(), (950, 448))
            page_width, page_height = self.game.viewport()
            self.assertLessEqual(max(abs(2 * x + width - page_width),
                                     abs(2 * y + height - page_height)), 2,
                                 "window at %s on a %d x %d page"
                                 % ((x, y, width, height), page_width, page_height))
            self.assertEqual(len(self.window.menu_items(g.ABOUT_ITEM)), 1,
                             "the window's menu bar has no item \"%s\"" % g.ABOUT_ITEM)
            return
        # The client area is 950 x 448 beside or below the window menu.
        self.assertTrue((width == 950 and height >= 448) or (height == 448 and width >= 950),
                        "window %d x %d cannot hold a 950 x 448 client area and a menu"
                        % (width, height))
        # At a desktop scale of N, N x N pixels of the screen each.
        if hasattr(self.display, "width"):
            screen = [self.display.width(w) for w in self.display.windows_of(self.game.process.pid)]
            self.assertIn(self.display.scale * width, screen, "the window's widths on the screen")
        items = self.window.menu_items(g.ABOUT_ITEM)
        self.assertEqual(len(items), 1, "the window menu has no item \"%s\"" % g.ABOUT_ITEM)

    def test_controls(self):
        widgets = self.window.widgets()
        problems = []
        for control in self.fx.game.controls:
            widget = self.window.find(control, widgets)
            if widget is None:
                problems.append("%r: no %s widget at %s or with its text" % (
                    control, "/".join(sorted(g.ROLES[control.kind])),
                    self.window.screen_rect(control)))
                continue
            got = widget.rect()
            wanted = self.window.screen_rect(control)
            if control.number == LOGO_NUMBER:
                got, wanted = got[:2], wanted[:2]
            if got != wanted:
                problems.append("%r: at %s, expected %s" % (control, got, wanted))
            # The number boxes are filled when the window opens (first state).
            if control.kind not in ("edit", "frame", "icon") and \
                    widget.text() != g.plain_text(control.text):
                problems.append("%r: reads \"%s\"" % (control, widget.text()))
        self.assertEqual(problems, [])
        # No widget a player could use beyond the template's.
        for role in ("push button", "check box", "radio button", "text"):
            count = sum(1 for w in widgets if w.role == role)
            kinds = [k for k, roles in g.ROLES.items() if role in roles]
            expected = sum(1 for c in self.fx.game.controls if c.kind in kinds)
            self.assertEqual(count, expected, "%d widgets of role %s" % (count, role))

    def test_first_state(self):
        enabled = [2, 1008, 1029, 1030, 1038, 1039, 1040]
        disabled = [1] + [ids[1] for ids in self.fx.wheels] + [ids[2] for ids in self.fx.wheels]
        for cid in enabled + disabled:
            widget = self.window.by_id(cid)
            self.assertIsNotNone(widget, "no widget for control %d" % cid)
            self.assertEqual(widget.sensitive(), cid in enabled,
                             "control %d is %s" % (cid, "disabled" if cid in enabled else "enabled"))
        for cid in (1029, 1030, 1038, 1039, 1040):
            self.assertEqual(self.window.by_id(cid).checked(), cid in (1029, 1038),
                             "control %d checked: %s" % (cid, self.window.by_id(cid).checked()))
        for box, *_ in self.fx.wheels:
            self.assertEqual(self.window.by_id(box).text(), "0", "number box %d" % box)
        # "Try Again" is disabled, so the first enabled tab stop has the focus.
        self.assertTrue(self.window.by_id(2).focused(),
                        "\"Exit\" does not have the focus")
        player = p.Player(self.display, self.window, self.fx)
        blanks = [player.shows_within_frame(wheel, 0) for wheel in range(p.WHEEL_COUNT)]
        self.assertEqual(blanks, [True] * p.WHEEL_COUNT, "which wheels show their blanks")
        self.save(player.client_image(), "window")

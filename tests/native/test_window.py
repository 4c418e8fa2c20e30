"""The opened game window: title, size and place, the About item, every
control's role, place and text, and the state a fresh game starts in."""

import game as g
import player as p
import support
import wine

CLIENT = (950, 448)


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
            # Windows' frame around the client area, centred on the 1280 x 800
            # desktop; a drag on the caption leaves it there.
            self.assertEqual(self.window.client_size(), CLIENT)
            self.assertLessEqual(max(abs(x + width // 2 - 640), abs(y + height // 2 - 400)), 1,
                                 "window %s on a 1280 x 800 desktop" % ((x, y, width, height),))
            caption = self.window.frame_point(wine.HTCAPTION)
            self.assertIsNotNone(caption, "the window reports no caption")
            self.display.drag(caption, (caption[0] - 120, caption[1] + 90))
            self.wait_painted(self.window)
            self.assertEqual(self.game.main_window().outer_rect(), (x, y, width, height),
                             "a drag on the caption moved the window")
            return
        if support.BROWSER:
            # The page draws the window's frame, caption and menu bar around
            # the client area, and centres the window in itself.
            self.assertEqual(self.window.client_size(), CLIENT)
            page_width, page_height = self.game.viewport()
            self.assertLessEqual(max(abs(2 * x + width - page_width),
                                     abs(2 * y + height - page_height)), 2,
                                 "window at %s on a %d x %d page"
                                 % ((x, y, width, height), page_width, page_height))
        else:
            # The client area beside or below the window menu.
            self.assertTrue((width == 950 and height >= 448) or (height == 448 and width >= 950),
                            "window %d x %d cannot hold the client area and a menu"
                            % (width, height))
            # At a desktop scale of N, N x N pixels of the screen each.
            if hasattr(self.display, "width"):
                screen = [self.display.width(w) for w in
                          self.display.windows_of(self.game.process.pid)]
                self.assertIn(self.display.scale * width, screen, "the window's screen widths")
        self.assertEqual(len(self.window.menu_items(g.ABOUT_ITEM)), 1,
                         "the window's menu has no item \"%s\"" % g.ABOUT_ITEM)

    def test_controls(self):
        widgets = self.window.widgets()
        problems = []
        for control in self.fx.game.controls:
            widget = self.window.find(control, widgets)
            wanted = self.window.screen_rect(control)
            if widget is None:
                problems.append("%r: no %s widget at %s or with its text" % (
                    control, "/".join(sorted(g.ROLES[control.kind])), wanted))
                continue
            size = 2 if control.kind == "icon" else 4  # its size follows its icon
            if widget.rect()[:size] != wanted[:size]:
                problems.append("%r: at %s, expected %s" % (control, widget.rect(), wanted))
            # The number boxes are filled when the window opens (first state).
            if control.kind not in ("edit", "frame", "icon") and \
                    widget.text() != g.plain_text(control.text):
                problems.append("%r: reads \"%s\"" % (control, widget.text()))
        self.assertEqual(problems, [])
        # No widget a player could use beyond the template's.
        for role in ("push button", "check box", "radio button", "text"):
            kinds = [k for k, roles in g.ROLES.items() if role in roles]
            self.assertEqual(sum(w.role == role for w in widgets),
                             sum(c.kind in kinds for c in self.fx.game.controls),
                             "widgets of role %s" % role)

    def test_first_state(self):
        player = p.Player(self.display, self.window, self.fx)
        self.expect_fresh_game(player, "first state")
        # "Try Again" is disabled, so the first enabled tab stop has the focus.
        self.assertTrue(self.window.by_id(2).focused(), "\"Exit\" does not have the focus")
        self.assertEqual([player.shows_within_frame(w, 0) for w in range(p.WHEEL_COUNT)],
                         [True] * p.WHEEL_COUNT, "which wheels show their blanks")
        self.save(player.client_image(), "window")

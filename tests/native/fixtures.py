"""What the tests expect, as tests/native/fixtures.cpp writes it from the
game's resources and tables: the dialog layouts, the game's rules and the
pictures the player recognises on the screen."""

import os

# Button and static styles that decide a control's kind.
_BUTTON_KIND = {0: "push button", 1: "push button", 3: "check box", 9: "radio button",
                7: "group box"}
_STATIC_KIND = {0: "label", 1: "label", 2: "label", 3: "icon", 7: "frame", 8: "frame"}


class Control:
    def __init__(self, fields):
        (self.number, self.id, self.cls, self.style, icon,
         self.x, self.y, self.width, self.height) = (
            int(f) if i != 2 else f for i, f in enumerate(fields[:9]))
        self.is_icon = icon == 1
        self.text = fields[9] if len(fields) > 9 else ""
        if self.cls == "button":
            self.kind = _BUTTON_KIND.get(self.style & 0xF, "button")
        elif self.cls == "static":
            self.kind = _STATIC_KIND.get(self.style & 0x1F, "static")
        else:
            self.kind = self.cls  # "edit"

    @property
    def rect(self):
        return (self.x, self.y, self.width, self.height)

    def __repr__(self):
        return "control %d (id %d, %s \"%s\")" % (self.number, self.id, self.kind, self.text)


class Dialog:
    def __init__(self, fields):
        self.name, self.id = fields[0], int(fields[1])
        self.width, self.height = int(fields[2]), int(fields[3])
        self.caption = fields[4] if len(fields) > 4 else ""
        self.controls = []

    def control(self, control_id):
        return next(c for c in self.controls if c.id == control_id)


class Art:
    """The pictures as Image-compatible BGR bytes, looked up by their bytes."""

    def __init__(self, folder):
        self.pictures = {}
        with open(os.path.join(folder, "art.tsv")) as index:
            for line in index:
                name, width, height = line.split("\t")
                with open(os.path.join(folder, name + ".rgb"), "rb") as raw:
                    rgb = raw.read()
                bgr = bytearray(rgb)
                bgr[0::3], bgr[2::3] = rgb[2::3], rgb[0::3]
                self.pictures[name] = (int(width), int(height), bytes(bgr))
        self._by_bytes = {kind: {self.pictures["%s_%d" % (kind, n)][2]: n
                                 for n in range(highest + 1)}
                          for kind, highest in (("main", 75), ("bonus", 35))}

    def tile(self, bonus, number):
        return self.pictures["%s_%d" % ("bonus" if bonus else "main", number)][2]

    def recognise(self, bonus, image):
        """The number a 72 x 72 image shows, 0 the blank, -1 no tile at all."""
        return self._by_bytes["bonus" if bonus else "main"].get(image.bgr, -1)


class Fixtures:
    def __init__(self, folder):
        self.dialogs = {}
        with open(os.path.join(folder, "layout.tsv")) as layout:
            for line in layout:
                fields = line.rstrip("\n").split("\t")
                if fields[0] == "dialog":
                    self.dialogs[fields[1]] = Dialog(fields[1:])
                elif fields[0] == "control":
                    self.dialogs[fields[1]].controls.append(Control(fields[2:]))
        self.wheels, self.ranges, self.delays = [], [], []
        with open(os.path.join(folder, "rules.tsv")) as rules:
            for line in rules:
                kind, *values = line.split("\t")
                {"wheel": self.wheels, "type": self.ranges,
                 "delays": self.delays}[kind].append([int(v) for v in values])
        self.art = Art(folder)

    @property
    def game(self):
        return self.dialogs["game"]

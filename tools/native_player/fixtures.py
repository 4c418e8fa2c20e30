"""What the player and the tests expect, as fixtures.cpp beside it writes it from the
game's resources and tables: the dialog layouts, the game's rules and the
pictures the player recognises on the screen."""

import os

# Button and static styles that decide a control's kind.
_KINDS = {"button": (0xF, {0: "push button", 1: "push button", 3: "check box",
                           9: "radio button", 7: "group box"}),
          "static": (0x1F, {0: "label", 1: "label", 2: "label", 3: "icon", 7: "frame",
                            8: "frame"})}


class Control:
    def __init__(self, fields):
        self.id, self.cls, self.style = int(fields[0]), fields[1], int(fields[2])
        self.rect = self.x, self.y, self.width, self.height = tuple(int(v) for v in fields[3:7])
        self.text = fields[7] if len(fields) > 7 else ""
        mask, kinds = _KINDS.get(self.cls, (0, {}))
        self.kind = kinds.get(self.style & mask, self.cls)  # "edit"

    def __repr__(self):
        return "control %d (%s \"%s\")" % (self.id, self.kind, self.text)


class Dialog:
    def __init__(self, width, height):
        self.width, self.height, self.controls = int(width), int(height), []

    def control(self, control_id):
        return next(c for c in self.controls if c.id == control_id)


class Art:
    """The pictures as Image-compatible BGR bytes, looked up by their bytes."""

    def __init__(self, folder):
        self.pictures = {}
        with open(os.path.join(folder, "art.tsv")) as index:
            for name, width, height in (line.split("\t") for line in index):
                with open(os.path.join(folder, name + ".rgb"), "rb") as raw:
                    rgb = raw.read()
                bgr = bytearray(rgb)
                bgr[0::3], bgr[2::3] = rgb[2::3], rgb[0::3]
                self.pictures[name] = (int(width), int(height), bytes(bgr))
        self._by_bytes = {"main": {}, "bonus": {}}
        for name, (_, _, bgr) in self.pictures.items():
            kind, _, number = name.partition("_")
            if kind in self._by_bytes:
                self._by_bytes[kind][bgr] = int(number)

    def tile(self, bonus, number):
        return self.pictures["%s_%d" % ("bonus" if bonus else "main", number)][2]

    def recognise(self, bonus, image):
        """The number a 72 x 72 image shows, 0 the blank, -1 no tile at all."""
        return self._by_bytes["bonus" if bonus else "main"].get(image.bgr, -1)


class Fixtures:
    def __init__(self, folder):
        self.dialogs = {}
        with open(os.path.join(folder, "layout.tsv")) as layout:
            for kind, name, *fields in (line.rstrip("\n").split("\t") for line in layout):
                if kind == "dialog":
                    self.dialogs[name] = Dialog(*fields)
                else:
                    self.dialogs[name].controls.append(Control(fields))
        self.wheels, self.ranges, self.delays, self.stations, pause = [], [], [], [], []
        with open(os.path.join(folder, "rules.tsv")) as rules:
            for kind, *values in (line.split("\t") for line in rules):
                {"wheel": self.wheels, "type": self.ranges, "delays": self.delays,
                 "station": self.stations, "pause": pause}[kind].append([int(v) for v in values])
        # Seconds from the winning stop to the banner, and to the end-of-game dialog.
        self.banner_after = pause[0][0] / 1000
        self.dialog_after = self.banner_after + sum(ms for _, _, ms in self.stations) / 1000
        self.art = Art(folder)
        self.game = self.dialogs["game"]

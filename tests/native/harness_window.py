"""A tiny GTK window for checking the test tools themselves: a button that
swaps a 72 x 72 picture between blue and red, at fixed places."""

import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf, Gtk  # noqa: E402

pictures = [GdkPixbuf.Pixbuf.new(GdkPixbuf.Colorspace.RGB, False, 8, 72, 72) for _ in range(2)]
pictures[0].fill(0x0000FFFF)
pictures[1].fill(0xFF0000FF)
window = Gtk.Window(title="Harness")
place = Gtk.Fixed()
button = Gtk.Button(label="Swap")
button.set_size_request(80, 30)
place.put(button, 10, 20)
image = Gtk.Image.new_from_pixbuf(pictures[0])
place.put(image, 200, 10)
button.connect("clicked", lambda _: image.set_from_pixbuf(
    pictures[1] if image.get_pixbuf() is pictures[0] else pictures[0]))
window.connect("delete-event", lambda *_: sys.exit(1))
window.add(place)
window.show_all()
Gtk.main()

// The program's entry point: the toolkit starts, then the application object
// runs everything from InitInstance, modally.
#include "fw/gtk/backend.h"
#include "fw/gtk/events.h"

#include <pango/pangocairo.h>

int main(int argc, char** argv) {
    // One pixel of the templates is one pixel of the screen.
    g_setenv("GDK_SCALE", "1", TRUE);
    g_setenv("GDK_DPI_SCALE", "1", TRUE);
    // Every picture is drawn by the processor: the toolkit need not load
    // the OpenGL drivers to find out what they offer.
    g_setenv("GDK_GL", "disable", TRUE);
    gdk_set_allowed_backends("x11");
    // The font map reads the font configuration in a thread of its own:
    // started now, that runs while the toolkit opens the display.
    pango_cairo_font_map_get_default();
    if (!gtk_init_check(&argc, &argv)) {
        // Status 1 is the game's own end ("Exit"): this is another one.
        const char* display = g_getenv("DISPLAY");
        g_printerr("quintaro: cannot open a display%s%s; start the game on the desktop, or set "
                   "DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to the desktop's display\n",
                   display ? " at DISPLAY=" : " (DISPLAY is not set)", display ? display : "");
        return 2;
    }
    g_object_set(gtk_settings_get_default(), "gtk-auto-mnemonics", FALSE, "gtk-enable-animations",
                 FALSE, nullptr);
    InstallEventQueue();
    if (CWinApp* app = AfxGetApp())
        app->InitInstance();
    return 0;
}

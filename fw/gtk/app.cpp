// The program's entry point: the toolkit starts, then the application object
// runs everything from InitInstance, modally.
#include "fw/gtk/backend.h"
#include "fw/gtk/canvas.h"
#include "fw/gtk/events.h"

#include <pango/pangocairo.h>

#include <string>

int main(int argc, char** argv) {
    // The desktop's scale and its display server are the toolkit's to find,
    // as for any program: a template pixel is as many pixels of the screen as
    // the scale says (GDK_SCALE, else the monitor's), on Wayland where the
    // session is Wayland, else on X11.

    // Every picture is drawn by the processor: the toolkit need not load
    // the OpenGL drivers to find out what they offer.
    g_setenv("GDK_GL", "disable", TRUE);
    // The font map reads the font configuration in a thread of its own:
    // started now, that runs while the toolkit opens the display.
    pango_cairo_font_map_get_default();
    if (!gtk_init_check(&argc, &argv)) {
        // Status 1 is the game's own end ("Exit"): this is another one.
        std::string tried;
        for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY"})
            if (const char* value = g_getenv(name))
                tried += (tried.empty() ? "" : ", ") + std::string(name) + "=" + value;
        g_printerr("quintaro: cannot open a display (%s); start the game on the desktop, or set "
                   "DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to the desktop's display\n",
                   tried.empty() ? "neither DISPLAY nor WAYLAND_DISPLAY is set" : tried.c_str());
        return 2;
    }
    g_object_set(gtk_settings_get_default(), "gtk-auto-mnemonics", FALSE, "gtk-enable-animations",
                 FALSE, nullptr);
    CanvasWatchRedraws();
    InstallEventQueue();
    if (CWinApp* app = AfxGetApp())
        app->InitInstance();
    return 0;
}

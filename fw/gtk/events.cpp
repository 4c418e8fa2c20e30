#include "fw/gtk/events.h"

#include <cmath>
#include <map>

#include "fw/gtk/backend.h"

namespace {

// Events the toolkit handles itself (the menu bar and its menus, crossings),
// kept until the manager hands them out in their turn.
std::map<int, GdkEvent*>& HeldEvents() {
    static std::map<int, GdkEvent*> held;
    return held;
}

bool g_lastWasMove = false; // only the latest waiting move counts, as on the platform

bool IsInput(GdkEventType type) {
    static const GdkEventType kInput[] = {
        GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE, GDK_KEY_PRESS,    GDK_KEY_RELEASE, GDK_MOTION_NOTIFY,
        GDK_SCROLL,       GDK_TOUCH_BEGIN,    GDK_TOUCH_UPDATE, GDK_TOUCH_END,   GDK_TOUCH_CANCEL};
    for (GdkEventType input : kInput)
        if (type == input)
            return true;
    return false;
}

GtkWidget* WidgetOf(const GdkEvent* event) {
    gpointer user = nullptr;
    if (event->any.window)
        gdk_window_get_user_data(event->any.window, &user);
    return static_cast<GtkWidget*>(user);
}

// The dialog whose client area an event is in; null for the menu bar, a
// menu, or a window that is not a dialog's.
MgrWindow* DialogUnder(const GdkEvent* event) {
    GtkWidget* widget = WidgetOf(event);
    if (!widget)
        return nullptr;
    MgrWindow* dlg = DialogOfToplevel(gtk_widget_get_toplevel(widget));
    if (!dlg)
        return nullptr;
    GtkWidget* bar = DialogViewOf(*dlg).bar;
    if (bar && (widget == bar || gtk_widget_is_ancestor(widget, bar)))
        return nullptr;
    return dlg;
}

// An open menu takes the keys itself.
bool MenuIsOpen() {
    GtkWidget* grab = gtk_grab_get_current();
    return grab && GTK_IS_MENU_SHELL(grab);
}

// The platform's virtual key of a key, with Shift and Alt; 0 for a key no
// dialog knows.
int VirtualKey(const GdkEventKey& key) {
    static const struct {
        guint keyval;
        int vk;
    } kKeys[] = {{GDK_KEY_Tab, VK_TAB},
                 {GDK_KEY_ISO_Left_Tab, VK_TAB | dlgmgr::kShift},
                 {GDK_KEY_Return, VK_RETURN},
                 {GDK_KEY_KP_Enter, VK_RETURN},
                 {GDK_KEY_ISO_Enter, VK_RETURN},
                 {GDK_KEY_Escape, VK_ESCAPE},
                 {GDK_KEY_space, VK_SPACE},
                 {GDK_KEY_KP_Space, VK_SPACE},
                 {GDK_KEY_Left, VK_LEFT},
                 {GDK_KEY_Up, VK_UP},
                 {GDK_KEY_Right, VK_RIGHT},
                 {GDK_KEY_Down, VK_DOWN},
                 {GDK_KEY_F4, VK_F4}};
    // Letters and digits are their upper-case character.
    const guint32 c = gdk_keyval_to_unicode(gdk_keyval_to_upper(key.keyval));
    int vk = c < 128 && g_ascii_isalnum(char(c)) ? int(c) : 0;
    for (const auto& k : kKeys)
        if (k.keyval == key.keyval)
            vk = k.vk;
    if (key.state & GDK_SHIFT_MASK)
        vk |= dlgmgr::kShift;
    if (key.state & GDK_MOD1_MASK)
        vk |= dlgmgr::kAlt;
    return vk;
}

void Hold(GdkEvent* event) {
    static int next = 0;
    HeldEvents()[++next] = gdk_event_copy(event);
    dlgmgr::Input in{dlgmgr::InputKind::Host};
    in.code = next;
    dlgmgr::QueueInput(in);
}

// Mouse and keys in a dialog's client area become the manager's input;
// the rest goes to the toolkit in its turn.
void Enqueue(GdkEvent* event) {
    MgrWindow* dlg = DialogUnder(event);
    const bool move = event->type == GDK_MOTION_NOTIFY;
    if (move && g_lastWasMove)
        return;
    g_lastWasMove = move;
    const bool key = event->type == GDK_KEY_PRESS || event->type == GDK_KEY_RELEASE;
    const bool button = event->type == GDK_BUTTON_PRESS || event->type == GDK_BUTTON_RELEASE;
    if (!dlg || (key && MenuIsOpen()) || (button && event->button.button != 1)) {
        Hold(event);
        return;
    }
    dlgmgr::Input in{dlgmgr::InputKind::Move};
    in.window = dlg->hwnd;
    if (key) {
        in.kind =
            event->type == GDK_KEY_PRESS ? dlgmgr::InputKind::KeyDown : dlgmgr::InputKind::KeyUp;
        in.code = VirtualKey(event->key);
    } else if (button) {
        in.kind =
            event->type == GDK_BUTTON_PRESS ? dlgmgr::InputKind::Press : dlgmgr::InputKind::Release;
        // The point in the client area, from the window the event came in
        // (a Wayland session tells no place on the screen).
        DialogView& view = DialogViewOf(*dlg);
        GdkWindow* toplevel = gtk_widget_get_window(view.window);
        double x = event->button.x, y = event->button.y;
        for (GdkWindow* w = event->any.window; w && w != toplevel; w = gdk_window_get_parent(w))
            gdk_window_coords_to_parent(w, x, y, &x, &y);
        GtkAllocation canvas;
        gtk_widget_get_allocation(view.canvas, &canvas);
        in.atPoint = true;
        in.point = {long(std::floor(x)) - canvas.x, long(std::floor(y)) - canvas.y};
    }
    dlgmgr::QueueInput(in);
}

void HandleEvent(GdkEvent* event, gpointer) {
    if (IsInput(event->type))
        Enqueue(event);
    else
        gtk_main_do_event(event);
}

} // namespace

void InstallEventQueue() {
    gdk_event_handler_set(HandleEvent, nullptr, nullptr);
}

void DeliverToToolkit(int held) {
    auto it = HeldEvents().find(held);
    if (it == HeldEvents().end())
        return;
    GdkEvent* event = it->second;
    HeldEvents().erase(it);
    gtk_main_do_event(event);
    gdk_event_free(event);
}

void ReadWaitingEvents() {
    // Only the window system's events: drawing waits for the next sleep, so
    // that a frame costs no more than its own picture.
    for (int i = 0; i < 256; ++i) {
        GdkEvent* event = gdk_event_get();
        if (!event)
            break;
        HandleEvent(event, nullptr);
        gdk_event_free(event);
    }
}

#include "fw/gtk/events.h"

#include <deque>

#include "fw/gtk/backend.h"

namespace {

std::deque<GdkEvent*>& Queue() {
    static std::deque<GdkEvent*> queue;
    return queue;
}

// What the player does, and what counts as one message of its own.
struct InputKind {
    GdkEventType type;
    bool counts;
};
const InputKind kInputKinds[] = {
    {GDK_BUTTON_PRESS, true},  {GDK_BUTTON_RELEASE, true}, {GDK_KEY_PRESS, true},
    {GDK_KEY_RELEASE, true},   {GDK_MOTION_NOTIFY, true},  {GDK_SCROLL, true},
    {GDK_DELETE, true},        {GDK_2BUTTON_PRESS, false}, {GDK_3BUTTON_PRESS, false},
    {GDK_ENTER_NOTIFY, false}, {GDK_LEAVE_NOTIFY, false},  {GDK_TOUCH_BEGIN, true},
    {GDK_TOUCH_UPDATE, true},  {GDK_TOUCH_END, true},      {GDK_TOUCH_CANCEL, true},
};

const InputKind* InputKindOf(const GdkEvent* event) {
    for (const InputKind& kind : kInputKinds)
        if (kind.type == event->type)
            return &kind;
    return nullptr;
}

// Like the platform's mouse-move message, only the latest waiting move of
// a window is kept.
void Enqueue(GdkEvent* event) {
    std::deque<GdkEvent*>& queue = Queue();
    if (event->type == GDK_MOTION_NOTIFY && !queue.empty() &&
        queue.back()->type == GDK_MOTION_NOTIFY && queue.back()->any.window == event->any.window) {
        gdk_event_free(queue.back());
        queue.back() = gdk_event_copy(event);
        return;
    }
    queue.push_back(gdk_event_copy(event));
}

void HandleEvent(GdkEvent* event, gpointer) {
    if (InputKindOf(event))
        Enqueue(event);
    else
        gtk_main_do_event(event);
}

GtkWidget* FocusOf(const GdkEvent* event) {
    GtkWidget* toplevel = nullptr;
    if (event->any.window) {
        gpointer user = nullptr;
        gdk_window_get_user_data(gdk_window_get_toplevel(event->any.window), &user);
        toplevel = static_cast<GtkWidget*>(user);
    }
    return toplevel && GTK_IS_WINDOW(toplevel) ? gtk_window_get_focus(GTK_WINDOW(toplevel))
                                               : nullptr;
}

// An open menu takes the keys itself.
bool MenuIsOpen() {
    GtkWidget* grab = gtk_grab_get_current();
    return grab && GTK_IS_MENU_SHELL(grab);
}

bool IsEnter(guint keyval) {
    return keyval == GDK_KEY_Return || keyval == GDK_KEY_KP_Enter || keyval == GDK_KEY_ISO_Enter;
}

bool IsSpace(guint keyval) {
    return keyval == GDK_KEY_space || keyval == GDK_KEY_KP_Space;
}

// The space bar presses the focused button and clicks it on its release,
// as the platform's buttons do; the toolkit's own would click from a timer
// when the key is held.
bool SpaceKey(const GdkEvent* event) {
    // Weak: the button may go with its dialog before the key comes up.
    static GtkWidget* pressed = nullptr;
    GtkWidget* focus = FocusOf(event);
    const bool button = focus && GTK_IS_BUTTON(focus) && gtk_widget_is_sensitive(focus);
    GtkWidget* was = pressed;
    if (pressed)
        g_object_remove_weak_pointer(G_OBJECT(pressed), reinterpret_cast<gpointer*>(&pressed));
    pressed = nullptr;
    if (event->type == GDK_KEY_PRESS) {
        if (was && was != focus)
            gtk_widget_unset_state_flags(was, GTK_STATE_FLAG_ACTIVE);
        if (button) {
            pressed = focus;
            g_object_add_weak_pointer(G_OBJECT(pressed), reinterpret_cast<gpointer*>(&pressed));
            gtk_widget_set_state_flags(focus, GTK_STATE_FLAG_ACTIVE, FALSE);
        }
        return button;
    }
    if (!was || was != focus)
        return false;
    gtk_widget_unset_state_flags(was, GTK_STATE_FLAG_ACTIVE);
    if (button)
        gtk_button_clicked(GTK_BUTTON(was));
    return true;
}

// The front dialog's keyboard: Escape cancels; Enter clicks the focused
// push button, or else gives the OK command when OK is enabled or missing.
bool DialogKey(const GdkEventKey& key) {
    DialogRun* run = InnermostRun();
    // Escape closes an open menu, not the dialog.
    if (!run || key.type != GDK_KEY_PRESS || MenuIsOpen())
        return false;
    if (key.keyval == GDK_KEY_Escape) {
        SendCommand(run, IDCANCEL);
        return true;
    }
    if (IsEnter(key.keyval)) {
        GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(run->window));
        if (focus && GTK_IS_BUTTON(focus) && !GTK_IS_TOGGLE_BUTTON(focus)) {
            if (gtk_widget_is_sensitive(focus))
                gtk_button_clicked(GTK_BUTTON(focus));
            return true;
        }
        CWnd* ok = run->dialog->GetDlgItem(IDOK);
        if (!ok || ok->IsWindowEnabled())
            SendCommand(run, IDOK);
        return true;
    }
    return false;
}

void Deliver(GdkEvent* event, bool dialogKeys) {
    const bool key = event->type == GDK_KEY_PRESS || event->type == GDK_KEY_RELEASE;
    if (!key) {
        gtk_main_do_event(event);
        return;
    }
    if (IsSpace(event->key.keyval) && !MenuIsOpen() && SpaceKey(event))
        return;
    // Outside the dialog's own loop only the focused button hears a key,
    // and only the space bar.
    if (dialogKeys && !DialogKey(event->key))
        gtk_main_do_event(event);
}

} // namespace

void InstallEventQueue() {
    gdk_event_handler_set(HandleEvent, nullptr, nullptr);
}

bool DispatchQueuedInput(bool dialogKeys) {
    std::deque<GdkEvent*>& queue = Queue();
    while (!queue.empty()) {
        GdkEvent* event = queue.front();
        queue.pop_front();
        const bool counts = InputKindOf(event)->counts;
        Deliver(event, dialogKeys);
        gdk_event_free(event);
        if (counts)
            return true;
    }
    return false;
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

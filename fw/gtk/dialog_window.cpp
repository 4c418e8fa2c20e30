// The window of a dialog, built from its template: a toplevel window with an
// optional menu bar above a client area of fixed size, and the controls as
// the toolkit's widgets at their rectangles.
#include "fw/gtk/toolkit.h"

#include "fw/gtk/canvas.h"
#include "fw/gtk/controls.h"
#include "fw/gtk/dialog_window.h"
#include "fw/gtk/surface_dc.h"

namespace {

// The window system showed part of the client area anew: a paint request,
// as the platform makes one (whichever display server it is).
void OnExposed(const cairo_region_t* area, gpointer data) {
    MgrWindow* dlg = dlgmgr::Find(static_cast<HWND>(data));
    if (!dlg)
        return;
    for (int i = 0; i < cairo_region_num_rectangles(area); ++i) {
        cairo_rectangle_int_t r;
        cairo_region_get_rectangle(area, i, &r);
        const RECT rect = {r.x, r.y, r.x + r.width, r.y + r.height};
        dlgmgr::Invalidate(dlg, &rect);
    }
}

// Restored from the minimised state: the whole client area, as the platform
// asks (an X server may also tell the uncovered parts; Wayland tells neither,
// its windows keep their pictures).
gboolean OnWindowState(GtkWidget*, GdkEventWindowState* event, gpointer data) {
    if ((event->changed_mask & GDK_WINDOW_STATE_ICONIFIED) &&
        !(event->new_window_state & GDK_WINDOW_STATE_ICONIFIED))
        dlgmgr::Invalidate(dlgmgr::Find(static_cast<HWND>(data)));
    return FALSE;
}

// The window manager's close box: the close command, as input.
gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
    MgrWindow* dlg = dlgmgr::Find(static_cast<HWND>(data));
    if (dlg && (dlg->style & WS_SYSMENU)) {
        dlgmgr::Input close{dlgmgr::InputKind::SysCommand};
        close.window = dlg->hwnd;
        close.code = SC_CLOSE;
        dlgmgr::QueueInput(close);
    }
    return TRUE; // the window stays; the program decides
}

void CreateControls(MgrWindow& dlg) {
    GtkRadioButton* leader = nullptr;
    for (MgrWindow* control : dlg.controls) {
        // A radio group runs from a control that starts a group to the next.
        if (control->style & WS_GROUP)
            leader = nullptr;
        const bool radio = control->kind == ControlKind::kRadioButton;
        auto view = std::make_unique<ControlView>();
        view->widget = CreateWidget(*control, radio ? leader : nullptr);
        if (radio && !leader)
            leader = GTK_RADIO_BUTTON(view->widget);
        GtkWidget* w = view->widget;
        control->view = std::move(view);
        ShowText(*control);
        const RECT& r = control->rect;
        CanvasPut(DialogViewOf(dlg).canvas, w,
                  {int(r.left), int(r.top), int(r.right - r.left), int(r.bottom - r.top)});
        gtk_widget_set_sensitive(w, control->enabled);
        gtk_widget_set_visible(w, (control->style & WS_VISIBLE) != 0);
    }
}

} // namespace

void BuildDialogWindow(MgrWindow& dlg, const DialogFace& face) {
    auto owned = std::make_unique<DialogView>();
    DialogView& view = *owned;
    dlg.view = std::move(owned);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    view.window = window;
    gtk_window_set_title(GTK_WINDOW(window), dlg.text.c_str());
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    gtk_window_set_modal(GTK_WINDOW(window), TRUE);
    gtk_window_set_deletable(GTK_WINDOW(window), (dlg.style & WS_SYSMENU) != 0);
    if (!(dlg.style & WS_MINIMIZEBOX))
        gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_DIALOG);
    GtkStyleContext* style = gtk_widget_get_style_context(window);
    gtk_style_context_add_class(style, "qfw-dialog");
    gtk_style_context_add_class(style, FaceClass(face).c_str());

    view.box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(window), view.box);
    view.canvas = CanvasNew(int(dlg.rect.right), int(dlg.rect.bottom), OnExposed, dlg.hwnd);
    gtk_style_context_add_class(gtk_widget_get_style_context(view.canvas), "qfw-canvas");
    gtk_box_pack_end(GTK_BOX(view.box), view.canvas, FALSE, FALSE, 0);

    g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), dlg.hwnd);
    g_signal_connect(window, "window-state-event", G_CALLBACK(OnWindowState), dlg.hwnd);
    CreateControls(dlg);
}

void PlaceWindow(MgrWindow& dlg) {
    GtkWindow* window = GTK_WINDOW(DialogViewOf(dlg).window);
    MgrWindow* owner = dlgmgr::Find(dlg.owner);
    if (owner)
        gtk_window_set_transient_for(window, GTK_WINDOW(DialogViewOf(*owner).window));
    if ((dlg.style & DS_CENTER) || !owner) {
        gtk_window_set_position(window, GTK_WIN_POS_CENTER);
    } else if (dlg.tpl.x != 0 || dlg.tpl.y != 0) {
        int x = 0, y = 0;
        GtkAllocation canvas;
        gtk_widget_get_allocation(DialogViewOf(*owner).canvas, &canvas);
        if (GdkWindow* gdk = gtk_widget_get_window(DialogViewOf(*owner).window))
            gdk_window_get_origin(gdk, &x, &y);
        gtk_window_move(window, x + canvas.x + dlg.scale.PixelsX(dlg.tpl.x),
                        y + canvas.y + dlg.scale.PixelsY(dlg.tpl.y));
    } else {
        gtk_window_set_position(window, GTK_WIN_POS_CENTER_ON_PARENT);
    }
}

void AskTextColours(MgrWindow& dlg) {
    for (MgrWindow* control : dlg.controls) {
        if (control->kind != ControlKind::kNumberBox &&
            !TextLabelOf(control->kind, ControlViewOf(*control).widget))
            continue;
        SurfaceDC dc;
        dc.dialog = &dlg;
        dlgmgr::AskCtlColor(control, HandleOf(&dc));
        if (dc.bkColorSet)
            ShowTextBand(*control, dc.bkColor);
    }
}

// The window of a dialog run, built from its template: a toplevel window
// with an optional menu bar above a client area of fixed size, and the
// controls as the toolkit's widgets at their template rectangles.
#include "fw/gtk/toolkit.h"

#include <gdk/gdkx.h>

#include "fw/gtk/canvas.h"
#include "fw/gtk/controls.h"
#include "fw/gtk/dialog_window.h"
#include "fw/gtk/surface_dc.h"

namespace {

// The window system showed part of the window that needs painting.
GdkFilterReturn ExposeFilter(GdkXEvent* xevent, GdkEvent*, gpointer data) {
    const XEvent* ev = static_cast<const XEvent*>(xevent);
    if (ev->type != Expose)
        return GDK_FILTER_CONTINUE;
    DialogRun* run = static_cast<DialogRun*>(data);
    GtkAllocation canvas;
    gtk_widget_get_allocation(run->canvas, &canvas);
    cairo_rectangle_int_t area = {ev->xexpose.x - canvas.x, ev->xexpose.y - canvas.y,
                                  ev->xexpose.width, ev->xexpose.height};
    AddPendingPaint(run, area);
    return GDK_FILTER_CONTINUE;
}

void OnRealize(GtkWidget* window, gpointer data) {
    gdk_window_add_filter(gtk_widget_get_window(window), ExposeFilter, data);
}

gboolean OnDelete(GtkWidget*, GdkEvent*, gpointer data) {
    DialogRun* run = static_cast<DialogRun*>(data);
    if (run->tpl.style & kWsSysMenu)
        SendToDialog(run, WM_SYSCOMMAND, SC_CLOSE, 0);
    return TRUE; // the window stays; the program decides
}

void CreateControls(DialogRun& run, const DialogScale& scale) {
    GtkRadioButton* leader = nullptr;
    for (const DlgItemTemplate& item : run.tpl.items) {
        auto control = std::make_unique<Control>();
        control->run = &run;
        control->id = item.id;
        control->style = item.style;
        control->text = item.text;
        control->wrapper.m_hWnd = HandleOf(control.get());
        // A radio group runs from a control that starts a group to the next.
        if (item.style & kWsGroup)
            leader = nullptr;
        const bool radio = KindOf(item) == ControlKind::kRadioButton;
        CreateWidget(*control, item, radio ? leader : nullptr);
        if (radio && !leader)
            leader = GTK_RADIO_BUTTON(control->widget);
        control->rect = {scale.PixelsX(item.x), scale.PixelsY(item.y), scale.PixelsX(item.cx),
                         scale.PixelsY(item.cy)};
        // Icons size themselves to their picture.
        if (control->kind == ControlKind::kIcon)
            control->rect.width = control->rect.height = AfxGetSystemMetrics(SM_CXICON);
        CanvasPut(run.canvas, control->widget, control->rect);
        if (item.style & kWsDisabled)
            gtk_widget_set_sensitive(control->widget, FALSE);
        gtk_widget_set_visible(control->widget, (item.style & kWsVisible) != 0);
        run.controls.push_back(std::move(control));
    }
    // Tab order is template order, through the controls with a tab stop.
    GList* chain = nullptr;
    for (const auto& control : run.controls)
        if (control->style & kWsTabStop)
            chain = g_list_append(chain, control->widget);
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_container_set_focus_chain(GTK_CONTAINER(run.canvas), chain);
    G_GNUC_END_IGNORE_DEPRECATIONS
    g_list_free(chain);
}

} // namespace

void BuildDialogWindow(DialogRun& run, const DialogFace& face) {
    const DialogScale& scale = face.scale;
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    run.window = window;
    gtk_window_set_title(GTK_WINDOW(window), run.tpl.caption.c_str());
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    gtk_window_set_modal(GTK_WINDOW(window), TRUE);
    gtk_window_set_deletable(GTK_WINDOW(window), (run.tpl.style & kWsSysMenu) != 0);
    if (!(run.tpl.style & kWsMinimizeBox))
        gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_DIALOG);
    GtkStyleContext* style = gtk_widget_get_style_context(window);
    gtk_style_context_add_class(style, "qfw-dialog");
    gtk_style_context_add_class(style, FaceClass(face).c_str());

    run.box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(window), run.box);
    run.clientWidth = scale.PixelsX(run.tpl.cx);
    run.clientHeight = scale.PixelsY(run.tpl.cy);
    run.canvas = CanvasNew(run.clientWidth, run.clientHeight);
    gtk_style_context_add_class(gtk_widget_get_style_context(run.canvas), "qfw-canvas");
    gtk_box_pack_end(GTK_BOX(run.box), run.canvas, FALSE, FALSE, 0);

    g_signal_connect(window, "realize", G_CALLBACK(OnRealize), &run);
    g_signal_connect(window, "delete-event", G_CALLBACK(OnDelete), &run);
    CreateControls(run, scale);
}

void PlaceWindow(DialogRun& run, const DialogScale& scale) {
    GtkWindow* window = GTK_WINDOW(run.window);
    if (run.owner)
        gtk_window_set_transient_for(window, GTK_WINDOW(run.owner->window));
    if ((run.tpl.style & kDsCenter) || !run.owner) {
        gtk_window_set_position(window, GTK_WIN_POS_CENTER);
    } else if (run.tpl.x != 0 || run.tpl.y != 0) {
        int x = 0, y = 0;
        GtkAllocation canvas;
        gtk_widget_get_allocation(run.owner->canvas, &canvas);
        if (GdkWindow* gdk = gtk_widget_get_window(run.owner->window))
            gdk_window_get_origin(gdk, &x, &y);
        gtk_window_move(window, x + canvas.x + scale.PixelsX(run.tpl.x),
                        y + canvas.y + scale.PixelsY(run.tpl.y));
    } else {
        gtk_window_set_position(window, GTK_WIN_POS_CENTER_ON_PARENT);
    }
}

void AskTextColours(DialogRun& run) {
    for (const auto& control : run.controls) {
        if (control->kind != ControlKind::kNumberBox && !TextLabelOf(*control))
            continue;
        SurfaceDC dc;
        dc.run = &run;
        SendToDialog(&run, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(HandleOf(&dc)),
                     reinterpret_cast<LPARAM>(HandleOf(control.get())));
        if (dc.bkColorSet)
            ShowTextBand(*control, dc.bkColor);
    }
}

void FocusFirstTabStop(DialogRun& run) {
    for (const auto& control : run.controls) {
        if ((control->style & kWsTabStop) && gtk_widget_is_sensitive(control->widget) &&
            gtk_widget_get_visible(control->widget)) {
            gtk_window_set_focus(GTK_WINDOW(run.window), control->widget);
            return;
        }
    }
}

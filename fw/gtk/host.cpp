// The GTK backend as a host of the dialog manager: each of the manager's
// dialogs is a toplevel window, each control a widget that shows the
// control's state; the toolkit's main loop runs while the manager waits.
#include "fw/gtk/canvas.h"
#include "fw/gtk/controls.h"
#include "fw/gtk/dialog_window.h"
#include "fw/gtk/events.h"
#include "fw/gtk/menu_bar.h"
#include "fw/gtk/resources.h"
#include "fw/gtk/surface_dc.h"

namespace {

GdkRectangle RectOf(const MgrWindow& control) {
    const RECT& r = control.rect;
    return {int(r.left), int(r.top), int(r.right - r.left), int(r.bottom - r.top)};
}

// A control whose state changes draws itself again, over any picture
// drawn across it.
void Uncover(const MgrWindow& control) {
    CanvasUncoverRect(DialogViewOf(*control.dialog).canvas, RectOf(control));
}

void ShowIcon(const MgrWindow& dlg) {
    const IconImages* icon =
        IconOf(dlg.icons[ICON_BIG] ? dlg.icons[ICON_BIG] : dlg.icons[ICON_SMALL]);
    if (!icon)
        return;
    GList* list = nullptr;
    for (GdkPixbuf* image : icon->images)
        list = g_list_append(list, image);
    gtk_window_set_icon_list(GTK_WINDOW(DialogViewOf(dlg).window), list);
    g_list_free(list);
}

void ShowDialogChange(MgrWindow& dlg, dlgmgr::Change change) {
    DialogView& view = DialogViewOf(dlg);
    switch (change) {
    case dlgmgr::Change::Enabled:
        gtk_widget_set_sensitive(view.window, dlg.enabled);
        break;
    case dlgmgr::Change::Text:
        gtk_window_set_title(GTK_WINDOW(view.window), dlg.text.c_str());
        break;
    case dlgmgr::Change::Focus: {
        const MgrWindow* focus = dlgmgr::Find(dlg.focus);
        gtk_window_set_focus(GTK_WINDOW(view.window),
                             focus && focus->view ? ControlViewOf(*focus).widget : nullptr);
        break;
    }
    case dlgmgr::Change::Icon:
        ShowIcon(dlg);
        break;
    case dlgmgr::Change::Iconic:
        if (dlg.iconic)
            gtk_window_iconify(GTK_WINDOW(view.window));
        else
            gtk_window_deiconify(GTK_WINDOW(view.window));
        break;
    case dlgmgr::Change::Menu:
        ShowMenuBar(dlg);
        break;
    default:
        break;
    }
}

class GtkHost : public dlgmgr::Host {
public:
    void Poll() override { ReadWaitingEvents(); }

    bool Wait() override {
        g_main_context_iteration(nullptr, TRUE);
        return true;
    }

    bool LoadTemplate(UINT id, DlgTemplate& out) override { return LoadDialogTemplate(id, out); }

    DialogScale ScaleFor(const DlgTemplate& tpl, const DialogScale& asked) override {
        return FaceFor(tpl, asked).scale;
    }

    void Created(MgrWindow& dlg) override {
        BuildDialogWindow(dlg,
                          FaceFor(dlg.tpl, static_cast<CDialog*>(dlg.object)->GetFixedScale()));
    }

    void Shown(MgrWindow& dlg) override {
        DialogView& view = DialogViewOf(dlg);
        AskTextColours(dlg);
        gtk_widget_show(view.box);
        gtk_widget_show(view.canvas);
        PlaceWindow(dlg);
        gtk_widget_show(view.window);
        ShowDialogChange(dlg, dlgmgr::Change::Focus);
    }

    void Hidden(MgrWindow& dlg) override { gtk_widget_hide(DialogViewOf(dlg).window); }

    void Destroying(MgrWindow& dlg) override {
        gtk_widget_destroy(DialogViewOf(dlg).window);
        dlg.view.reset();
    }

    void Activated(MgrWindow& dlg) override {
        gtk_window_present(GTK_WINDOW(DialogViewOf(dlg).window));
    }

    void Changed(MgrWindow& w, dlgmgr::Change change) override {
        if (!w.view)
            return; // not shown yet
        if (w.IsDialog()) {
            ShowDialogChange(w, change);
            return;
        }
        GtkWidget* widget = ControlViewOf(w).widget;
        if (change == dlgmgr::Change::Enabled)
            gtk_widget_set_sensitive(widget, w.enabled);
        else if (change == dlgmgr::Change::Text)
            ShowText(w);
        else if (change == dlgmgr::Change::Check)
            ShowCheck(w);
        else
            return;
        Uncover(w);
    }

    // The controls in the repainted area come back on top; the dialog
    // paints under them.
    void BeginPaint(MgrWindow& dlg) override { ClearPainting(dlg, CanvasLayer::kOver); }
    void PaintBackground(MgrWindow& dlg) override { ClearPainting(dlg, CanvasLayer::kUnder); }

    void SetSurfaceBkColor(HDC hdc, COLORREF color) override {
        if (SurfaceDC* dc = SurfaceOf(hdc)) {
            dc->bkColor = color;
            dc->bkColorSet = true;
        }
    }

    void HostInput(int code) override { DeliverToToolkit(code); }

private:
    static void ClearPainting(MgrWindow& dlg, CanvasLayer layer) {
        if (cairo_region_t* area = PaintingRegion(dlg)) {
            CanvasClear(DialogViewOf(dlg).canvas, layer, area);
            cairo_region_destroy(area);
        }
    }
};

} // namespace

dlgmgr::Host& dlgmgr::TheHost() {
    static GtkHost host;
    return host;
}

MgrWindow* DialogOfToplevel(GtkWidget* toplevel) {
    for (HWND hwnd : dlgmgr::Stack())
        if (MgrWindow* dlg = dlgmgr::Find(hwnd);
            dlg && dlg->view && DialogViewOf(*dlg).window == toplevel)
            return dlg;
    return nullptr;
}

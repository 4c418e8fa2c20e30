#include "fw/gtk/menu_bar.h"

#include "fw/gtk/controls.h"

namespace {

void OnActivate(GtkMenuItem* item, gpointer data) {
    MgrWindow* dlg = dlgmgr::Find(static_cast<HWND>(data));
    const UINT command = GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(item), "qfw-command"));
    if (dlg)
        dlgmgr::Send(dlg, WM_SYSCOMMAND, command, 0);
}

// An item of the bar that opens no menu acts on the release of the button
// that pressed it, however long after the press (the toolkit's menus ignore
// a release that follows the press too closely, and a release may wait a
// whole frame of a spinning wheel).
gboolean OnBarRelease(GtkWidget* bar, GdkEventButton* event, gpointer) {
    GtkWidget* item = gtk_menu_shell_get_selected_item(GTK_MENU_SHELL(bar));
    if (!item || gtk_menu_item_get_submenu(GTK_MENU_ITEM(item)))
        return FALSE;
    GtkAllocation area;
    gtk_widget_get_allocation(item, &area);
    if (event->x < area.x || event->y < area.y || event->x >= area.x + area.width ||
        event->y >= area.y + area.height)
        return FALSE;
    gtk_menu_shell_activate_item(GTK_MENU_SHELL(bar), item, TRUE);
    return TRUE;
}

} // namespace

void ShowMenuBar(MgrWindow& dlg) {
    DialogView& view = DialogViewOf(dlg);
    if (view.bar)
        gtk_widget_destroy(view.bar);
    view.bar = nullptr;
    bool any = false;
    for (size_t i = dlg.firstAppended; i < dlg.sysMenu.size(); ++i) {
        const dlgmgr::MenuItem& entry = dlg.sysMenu[i];
        // A bar needs no line before its first item.
        if ((entry.flags & MF_SEPARATOR) && !any)
            continue;
        if (!view.bar) {
            view.bar = gtk_menu_bar_new();
            g_signal_connect(view.bar, "button-release-event", G_CALLBACK(OnBarRelease), nullptr);
            gtk_box_pack_start(GTK_BOX(view.box), view.bar, FALSE, FALSE, 0);
            gtk_widget_show(view.bar);
        }
        GtkWidget* item = nullptr;
        if (entry.flags & MF_SEPARATOR) {
            item = gtk_separator_menu_item_new();
        } else {
            item = gtk_menu_item_new_with_mnemonic(MnemonicText(entry.text).c_str());
            g_object_set_data(G_OBJECT(item), "qfw-command", GUINT_TO_POINTER(UINT(entry.id)));
            g_signal_connect(item, "activate", G_CALLBACK(OnActivate), dlg.hwnd);
            atk_object_set_name(gtk_widget_get_accessible(item), PlainText(entry.text).c_str());
        }
        gtk_menu_shell_append(GTK_MENU_SHELL(view.bar), item);
        gtk_widget_show(item);
        any = true;
    }
}

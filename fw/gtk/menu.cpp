// The window menu of a dialog. The window manager owns the real one, so the
// items the program appends to it go to a menu bar above the client area;
// choosing one sends the dialog the item's command as a system command.
#include "fw/gtk/backend.h"
#include "fw/gtk/controls.h"

namespace {

SystemMenu* MenuOf(HMENU menu) {
    return reinterpret_cast<SystemMenu*>(menu);
}

void OnActivate(GtkMenuItem* item, gpointer data) {
    DialogRun* run = static_cast<DialogRun*>(data);
    const UINT command = GPOINTER_TO_UINT(g_object_get_data(G_OBJECT(item), "qfw-command"));
    SendToDialog(run, WM_SYSCOMMAND, command, 0);
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

GtkWidget* BarOf(SystemMenu& menu) {
    if (!menu.bar) {
        menu.bar = gtk_menu_bar_new();
        g_signal_connect(menu.bar, "button-release-event", G_CALLBACK(OnBarRelease), nullptr);
        gtk_box_pack_start(GTK_BOX(menu.run->box), menu.bar, FALSE, FALSE, 0);
        gtk_widget_show(menu.bar);
    }
    return menu.bar;
}

} // namespace

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem) {
    SystemMenu* menu = MenuOf(m_hMenu);
    if (!menu || !menu->run)
        return FALSE;
    if (nFlags & MF_SEPARATOR) {
        // A bar needs no line before its first item.
        GList* items = menu->bar ? gtk_container_get_children(GTK_CONTAINER(menu->bar)) : nullptr;
        if (items) {
            GtkWidget* line = gtk_separator_menu_item_new();
            gtk_menu_shell_append(GTK_MENU_SHELL(menu->bar), line);
            gtk_widget_show(line);
        }
        g_list_free(items);
        return TRUE;
    }
    const std::string text = lpszNewItem ? lpszNewItem : "";
    GtkWidget* item = gtk_menu_item_new_with_mnemonic(MnemonicText(text).c_str());
    g_object_set_data(G_OBJECT(item), "qfw-command", GUINT_TO_POINTER(UINT(nIDNewItem)));
    g_signal_connect(item, "activate", G_CALLBACK(OnActivate), menu->run);
    atk_object_set_name(gtk_widget_get_accessible(item), PlainText(text).c_str());
    gtk_menu_shell_append(GTK_MENU_SHELL(BarOf(*menu)), item);
    gtk_widget_show(item);
    return TRUE;
}

// The bar has only what the program appended; there is nothing else to delete.
BOOL CMenu::DeleteMenu(UINT, UINT) {
    return FALSE;
}

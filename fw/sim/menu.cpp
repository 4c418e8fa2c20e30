// The system menu of each dialog, as a list of items.
#include "fw/sim/sim_state.h"

using namespace sim::internal;

namespace {

Window* MenuOwner(HMENU menu) {
    if (!menu)
        return nullptr;
    for (auto& entry : S().windows)
        if (entry.second->sysMenuHandle == menu)
            return entry.second.get();
    return nullptr;
}

} // namespace

namespace sim::internal {

std::vector<MenuItem> InitialSystemMenu() {
    return {
        {MF_STRING, SC_RESTORE, "&Restore"},     {MF_STRING, SC_MOVE, "&Move"},
        {MF_STRING, kScSize, "&Size"},           {MF_STRING, SC_MINIMIZE, "Mi&nimize"},
        {MF_STRING, kScMaximize, "Ma&ximize"},   {MF_SEPARATOR, 0, ""},
        {MF_STRING, SC_CLOSE, "&Close\tAlt+F4"},
    };
}

} // namespace sim::internal

// Null for a window without a system menu; reverting restores the first
// items and, as on the platform, returns null.
CMenu* CWnd::GetSystemMenu(BOOL bRevert) {
    Window* w = Find(this);
    if (!w || !w->sysMenuHandle)
        return nullptr;
    if (bRevert) {
        w->sysMenu = InitialSystemMenu();
        return nullptr;
    }
    CMenu& menu = CWndBackend::SysMenu(*this);
    menu.m_hMenu = w->sysMenuHandle;
    return &menu;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem) {
    Window* w = MenuOwner(m_hMenu);
    if (!w)
        return FALSE;
    const bool separator = nFlags & MF_SEPARATOR;
    w->sysMenu.push_back({nFlags, separator ? 0 : nIDNewItem,
                          separator || !lpszNewItem ? std::string() : lpszNewItem});
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
    Window* w = MenuOwner(m_hMenu);
    if (!w)
        return FALSE;
    std::vector<sim::MenuItem>& items = w->sysMenu;
    if (nFlags & kMfByPosition) {
        if (nPosition >= items.size())
            return FALSE;
        items.erase(items.begin() + long(nPosition));
        return TRUE;
    }
    for (auto it = items.begin(); it != items.end(); ++it) {
        if (!(it->flags & MF_SEPARATOR) && it->id == nPosition) {
            items.erase(it);
            return TRUE;
        }
    }
    return FALSE;
}

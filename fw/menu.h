// Menus, as far as the game needs them: its window's system menu.
#pragma once

#include "fw/types.h"

class CMenu {
public:
    HMENU m_hMenu = nullptr;

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
};

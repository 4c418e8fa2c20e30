// The window menu of a dialog. The window manager owns the real one, so the
// items the program appends to it show in a menu bar above the client area;
// choosing one sends the dialog the item's command as a system command.
#pragma once

#include "fw/gtk/backend.h"

// Shows the items appended to the dialog's system menu, as they are now.
void ShowMenuBar(MgrWindow& dlg);

// The platform's headers for the Win32 backend, then the framework's.
//
// <windows.h> maps many names to their ANSI forms with macros
// (SendMessage -> SendMessageA); game code never sees those macros, so they
// are undone here and the backend calls the ANSI functions by their own
// names.
#pragma once

#include <windows.h>
#include <commctrl.h>

#undef AppendMenu
#undef DrawIcon
#undef GetNextWindow
#undef GetWindowText
#undef LoadBitmap
#undef LoadIcon
#undef LoadString
#undef SendMessage
#undef PostMessage
#undef SetWindowText

#include "fw/afxwin.h"

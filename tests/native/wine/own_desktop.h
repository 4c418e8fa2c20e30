// Runs a program on a desktop of its own. Under Wine, a desktop whose name
// has a size under HKCU\Software\Wine\Explorer\Desktops is a virtual desktop:
// windows on it get Windows frames and captions, and programs on other
// desktops of the same prefix are not affected.
#pragma once

namespace e2e {

// If this process is not yet on the named desktop, creates it, runs this
// program again there with the same command line, waits for it and returns
// true with its exit status in *status. Returns false when the process is
// already on that desktop (go on with the tests), and true with status 1 when
// the desktop cannot be entered.
bool rerunOnDesktop(const char* name, int* status);

} // namespace e2e

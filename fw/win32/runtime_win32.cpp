// Process-level services on the platform and the C runtime.
#include "fw/win32/win32.h"

#include <cstdlib>
#include <ctime>
#include <unistd.h>

void AfxSleep(DWORD milliseconds) {
    // Wine holds back a window's latest drawing until the thread next waits
    // for messages (or draws again, 50 ms on), so what was drawn just before
    // a pause would not show during it. A wait of no time for no message lets
    // it out first.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, 0);
    Sleep(milliseconds);
}

bool AfxPumpWaitingMessage() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

void AfxExit(int status) {
    _exit(status);
}

void AfxSrand(unsigned seed) {
    srand(seed);
}

int AfxRand() {
    return rand();
}

long long AfxTime() {
    return (long long)time(nullptr);
}

int AfxGetSystemMetrics(int nIndex) {
    return GetSystemMetrics(nIndex);
}

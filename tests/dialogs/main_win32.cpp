// The dialog scenarios on the platform's own dialog manager: run under Wine
// by scripts/run-e2e, on a desktop of its own (a Wine virtual desktop, where
// windows close without waiting for a window manager).
#include <windows.h>

#include <commctrl.h>
#include <cstdio>
#include <cstring>

#include "dialog_scenarios.h"
#include "own_desktop.h"

namespace {

volatile LONG g_running = 0; // the scenario that runs, counted from 1
DWORD g_mainThread = 0;

BOOL CALLBACK CancelWindow(HWND window, LPARAM) {
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

// A scenario whose dialogs do not end as expected is cancelled after a few
// seconds, so that the run goes on.
DWORD WINAPI Watchdog(LPVOID) {
    for (LONG seen = -1;; Sleep(4000)) {
        const LONG now = g_running;
        if (now == seen)
            EnumThreadWindows(g_mainThread, CancelWindow, 0);
        seen = now;
    }
}

} // namespace

int main(int argc, char** argv) {
    int status = 0;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--desktop=", 10) == 0 &&
            e2e::rerunOnDesktop(argv[i] + 10, &status))
            return status;
    InitCommonControls();
    g_mainThread = GetCurrentThreadId();
    CreateThread(nullptr, 0, Watchdog, nullptr, 0, nullptr);
    int passed = 0, failed = 0;
    for (int i = 0; i < kDialogScenarioCount; ++i) {
        const DialogScenario& s = kDialogScenarios[i];
        if (argc > 1 && argv[argc - 1][0] != '-' && std::strcmp(argv[argc - 1], s.name) != 0)
            continue;
        InterlockedIncrement(&g_running);
        const std::string log = s.run();
        const bool ok = log == s.expected;
        (ok ? passed : failed)++;
        std::printf("%s dialogs.%s\n", ok ? "ok    " : "FAILED", s.name);
        if (!ok)
            std::printf("  expected: %s\n  got:      %s\n", s.expected, log.c_str());
    }
    std::printf("dialog scenarios: %d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}

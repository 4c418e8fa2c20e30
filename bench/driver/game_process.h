// Starts quintaro.exe, finds its windows and collects its exit status. Every
// wait has a timeout, and a game still running when the object goes away is
// killed, so a failing test never leaves a process behind or hangs the run.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class GameProcess {
public:
    GameProcess() = default;
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;
    ~GameProcess();

    // Starts the exe; returns false (with a reason in error()) if it cannot.
    bool start(const std::string& exePath);

    // The first visible top-level window of this process with exactly this
    // title, or nullptr after the timeout.
    HWND waitForWindow(const char* title, DWORD timeoutMs) const;

    // True once the process has ended within the timeout; its status in *status.
    bool waitForExit(DWORD timeoutMs, DWORD* status) const;

    bool running() const;
    DWORD id() const { return info_.dwProcessId; }
    const std::string& error() const { return error_; }

    // Ends the process if it still runs and waits for it.
    void kill();

private:
    PROCESS_INFORMATION info_{};
    std::string error_;
};

// A path as given on a Unix command line, in the form Windows calls take:
// Wine reaches the Unix file system through drive Z:.
std::string windowsPath(const std::string& path);

// Finds a visible top-level window of the process by exact title, or nullptr.
HWND findProcessWindow(DWORD processId, const char* title);

// Waits until the window's thread has handled everything sent to it before,
// paint requests included; false if it does not answer in time.
bool settleWindow(HWND window, DWORD timeoutMs);

// Polls condition every few milliseconds until it holds or the time is up.
template <typename Condition> bool waitUntil(Condition condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
}

} // namespace e2e

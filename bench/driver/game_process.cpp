#include "game_process.h"

#include <cstring>
#include <vector>

namespace e2e {

namespace {

struct WindowSearch {
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    if (std::strcmp(text, search->title) != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

bool needsPaint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE))
        return true;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetUpdateRect(child, nullptr, FALSE))
            return true;
    return false;
}

} // namespace

GameProcess::~GameProcess() {
    kill();
    if (info_.hProcess) {
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
}

std::string windowsPath(const std::string& path) {
    std::string result = path;
    if (!result.empty() && result[0] == '/')
        result = "Z:" + result;
    for (char& c : result)
        if (c == '/')
            c = '\\';
    return result;
}

bool GameProcess::start(const std::string& exePath) {
    const std::string path = windowsPath(exePath);
    std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    std::string commandLine = "\"" + path + "\"";
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info_)) {
        error_ = "cannot start " + path + " (error " + std::to_string(GetLastError()) + ")";
        info_ = PROCESS_INFORMATION{};
        return false;
    }
    return true;
}

HWND GameProcess::waitForWindow(const char* title, DWORD timeoutMs) const {
    HWND found = nullptr;
    waitUntil([&] { return (found = findProcessWindow(id(), title)) != nullptr || !running(); },
              timeoutMs);
    return found;
}

bool GameProcess::waitForExit(DWORD timeoutMs, DWORD* status) const {
    if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(info_.hProcess, status) != 0;
}

bool GameProcess::running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

void GameProcess::kill() {
    if (!running())
        return;
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
}

HWND findProcessWindow(DWORD processId, const char* title) {
    WindowSearch search{processId, title, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool settleWindow(HWND window, DWORD timeoutMs) {
    // Not SMTO_ABORTIFHUNG: the game may spend seconds building its pictures
    // before it first reads its queue, and Wine counts that as hung.
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result))
        return false;
    // Paint requests are handled only when the thread's queue is empty, so wait
    // until neither the window nor any control has a region left to paint.
    const bool painted = waitUntil([&] { return !needsPaint(window); }, timeoutMs);
    return painted &&
           SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

} // namespace e2e

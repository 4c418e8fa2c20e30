// The end-to-end player's eyes inside Wine: starts the Windows game on a
// desktop of its own and answers questions about its windows, one request a
// line on the standard input, each answer ending with a line ".":
//   start PATH        starts the game; answers its process id
//   status PID        "running", or the exit status
//   kill PID          ends it
//   windows PID       its showing top-level windows, one a line: handle,
//                     enabled, window rectangle, client origin and size
//                     (screen coordinates), title
//   controls HWND     the window's controls, one a line: id, class, style,
//                     enabled, visible, focused, rectangle in the client area
//   texts HWND        the same controls' texts and check marks, one a line:
//                     id, checked, text; these ask the game itself, which
//                     does not answer while its win banner plays
//   hit HWND CODE     a screen point of the window's caption that the window
//                     says is hit-test CODE (the caption itself, a close box)
//   memory PID        its private bytes, working set, address space in use
//                     and free (in whole 64 KB blocks, what it can still
//                     reserve), GDI and USER objects (0 where not reported)
//   wine_query.exe --desktop=NAME
#include <windows.h>

#include <psapi.h>

#include "own_desktop.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr UINT kAnswerMs = 2000; // a game busy with a frame answers well within it

std::map<DWORD, HANDLE> games;

std::string Text(HWND hwnd) {
    char text[512] = "";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, kAnswerMs, &length))
        return "?";
    // Tabs and line breaks would split the answer's fields and lines.
    for (char* c = text; *c; ++c)
        if (*c == '\t' || *c == '\n' || *c == '\r')
            *c = ' ';
    return text;
}

HANDLE GameOf(const char* pid) {
    auto game = games.find(std::strtoul(pid, nullptr, 10));
    return game == games.end() ? nullptr : game->second;
}

void Start(const char* path) {
    std::string line = std::string("\"") + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    // No standard handles: Wine would give the game ours, and the tests would
    // wait for an end of our answers that never comes while the game runs.
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        games[process.dwProcessId] = process.hProcess;
        std::printf("%lu\n", process.dwProcessId);
    }
}

void Status(HANDLE game) {
    DWORD code = 0;
    if (WaitForSingleObject(game, 0) != WAIT_OBJECT_0)
        std::printf("running\n");
    else if (GetExitCodeProcess(game, &code))
        std::printf("%lu\n", code);
}

// Ended, its handle kept: it is closed when this program ends.
void Kill(HANDLE game) {
    TerminateProcess(game, 1);
    WaitForSingleObject(game, kAnswerMs);
}

BOOL CALLBACK PrintWindow(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != static_cast<DWORD>(param) || !IsWindowVisible(hwnd))
        return TRUE;
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    char title[256] = "";
    GetWindowTextA(hwnd, title, sizeof title);
    std::printf("%llu\t%d\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%s\n",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)),
                IsWindowEnabled(hwnd) ? 1 : 0, window.left, window.top, window.right - window.left,
                window.bottom - window.top, origin.x, origin.y, client.right, client.bottom, title);
    return TRUE;
}

// What the window manager keeps: no message to the game.
BOOL CALLBACK PrintControl(HWND hwnd, LPARAM param) {
    HWND dialog = reinterpret_cast<HWND>(param);
    if (GetParent(hwnd) != dialog)
        return TRUE;
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &thread);
    std::printf("%d\t%s\t%lu\t%d\t%d\t%d\t%ld\t%ld\t%ld\t%ld\n", GetDlgCtrlID(hwnd), cls,
                static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_STYLE)),
                IsWindowEnabled(hwnd) ? 1 : 0, IsWindowVisible(hwnd) ? 1 : 0,
                thread.hwndFocus == hwnd ? 1 : 0, rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    return TRUE;
}

BOOL CALLBACK PrintText(HWND hwnd, LPARAM param) {
    if (GetParent(hwnd) != reinterpret_cast<HWND>(param))
        return TRUE;
    char cls[64] = "";
    GetClassNameA(hwnd, cls, sizeof cls);
    DWORD_PTR checked = 0;
    if (_stricmp(cls, "Button") == 0)
        SendMessageTimeoutA(hwnd, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &checked);
    std::printf("%d\t%d\t%s\n", GetDlgCtrlID(hwnd), checked == BST_CHECKED ? 1 : 0,
                Text(hwnd).c_str());
    return TRUE;
}

// A point along the middle of the caption, from the right, that the
// window's own hit test names CODE. Each question waits for the game's next
// look at its queue, a frame during a spin, so they are few.
void Hit(HWND hwnd, LRESULT code) {
    RECT rect, client;
    if (!GetWindowRect(hwnd, &rect) || !GetClientRect(hwnd, &client))
        return;
    const LONG border = (rect.right - rect.left - client.right) / 2;
    const LONG y = rect.top + border + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (LONG x = rect.right - border - 1; x > rect.left + border; x -= 3) {
        DWORD_PTR got = 0;
        if (SendMessageTimeoutA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG,
                                kAnswerMs, &got) &&
            static_cast<LRESULT>(got) == code) {
            std::printf("%ld\t%ld\n", x, y);
            return;
        }
    }
}

void Memory(HANDLE game) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(game, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return;
    // Wine reports another process's private bytes as its page-file usage.
    const SIZE_T privateBytes =
        counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    constexpr ULONGLONG kBlock = 0x10000;
    ULONGLONG inUse = 0, available = 0;
    MEMORY_BASIC_INFORMATION region;
    for (char* at = nullptr; VirtualQueryEx(game, at, &region, sizeof region) == sizeof region;) {
        const auto start = reinterpret_cast<ULONGLONG>(region.BaseAddress);
        const ULONGLONG end = start + region.RegionSize;
        if (region.State != MEM_FREE)
            inUse += region.RegionSize;
        else if (end / kBlock > (start + kBlock - 1) / kBlock)
            available += (end / kBlock - (start + kBlock - 1) / kBlock) * kBlock;
        char* next = static_cast<char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at)
            break;
        at = next;
    }
    std::printf("%llu\t%llu\t%llu\t%llu\t%lu\t%lu\n", static_cast<unsigned long long>(privateBytes),
                static_cast<unsigned long long>(counters.WorkingSetSize), inUse, available,
                GetGuiResources(game, GR_GDIOBJECTS), GetGuiResources(game, GR_USEROBJECTS));
}

HWND HandleOf(const char* text) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(text, nullptr, 10)));
}

void Answer(const std::string& request, const char* argument, const char* more) {
    HANDLE game = GameOf(argument);
    HWND window = HandleOf(argument);
    if (request == "start")
        Start(argument);
    else if (request == "windows")
        EnumWindows(PrintWindow, std::strtoul(argument, nullptr, 10));
    else if ((request == "controls" || request == "texts") && IsWindow(window))
        EnumChildWindows(window, request == "controls" ? PrintControl : PrintText,
                         reinterpret_cast<LPARAM>(window));
    else if (request == "hit")
        Hit(window, std::strtol(more, nullptr, 10));
    else if (request == "status" && game)
        Status(game);
    else if (request == "kill" && game)
        Kill(game);
    else if (request == "memory" && game)
        Memory(game);
    std::printf(".\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    // Windows are only seen from the desktop they are on.
    int status = 0;
    if (argc > 1 && std::strncmp(argv[1], "--desktop=", 10) == 0 &&
        e2e::rerunOnDesktop(argv[1] + 10, &status))
        return status;
    char line[1024];
    while (std::fgets(line, sizeof line, stdin)) {
        line[std::strcspn(line, "\r\n")] = '\0';
        // The request, then its argument: the rest of the line, or two words.
        char* argument = line + std::strcspn(line, " ");
        if (*argument)
            *argument++ = '\0';
        char* more = argument + std::strcspn(argument, " ");
        if (*more && std::strcmp(line, "start") != 0)
            *more++ = '\0';
        Answer(line, argument, more);
    }
    for (auto& game : games) {
        TerminateProcess(game.second, 1);
        CloseHandle(game.second);
    }
    return 0;
}

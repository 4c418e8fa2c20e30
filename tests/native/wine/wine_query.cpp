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

void Start(const char* path) {
    std::string line = std::string("\"") + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        games[process.dwProcessId] = process.hProcess;
        std::printf("%lu\n", process.dwProcessId);
    }
}

void Status(DWORD pid) {
    auto game = games.find(pid);
    if (game == games.end())
        return;
    DWORD code = 0;
    if (WaitForSingleObject(game->second, 0) != WAIT_OBJECT_0)
        std::printf("running\n");
    else if (GetExitCodeProcess(game->second, &code))
        std::printf("%lu\n", code);
}

void Kill(DWORD pid) {
    auto game = games.find(pid);
    if (game == games.end())
        return;
    TerminateProcess(game->second, 1);
    WaitForSingleObject(game->second, kAnswerMs);
    CloseHandle(game->second);
    games.erase(game);
}

struct WindowsOf {
    DWORD pid;
};

BOOL CALLBACK PrintWindow(HWND hwnd, LPARAM param) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != reinterpret_cast<WindowsOf*>(param)->pid || !IsWindowVisible(hwnd))
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

void Memory(DWORD pid) {
    auto game = games.find(pid);
    if (game == games.end())
        return;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(game->second, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return;
    // Wine reports another process's private bytes as its page-file usage.
    const SIZE_T privateBytes =
        counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
    constexpr ULONGLONG kBlock = 0x10000;
    ULONGLONG inUse = 0, available = 0;
    MEMORY_BASIC_INFORMATION region;
    for (char* at = nullptr;
         VirtualQueryEx(game->second, at, &region, sizeof region) == sizeof region;) {
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
                GetGuiResources(game->second, GR_GDIOBJECTS),
                GetGuiResources(game->second, GR_USEROBJECTS));
}

HWND HandleOf(const char* text) {
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(text, nullptr, 10)));
}

void Answer(const char* request, const char* argument, const char* more) {
    if (std::strcmp(request, "start") == 0) {
        Start(argument);
    } else if (std::strcmp(request, "status") == 0) {
        Status(std::strtoul(argument, nullptr, 10));
    } else if (std::strcmp(request, "kill") == 0) {
        Kill(std::strtoul(argument, nullptr, 10));
    } else if (std::strcmp(request, "windows") == 0) {
        WindowsOf of{static_cast<DWORD>(std::strtoul(argument, nullptr, 10))};
        EnumWindows(PrintWindow, reinterpret_cast<LPARAM>(&of));
    } else if (std::strcmp(request, "controls") == 0 || std::strcmp(request, "texts") == 0) {
        HWND dialog = HandleOf(argument);
        if (IsWindow(dialog))
            EnumChildWindows(dialog, request[0] == 'c' ? PrintControl : PrintText,
                             reinterpret_cast<LPARAM>(dialog));
    } else if (std::strcmp(request, "memory") == 0) {
        Memory(std::strtoul(argument, nullptr, 10));
    } else if (std::strcmp(request, "hit") == 0) {
        Hit(HandleOf(argument), std::strtol(more, nullptr, 10));
    }
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
        char* argument = std::strchr(line, ' ');
        char* more = nullptr;
        if (argument) {
            *argument++ = '\0';
            if (std::strcmp(line, "start") != 0 && (more = std::strchr(argument, ' ')))
                *more++ = '\0';
        }
        Answer(line, argument ? argument : "", more ? more : "");
    }
    for (auto& game : games) {
        TerminateProcess(game.second, 1);
        CloseHandle(game.second);
    }
    return 0;
}

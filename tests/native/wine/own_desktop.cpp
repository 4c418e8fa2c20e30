#include "own_desktop.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace e2e {

namespace {

constexpr DWORD kRunTimeoutMs = 10 * 60 * 1000;

bool onDesktop(const char* name) {
    char current[256] = "";
    HDESK desktop = GetThreadDesktop(GetCurrentThreadId());
    return desktop &&
           GetUserObjectInformationA(desktop, UOI_NAME, current, sizeof current, nullptr) &&
           _stricmp(current, name) == 0;
}

} // namespace

bool rerunOnDesktop(const char* name, int* status) {
    if (onDesktop(name))
        return false;
    *status = 1;
    if (!CreateDesktopA(name, nullptr, nullptr, 0, GENERIC_ALL, nullptr)) {
        std::fprintf(stderr, "cannot create desktop %s (error %lu)\n", name, GetLastError());
        return true;
    }
    std::vector<char> desktopName(name, name + std::strlen(name) + 1);
    const char* line = GetCommandLineA();
    std::vector<char> commandLine(line, line + std::strlen(line) + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktopName.data();
    PROCESS_INFORMATION process{};
    // Handles are inherited so that the tests' output goes where ours goes.
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start the program again on desktop %s (error %lu)\n", name,
                     GetLastError());
        return true;
    }
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, kRunTimeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    } else {
        std::fprintf(stderr, "the program did not finish within %lu s\n", kRunTimeoutMs / 1000);
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    *status = static_cast<int>(code);
    return true;
}

} // namespace e2e

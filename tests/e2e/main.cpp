// End-to-end driver: starts quintaro.exe under the same Wine (or Windows),
// drives its windows with real input and reads back what they show.
//
//   e2e_driver.exe [--desktop=NAME] [--screenshot=FILE.bmp] quintaro.exe [FILTER...]
//
// With --desktop the tests run on a desktop of that name (see own_desktop.h).
// Runs the tests whose names contain one of the filters (all without any) and
// exits with 0 only when at least one test ran and none failed.
#include "game_session.h"
#include "own_desktop.h"
#include "test_runner.h"

#include <fcntl.h>
#include <windows.h>
#include <io.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Plain "\n" line ends, so the closing line reads the same on a Unix terminal.
    _setmode(_fileno(stdout), _O_BINARY);
    e2e::RunOptions options;
    std::vector<std::string> filters;
    std::string desktop;
    const char* screenshotFlag = "--screenshot=";
    const char* desktopFlag = "--desktop=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], desktopFlag, std::strlen(desktopFlag)) == 0)
            desktop = argv[i] + std::strlen(desktopFlag);
        else if (std::strncmp(argv[i], screenshotFlag, std::strlen(screenshotFlag)) == 0)
            options.screenshotPath = e2e::windowsPath(argv[i] + std::strlen(screenshotFlag));
        else if (options.gameExe.empty())
            options.gameExe = e2e::windowsPath(argv[i]);
        else
            filters.push_back(argv[i]);
    }
    if (options.gameExe.empty()) {
        std::fprintf(stderr, "usage: e2e_driver [--desktop=NAME] [--screenshot=FILE.bmp] "
                             "quintaro.exe [FILTER...]\n");
        return 2;
    }
    // The menu probe DLL loads into the game, so a game of the other width needs the
    // driver built in its own tree.
    DWORD kind = 0;
    const DWORD ownKind = e2e::kDriverBits == 64 ? SCS_64BIT_BINARY : SCS_32BIT_BINARY;
    if (GetBinaryTypeA(options.gameExe.c_str(), &kind) && kind != ownKind) {
        std::fprintf(stderr,
                     "e2e_driver: %s is not a %d-bit program; use the driver built with it\n",
                     options.gameExe.c_str(), e2e::kDriverBits);
        return 2;
    }
    int status = 0;
    if (!desktop.empty() && e2e::rerunOnDesktop(desktop.c_str(), &status))
        return status;
    status = e2e::runTests(options, filters);
    e2e::closeSharedGame();
    return status;
}

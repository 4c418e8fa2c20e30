// Benchmarks of the game under Wine, printed as a small table:
//   bench_driver.exe [--desktop=NAME] [--runs=N] [--games=N] [--wins=N] [--leave-free=MB]
//                    [--only=timing|memory] [--figures=FILE] quintaro.exe empty_dialog.exe
// With --figures the main figures also go to FILE, one "name<TAB>value" a line,
// so that bench/run can set the runs of the two builds side by side.
// Frame pacing: one turn of wheel 1 timed on the screen against frames x delay.
// Start-up: process start to painted window, for the game and an empty dialog.
// Memory: the game's private bytes and working set after its start, after
// games with "Try Again" and after each win nesting a new game window; for
// the 32-bit game also the address space it has left after its start and so
// how many nested windows fit. --leave-free=MB then takes all but MB of it,
// so that a few wins run the game out of address space.
#include "frame_pacing.h"
#include "game_process.h"
#include "memory_use.h"
#include "own_desktop.h"
#include "startup_time.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

using namespace bench;

namespace {

// The main figures of the run, in the order they are printed.
std::vector<std::pair<std::string, double>> figures;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double smallest(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

bool reportPacing(const std::string& gameExe, const e2e::GameArt& art) {
    PacingResult pacing;
    std::string error;
    if (!measureFramePacing(gameExe, art, &pacing, &error)) {
        std::printf("frame pacing: %s\n", error.c_str());
        return false;
    }
    const double expected = static_cast<double>(pacing.frames) * pacing.delayMs;
    std::printf("Frame pacing (Super, Challenging, wheel 1: %d frames of %d ms)\n", pacing.frames,
                pacing.delayMs);
    std::printf("  %-28s %9.0f ms\n", "one turn, expected", expected);
    std::printf("  %-28s %9.0f ms   ratio %.3f\n", "one turn, measured", pacing.turnMs,
                pacing.turnMs / expected);
    std::printf("  %-28s %9.1f ms   min %.1f, max %.1f (%d steps)\n\n", "frame to frame, mean",
                pacing.meanMs, pacing.minMs, pacing.maxMs, pacing.intervals);
    figures.push_back({"wheel turn, expected (ms)", expected});
    figures.push_back({"wheel turn, measured (ms)", pacing.turnMs});
    figures.push_back({"frame to frame, mean (ms)", pacing.meanMs});
    figures.push_back({"frame to frame, max (ms)", pacing.maxMs});
    return true;
}

bool reportStartup(const std::string& gameExe, const std::string& dialogExe,
                   const e2e::GameArt& art, int runs) {
    std::vector<double> gameShown, gamePainted, dialogShown, dialogPainted;
    for (int run = 0; run < runs; ++run) {
        // Alternate the two, so that a slow moment of the machine hits both.
        StartupSample game, dialog;
        std::string error;
        if (!measureGameStartup(gameExe, art, &game, &error) ||
            !measureEmptyDialogStartup(dialogExe, &dialog, &error)) {
            std::printf("start-up: %s\n", error.c_str());
            return false;
        }
        gameShown.push_back(game.shownMs);
        gamePainted.push_back(game.paintedMs);
        dialogShown.push_back(dialog.shownMs);
        dialogPainted.push_back(dialog.paintedMs);
    }
    std::printf("Start-up, from process start (median of %d runs, fastest in brackets)\n", runs);
    std::printf("  %-16s %18s %18s\n", "program", "window shown", "window painted");
    std::printf("  %-16s %9.0f (%4.0f) ms %9.0f (%4.0f) ms\n", "quintaro.exe", median(gameShown),
                smallest(gameShown), median(gamePainted), smallest(gamePainted));
    std::printf("  %-16s %9.0f (%4.0f) ms %9.0f (%4.0f) ms\n", "empty dialog", median(dialogShown),
                smallest(dialogShown), median(dialogPainted), smallest(dialogPainted));
    std::printf("  %-16s %9.0f        ms %9.0f        ms\n", "game's own cost",
                median(gameShown) - median(dialogShown),
                median(gamePainted) - median(dialogPainted));
    figures.push_back({"game painted, median (ms)", median(gamePainted)});
    figures.push_back({"empty dialog painted (ms)", median(dialogPainted)});
    figures.push_back({"game's own start-up (ms)", median(gamePainted) - median(dialogPainted)});
    return true;
}

std::string objectCount(long count) {
    return count < 0 ? "n/a" : std::to_string(count);
}

bool reportMemory(const std::string& gameExe, const e2e::GameArt& art, int games, int wins,
                  long long leaveFree) {
    constexpr double kMB = 1e6;
    std::printf("Memory of the game process (MB = 1,000,000 bytes; GDI/USER objects: n/a where "
                "Wine does not report them)\n");
    std::printf("  %-30s %7s %12s %12s %6s %6s\n", "when", "windows", "private MB", "working MB",
                "GDI", "USER");
    std::fflush(stdout);
    const auto print = [&](const MemorySample& s) {
        std::printf("  %-30s %7d %12.1f %12.1f %6s %6s\n", s.when.c_str(), s.gameWindows,
                    s.privateBytes / kMB, s.workingSet / kMB, objectCount(s.gdiObjects).c_str(),
                    objectCount(s.userObjects).c_str());
        std::fflush(stdout);
    };
    std::vector<MemorySample> samples;
    size_t reservable = 0;
    std::string error;
    const bool measured = measureMemoryUse(gameExe, art, games, wins, leaveFree, print, &samples,
                                           &reservable, &error);
    if (reservable)
        std::printf("  %-30s %20.1f%s\n", "address space left at start",
                    static_cast<double>(reservable) / kMB,
                    leaveFree < 0 ? "" : "   (all but --leave-free of it then taken)");
    if (!measured) {
        std::printf("memory: %s\n", error.c_str());
        return false;
    }
    // Each nested window against the one before the first win.
    const MemorySample& before = samples[samples.size() - 1 - wins];
    const MemorySample& after = samples.back();
    if (wins > 0) {
        const double perWindow =
            (static_cast<double>(after.privateBytes) - before.privateBytes) / wins / kMB;
        const double perWindowSet =
            (static_cast<double>(after.workingSet) - before.workingSet) / wins / kMB;
        std::printf("  %-30s %20.1f %12.1f\n", "per game window", perWindow, perWindowSet);
        figures.push_back({"private MB per game window", perWindow});
        figures.push_back({"working set MB per game window", perWindowSet});
        std::printf("  %-30s %20.1f   (1,964 frames of 72 x 72 at 24 bits; goal <= 35 MB "
                    "per window)\n",
                    "its reel strips as pictures", stripPictureBytes() / kMB);
        const double perWindowSpace =
            (static_cast<double>(after.addressInUse) - before.addressInUse) / wins;
        if (reservable && leaveFree < 0 && perWindowSpace > 0)
            std::printf("  %-30s %20.1f   (about %d more game windows fit at start)\n",
                        "address space per game window", perWindowSpace / kMB,
                        static_cast<int>(reservable / perWindowSpace));
        std::printf("\n");
    }
    return true;
}

bool writeFigures(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    for (const auto& [name, value] : figures)
        std::fprintf(file, "%s\t%.1f\n", name.c_str(), value);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    std::string desktop;
    std::vector<std::string> exes;
    std::string figuresPath;
    int runs = 5;
    int games = 20;
    int wins = 10;
    std::string only;
    long long leaveFree = -1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--desktop=", 10) == 0)
            desktop = argv[i] + 10;
        else if (std::strncmp(argv[i], "--games=", 8) == 0)
            games = std::max(0, std::atoi(argv[i] + 8));
        else if (std::strncmp(argv[i], "--wins=", 7) == 0)
            wins = std::max(0, std::atoi(argv[i] + 7));
        else if (std::strncmp(argv[i], "--leave-free=", 13) == 0)
            leaveFree = std::max(0LL, std::atoll(argv[i] + 13)) * 1000000;
        else if (std::strncmp(argv[i], "--only=", 7) == 0)
            only = argv[i] + 7;
        else if (std::strncmp(argv[i], "--figures=", 10) == 0)
            figuresPath = e2e::windowsPath(argv[i] + 10);
        else if (std::strncmp(argv[i], "--runs=", 7) == 0)
            runs = std::max(1, std::atoi(argv[i] + 7));
        else
            exes.push_back(e2e::windowsPath(argv[i]));
    }
    if (exes.size() != 2) {
        std::fprintf(stderr, "usage: bench_driver [--desktop=NAME] [--runs=N] [--games=N] "
                             "[--wins=N] [--leave-free=MB] [--only=timing|memory] [--figures=FILE] "
                             "quintaro.exe "
                             "empty_dialog.exe\n");
        return 2;
    }
    int status = 0;
    if (!desktop.empty() && e2e::rerunOnDesktop(desktop.c_str(), &status))
        return status;
    e2e::GameArt art;
    if (!art.load(exes[0])) {
        std::printf("%s\n", art.error().c_str());
        return 1;
    }
    const bool timing = only.empty() || only == "timing";
    const bool memory = only.empty() || only == "memory";
    const bool paced = !timing || reportPacing(exes[0], art);
    const bool started = !timing || reportStartup(exes[0], exes[1], art, runs);
    std::fflush(stdout);
    const bool held = !memory || reportMemory(exes[0], art, games, wins, leaveFree);
    std::fflush(stdout);
    if (!figuresPath.empty() && !writeFigures(figuresPath)) {
        std::printf("cannot write %s\n", figuresPath.c_str());
        return 1;
    }
    return paced && started && held ? 0 : 1;
}
